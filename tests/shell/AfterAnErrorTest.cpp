// After an error or a refusal every window keeps working, says so once per
// user action, and its boxes show only the values it holds. Driven through
// the real windows with typed keys and pastes.
#include "WindowCatalog.h"
#include "runtime/Error.h"
#include "shell/ui/Forms.h"
#include "shell/ui/NumberBox.h"
#include "shell/ui/MDIForm1.h"
#include "shell/ui/QuillApp.h"
#include "shell/ui/ToolWindow.h"

#include "TestSupport.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

namespace {

QLineEdit* box(ToolWindow* w, const char* name) { return child<QLineEdit>(w, name); }

class AfterAnError : public ::testing::Test {
protected:
    void SetUp() override { MDIForm1::instance().show(); }
    void TearDown() override { unloadToolWindows(); }
    rt::MessageRecorder rec;
};

// A number is held while it is typed below the minimum: "1" of "1.3" is
// not refused, and the value stays the last accepted one meanwhile.
TEST_F(AfterAnError, ATypedNumberIsTheNumberTyped)
{
    ToolWindow* isen = openActive("M1_1D_IsFl");
    typeOver(box(isen, "txtMach"), "2");
    typeOver(box(isen, "TxtGama"), "1.3");
    EXPECT_EQ(box(isen, "TxtGama")->text(), "1.3");
    EXPECT_EQ(box(isen, "TxtPt2Ps")->text(), "7.6651");

    ToolWindow* shock = openActive("M1_1d_NoSh");
    QLineEdit* mx = box(shock, "txtMx");
    typeOver(mx, "1.5");
    const QString my = box(shock, "txtMy")->text();
    EXPECT_EQ(my, "0.7011");
    typeOver(mx, "0.5");
    EXPECT_EQ(mx->text(), "0.5");
    EXPECT_EQ(box(shock, "txtMy")->text(), my) << "a held number computes nothing";
    // Leaving the box refuses it as a paste would have been refused at once.
    QTest::mouseClick(box(shock, "TxtGama"), Qt::LeftButton);
    EXPECT_EQ(mx->text(), "1.5");
    EXPECT_EQ(box(shock, "txtMy")->text(), my);

    // Enter refuses it too; a paste and the maximum are checked at once.
    typeOver(mx, "0.7");
    QTest::keyClick(mx, Qt::Key_Return);
    EXPECT_EQ(mx->text(), "1.5");
    pasteFromMenu(mx, "0.5");
    EXPECT_EQ(mx->text(), "1.5");
    EXPECT_TRUE(rec.messages.isEmpty()) << rec.messages.join(", ").toStdString();
}

// The box's context menu does not take the user out of the box: a paste
// goes into the number held there, over the selection or at the caret.
TEST_F(AfterAnError, APasteGoesIntoAHeldNumber)
{
    ToolWindow* isen = openActive("M1_1D_IsFl");
    typeOver(box(isen, "txtMach"), "2");
    QLineEdit* gama = box(isen, "TxtGama");
    typeOver(gama, "1.");
    pasteFromMenu(gama, "3", false);
    EXPECT_EQ(gama->text(), "1.3");
    EXPECT_EQ(box(isen, "TxtPt2Ps")->text(), "7.6651");

    ToolWindow* shock = openActive("M1_1d_NoSh");
    QLineEdit* mx = box(shock, "txtMx");
    typeOver(mx, "0.5");
    pasteFromMenu(mx, "2");
    EXPECT_EQ(mx->text(), "2");
    EXPECT_EQ(box(shock, "txtMy")->text(), "0.5774");
    EXPECT_TRUE(rec.messages.isEmpty()) << rec.messages.join(", ").toStdString();
}

// Closing a window discards a number held in it unchecked: no message
// about values that go with the window.
TEST_F(AfterAnError, ClosingAWindowChecksNoHeldNumber)
{
    ToolWindow* isen = openActive("M1_1D_IsFl");
    pasteFromMenu(box(isen, "TxtGama"), "1E308");
    typeOver(box(isen, "txtMach"), "2");
    ASSERT_EQ(rec.messages, QStringList{"Overflow"});
    rec.messages.clear();
    typeOver(box(isen, "TxtGama"), "1");
    isen->close();
    EXPECT_FALSE(isen->isLoaded());
    EXPECT_TRUE(rec.messages.isEmpty()) << rec.messages.join(", ").toStdString();
    isen = openActive("M1_1D_IsFl");
    EXPECT_EQ(box(isen, "TxtGama")->text(), "1.4");
}

// A gamma the model cannot serve fails once; a sound one computes again.
TEST_F(AfterAnError, ABadValueNeverPoisonsTheNextOnes)
{
    ToolWindow* isen = openActive("M1_1D_IsFl");
    pasteFromMenu(box(isen, "TxtGama"), "1E308");
    typeOver(box(isen, "txtMach"), "2");
    EXPECT_EQ(rec.messages, QStringList{"Overflow"});
    rec.messages.clear();
    typeOver(box(isen, "TxtGama"), "1.4");
    EXPECT_TRUE(rec.messages.isEmpty());
    EXPECT_EQ(box(isen, "TxtPt2Ps")->text(), "7.8244");
    typeOver(box(isen, "txtMach"), "3");
    EXPECT_EQ(box(isen, "TxtPt2Ps")->text(), "36.73");

    ToolWindow* shock = openActive("M1_1d_NoSh");
    pasteFromMenu(box(shock, "TxtGama"), "1E200");
    EXPECT_EQ(rec.messages, QStringList{"Overflow"});
    rec.messages.clear();
    typeOver(box(shock, "TxtGama"), "1.4");
    typeOver(box(shock, "txtMx"), "2");
    EXPECT_TRUE(rec.messages.isEmpty());
    EXPECT_EQ(box(shock, "txtMy")->text(), "0.5774");
    EXPECT_EQ(box(shock, "TxtPsy2Psx")->text(), "4.5000");

    // The atmosphere and airspeed models compute from what they store.
    ToolWindow* aero = openActive("M1_Atm_Aero");
    typeOver(box(aero, "Txt_alt"), "10000");
    typeOver(box(aero, "Txt_mach"), "0.5");
    const QStringList sound = {box(aero, "Txt_press")->text(), box(aero, "Txt_vcas")->text()};
    pasteFromMenu(box(aero, "Txt_alt"), "-1E308");
    EXPECT_EQ(rec.messages, QStringList{"Overflow"});
    typeOver(box(aero, "Txt_alt"), "10000");
    typeOver(box(aero, "Txt_mach"), "0.5");
    EXPECT_EQ((QStringList{box(aero, "Txt_press")->text(), box(aero, "Txt_vcas")->text()}), sound);
}

// A text beyond the double range is reported once and the box goes back to
// the text it had before the key or the paste; the kept value agrees.
TEST_F(AfterAnError, ABoxAndItsValueNeverDisagree)
{
    ToolWindow* calc = openActive("M1_calc");
    QLineEdit* x = box(calc, "x_val_result");
    typeOver(x, "1E400");
    EXPECT_EQ(x->text(), "1E40");
    EXPECT_EQ(rec.messages, QStringList{"Overflow"});
    QTest::mouseClick(child<QPushButton>(calc, "cmd_sqrt"), Qt::LeftButton);
    EXPECT_EQ(x->text(), "100000000000000000000.0000");

    struct Case {
        const char* item;
        const char* box;
    };
    for (const Case& c : {Case{"M1_1D_IsFl", "txtMach"}, Case{"M1_1D_IsFl", "TxtGama"}, Case{"M1_1d_NoSh", "txtMx"},
                          Case{"Geodist", "txt_lon_deg_sp"}, Case{"Geodist", "txt_lat_sec_ep"},
                          Case{"M1_Atm_Aero", "Txt_alt"}, Case{"M1_Atm_Aero", "Txt_dISA"},
                          Case{"M1_Atm_Aero", "Txt_mach"}, Case{"M1_calc", "y_val"}}) {
        SCOPED_TRACE(std::string(c.item) + " " + c.box);
        ToolWindow* w = openActive(c.item);
        QLineEdit* b = box(w, c.box);
        const QString before = b->text();
        rec.messages.clear();
        pasteFromMenu(b, "1E400");
        EXPECT_EQ(b->text(), before);
        EXPECT_EQ(rec.messages, QStringList{"Overflow"});
        for (const NumberBox::Disagreement& d : NumberBox::disagreements(w->body()))
            ADD_FAILURE() << d.box->objectName().toStdString() << " shows " << d.shown << " but keeps " << d.kept;
    }
}

// The same in every number box of every window, as each window opens. The
// conversion input takes any text: its converter reports the overflow and
// the text stays the user's. A box the window does not read as it changes
// (the finance boxes, read when a button is pressed) takes it with no word.
TEST_F(AfterAnError, EveryNumberBoxOfEveryWindowRefusesATextBeyondTheRange)
{
    int boxes = 0;
    for (const char* item : windowItems()) {
        ToolWindow* w = openActive(item);
        for (QLineEdit* b : w->body()->findChildren<QLineEdit*>()) {
            const NumberBox* n = NumberBox::find(b);
            if (!n || b->isReadOnly() || !b->isVisible()) continue;
            SCOPED_TRACE(QString("%1.%2").arg(item, b->objectName()).toStdString());
            ++boxes;
            const QString before = b->text();
            rec.messages.clear();
            pasteFromMenu(b, "1E400");
            if (!n->isReading()) {
                EXPECT_EQ(b->text(), "1E400");
                EXPECT_TRUE(rec.messages.isEmpty()) << rec.messages.join("; ").toStdString();
                continue;
            }
            EXPECT_EQ(b->text(), n->takesTextBeyondTheRange() ? "1E400" : before);
            EXPECT_EQ(rec.messages, QStringList{"Overflow"});
            for (const NumberBox::Disagreement& d : NumberBox::disagreements(w->body()))
                ADD_FAILURE() << d.box->objectName().toStdString() << " shows " << d.shown << " but keeps " << d.kept;
        }
        w->unload();
    }
    EXPECT_GT(boxes, 0) << "no number box reached";
}

// One paste or keystroke shows a given message once.
TEST_F(AfterAnError, OneActionOneMessage)
{
    ToolWindow* aero = openActive("M1_Atm_Aero");
    QLineEdit* alt = box(aero, "Txt_alt");
    pasteFromMenu(alt, "-1E308");
    EXPECT_EQ(rec.messages, QStringList{"Overflow"});
    rec.messages.clear();
    alt->selectAll();
    for (int k = 0; k < 400; ++k) {
        const qsizetype before = rec.messages.size();
        QTest::keyClick(alt, '9');
        ASSERT_LE(rec.messages.size(), before + 1) << "key " << k;
    }
    EXPECT_EQ(alt->text(), QString(308, '9')) << "the keys beyond the double range are not taken";
    EXPECT_EQ(rec.messages.count("Overflow"), rec.messages.size());

    ToolWindow* conv = openActive("M1_conv");
    rec.messages.clear();
    QLineEdit* a = box(conv, "Txt_A");
    typeOver(a, "1E30");
    ASSERT_TRUE(rec.messages.isEmpty());
    QTest::keyClicks(a, "9"); // converted on the change and again on the key's release
    EXPECT_EQ(rec.messages, QStringList{"Overflow"});
}

// One action shows one message, the first raised, whatever follows in it;
// outside any action (a model driven directly) every message shows.
TEST_F(AfterAnError, TheReporterForgetsAtTheNextAction)
{
    {
        rt::UserAction press(true);
        for (const char* m : {"Overflow", "Division by zero", "Overflow", "Type mismatch", "Division by zero"})
            rt::showMessage(m);
    }
    {
        rt::UserAction release(false); // the key's release belongs to its press
        rt::showMessage("Overflow");
        rt::UserAction nested(true);   // a modal box's events start nothing new
        rt::showMessage("Type mismatch");
    }
    EXPECT_EQ(rec.messages, QStringList{"Overflow"});
    rec.messages.clear();
    {
        rt::UserAction next(true);
        rt::showMessage("Overflow");
    }
    rt::showMessage("Overflow");
    rt::showMessage("Overflow");
    EXPECT_EQ(rec.messages, QStringList(3, "Overflow"));
    EXPECT_TRUE(QuillApp::startsUserAction(QEvent::KeyPress));
    EXPECT_FALSE(QuillApp::startsUserAction(QEvent::KeyRelease));
}

// A message box opens over the window the user works in, owned by it.
TEST_F(AfterAnError, AMessageBelongsToTheWindowOfItsAction)
{
    ToolWindow* isen = openActive("M1_1D_IsFl");
    ToolWindow* shock = openActive("M1_1d_NoSh");
    box(isen, "TxtGama")->setFocus();
    QApplication::setActiveWindow(isen);
    EXPECT_EQ(QuillApp::messageOwner(), isen);
    QApplication::setActiveWindow(shock);
    box(shock, "txtMx")->setFocus();
    EXPECT_EQ(QuillApp::messageOwner(), shock);
}


// The message of an action belongs to the window the action went to, even
// when another window has the keyboard.
TEST_F(AfterAnError, AMessageBelongsToTheWindowTheActionWentTo)
{
    ToolWindow* calc = openActive("M1_calc");
    ToolWindow* isen = openActive("M1_1D_IsFl");
    box(isen, "TxtGama")->setFocus();
    QApplication::setActiveWindow(isen);
    // The fixture's recorder puts the reporter back at the end.
    QWidget* owner = nullptr;
    rt::setMessageSink([&](const QString& text) {
        rec.messages << text;
        owner = QuillApp::messageOwner();
    });
    dropOn(box(calc, "x_val_result"), "1E400");
    EXPECT_EQ(rec.messages, QStringList{"Overflow"});
    EXPECT_EQ(owner, calc);
}

} // namespace
