// The multi-line boxes of every window: what a paste, a drop, a key or an
// input method may add to them, and that their own texts fit.
#include "shell/ui/FPropaganda.h"
#include "shell/ui/Forms.h"
#include "shell/ui/MDIForm1.h"
#include "shell/ui/Wforms.h"

#include "TestSupport.h"

#include <QClipboard>
#include <QInputMethodEvent>
#include <QPlainTextEdit>
#include <QTest>

namespace {

constexpr int kLimit = 32767; // a line box's maxLength

// The information window and every window of the menu, opened as the user
// opens them, and the multi-line boxes they hold.
QList<QPlainTextEdit*> openBoxes()
{
    MDIForm1::instance().show();
    Wforms::show_info_form();
    QList<QPlainTextEdit*> boxes = Forms::instance<FPropaganda>().body()->findChildren<QPlainTextEdit*>();
    for (const char* item : windowItems())
        if (QWidget* body = openFromMenu(item)->body()) boxes += body->findChildren<QPlainTextEdit*>();
    return boxes;
}

std::string where(QWidget* box)
{
    QWidget* w = box;
    while (w && !qobject_cast<ToolWindow*>(w)) w = w->parentWidget();
    return ((w ? w->objectName() : QString()) + "." + box->objectName()).toStdString();
}

QPlainTextEdit* informationBox()
{
    MDIForm1::instance().show();
    Wforms::show_info_form();
    auto* text = child<QPlainTextEdit>(&Forms::instance<FPropaganda>(), "Text1");
    text->setFocus(Qt::TabFocusReason);
    return text;
}

// Fills the box to `free` characters short of the limit, the caret at the end.
void leaveRoom(QPlainTextEdit* box, int free)
{
    box->setPlainText(QString(kLimit - free, u'a'));
    box->moveCursor(QTextCursor::End);
}

class MultiLineBoxes : public ::testing::Test {
protected:
    void TearDown() override
    {
        unloadToolWindows();
        QApplication::clipboard()->clear();
    }
};

// One line of two million characters: laid out whole, it would hold the
// program for minutes. The box keeps the first characters that fit.
TEST_F(MultiLineBoxes, APasteOrADropOfAHugeLineFillsTheBoxToTheLimit)
{
    const QList<QPlainTextEdit*> boxes = openBoxes();
    ASSERT_GE(boxes.size(), 3); // the information text, the aircraft sheet, the rivet note
    const QChar fill = u'|';
    const QString line(2000000, fill);
    for (QPlainTextEdit* box : boxes) {
        SCOPED_TRACE(where(box));
        ASSERT_FALSE(box->isReadOnly());
        const QString design = box->toPlainText();
        EXPECT_LT(design.size(), kLimit);
        ASSERT_FALSE(design.contains(fill));

        pasteFromMenu(box, line); // over the whole text
        EXPECT_EQ(box->toPlainText().size(), kLimit);
        EXPECT_EQ(box->toPlainText().count(fill), kLimit);
        QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_TRUE(box->toPlainText() == design); // Ctrl+Z is no typing, full or not

        dropOn(box, line); // into the text, which stays
        QString shown = box->toPlainText();
        EXPECT_EQ(shown.size(), kLimit);
        EXPECT_TRUE(shown.remove(fill) == design);
    }
}

// The rule at its edge, for a paste and an input method's commit alike: the
// text added is cut to the room left, counted as the box holds it.
TEST_F(MultiLineBoxes, WhatDoesNotFitIsCutFromTheAddedText)
{
    const QString smile = QString::fromUtf8("\xF0\x9F\x98\x80"); // two UTF-16 halves
    const struct Case {
        const char* what;
        int free;
        QString added, kept;
    } cases[] = {
        {"fits", 5, "12345", "12345"},
        {"cut", 3, "12345", "123"},
        {"full", 0, "12345", ""},
        {"a CR LF is one line break", 4, "1\r\n2\r\n3", "1\n2\n"},
        {"a lone CR too", 2, "1\r2", "1\n"},
        {"a pair is not split", 2, "1" + smile, "1"},
        {"a pair that fits", 3, "1" + smile, "1" + smile},
    };
    QPlainTextEdit* box = informationBox();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QString before(kLimit - c.free, u'a');
        leaveRoom(box, c.free);
        QApplication::clipboard()->setText(c.added);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(box->toPlainText().mid(before.size()), c.kept) << "paste";
        EXPECT_TRUE(box->toPlainText().startsWith(before));

        leaveRoom(box, c.free);
        QInputMethodEvent commit;
        commit.setCommitString(c.added);
        QApplication::sendEvent(box, &commit);
        EXPECT_EQ(box->toPlainText().mid(before.size()), c.kept) << "input method";
    }
    // A selection gives its room back: the paste replaces it.
    leaveRoom(box, 0);
    box->selectAll();
    QApplication::clipboard()->setText("typed anew");
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(box->toPlainText(), "typed anew");
}

// A full box takes no key that would add a character, Enter included; the
// keys that move the caret or delete still work.
TEST_F(MultiLineBoxes, AFullBoxTakesNoMoreKeys)
{
    QPlainTextEdit* box = informationBox();
    leaveRoom(box, 1);
    QTest::keyClicks(box, "xyz");
    QTest::keyClick(box, Qt::Key_Return);
    const QString full = QString(kLimit - 1, u'a') + "x";
    EXPECT_TRUE(box->toPlainText() == full);
    // A key that brings several characters at once keeps those that fit.
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::sendKeyEvent(QTest::Press, box, Qt::Key_unknown, QString("pqr"), Qt::NoModifier);
    EXPECT_TRUE(box->toPlainText() == QString(kLimit - 1, u'a') + "p");
    QTest::keyClick(box, Qt::Key_Left, Qt::ShiftModifier);
    QTest::keyClick(box, Qt::Key_B);
    EXPECT_TRUE(box->toPlainText() == QString(kLimit - 1, u'a') + "b");
}

} // namespace
