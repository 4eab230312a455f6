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
// opens them, and the multi-line boxes they hold, each with its load's text.
QList<QPlainTextEdit*> openBoxes()
{
    MDIForm1::instance().show();
    Forms::instance<FPropaganda>().unload();
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

// A drop from another window or program as Qt delivers it: the drag enters
// the box, moves over it to `at` and drops there. Whether the box took it.
bool dropAt(QPlainTextEdit* box, const QString& text, QPoint at)
{
    QMimeData data;
    data.setText(text);
    QWidget* target = box->viewport();
    const Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction;
    QDragEnterEvent entering(at, offered, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &entering);
    QDragMoveEvent moving(at, offered, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &moving);
    QDropEvent drop(QPointF(at), offered, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    return drop.isAccepted();
}

// Long lines dropped one after another, the second laid out while the first
// is wrapped, at points all over the box: the text grows by each drop, cut to
// the room, and the program stays up.
TEST_F(MultiLineBoxes, DropsOfLongLinesAnywhereInTheBox)
{
    const QList<QPlainTextEdit*> boxes = openBoxes();
    ASSERT_GE(boxes.size(), 3);
    const QList<QPair<double, double>> points = {{0.5, 0.5}, {0.02, 0.02}, {0.98, 0.98}, {0.25, 0.75},
                                                 {0.75, 0.25}, {0.5, 0.95}, {0.1, 0.5}, {0.9, 0.1}};
    for (const int second : {40000, 100}) {
        for (QPlainTextEdit* box : boxes) {
            for (const auto& [fx, fy] : points) {
                SCOPED_TRACE(where(box) + " at " + std::to_string(fx) + "," + std::to_string(fy) + " then "
                             + std::to_string(second));
                const QString design = box->toPlainText();
                ASSERT_FALSE(design.contains(u'|') || design.contains(u'~'));
                const QRect r = box->viewport()->rect();
                const QPoint at(int(r.width() * fx), int(r.height() * fy));
                EXPECT_TRUE(dropAt(box, QString(5002, u'|'), at));
                EXPECT_EQ(box->toPlainText().size(), design.size() + 5002);
                EXPECT_TRUE(dropAt(box, QString(second, u'~'), at));
                QString shown = box->toPlainText();
                EXPECT_EQ(shown.size(), std::min(kLimit, int(design.size()) + 5002 + second));
                EXPECT_EQ(shown.count(u'|'), 5002);
                EXPECT_TRUE(shown.remove(u'|').remove(u'~') == design);
                box->setPlainText(design);
            }
        }
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

// An input method's commit replaces characters around the caret: only those
// that are there make room. A full box with the caret at its end takes none
// of "abc" however many characters after the caret the commit names.
TEST_F(MultiLineBoxes, ACommitGainsRoomOnlyFromTheCharactersItReplaces)
{
    const struct Case {
        const char* what;
        int caretFromEnd, start, length;
        QString head, tail; // how the box's text starts and ends after the commit
    } cases[] = {
        {"past the end", 0, 0, 3, "aaa", "aaa"},
        {"far past the end", 0, 0, 1000000, "aaa", "aaa"},
        {"from before the start", 0, -(kLimit + 10), 13, "abca", "aaa"},
        {"the last three", 0, -3, 3, "aaa", "abc"},
        {"two of three there", 2, 0, 3, "aaa", "aab"}, // "aa" gives way to "ab"; "c" finds no room
        {"before the caret", 3, -3, 3, "aaa", "abcaaa"},
    };
    QPlainTextEdit* box = informationBox();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        leaveRoom(box, 0);
        box->moveCursor(QTextCursor::End);
        for (int i = 0; i < c.caretFromEnd; ++i) box->moveCursor(QTextCursor::Left);
        QInputMethodEvent commit;
        commit.setCommitString("abc", c.start, c.length);
        QApplication::sendEvent(box, &commit);
        EXPECT_EQ(box->toPlainText().size(), kLimit);
        EXPECT_TRUE(box->toPlainText().startsWith(c.head) && box->toPlainText().endsWith(c.tail))
            << box->toPlainText().left(6).toStdString() << "…" << box->toPlainText().right(6).toStdString();
    }
    // Short lines, so that each commit lays out one line, not the whole text.
    const QString full = QString("aaaaaaa\n").repeated(kLimit / 8) + QString(kLimit % 8, u'a');
    box->setPlainText(full);
    box->moveCursor(QTextCursor::End);
    for (int i = 0; i < 1000; ++i) {
        QInputMethodEvent commit;
        commit.setCommitString("abc", 0, 3);
        QApplication::sendEvent(box, &commit);
    }
    EXPECT_TRUE(box->toPlainText() == full);
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
