#pragma once
// The one controller of a text box. Every box of every window has one
// (ToolWindow::load gives it to the boxes a window did not set up itself),
// and everything between the box and its window goes through it.
//
// Who wrote the text is known, never guessed: the program writes only through
// `show(text)`; every other change (a typed key, an input-method commit, a
// paste, a drop, an undo or redo) is the user's.
//
//   key press   -> key-down handler, then the key-press handler and the
//                  character filter (`accepts`); a character that passes is
//                  typed at once, marked as typing. An input-method commit
//                  passes the same filter, character by character.
//   key release -> key-up handler (every release, whatever the key)
//   text change -> for a box that reads (`reads`, `keeps`, `takesAnyText`):
//                  `changed(value)` for every readable text, the program's
//                  and the user's; `edited(value)` after it for the user's
//   Enter, leaving the box for another control of its window, closing the
//                  window -> a number held below its minimum is let go and
//                  `changed` runs again, no longer as typing. Activating
//                  another window or opening a menu is not leaving.
//
// Where a program's write leaves the caret:
//   - inside the handling of the user's edit of the same box: a refused
//     text put back (`putBack`) has it where the edit found it, a text the
//     window tidies (`show`) where the edit left it;
//   - when a held number is let go: the whole text selected;
//   - anywhere else: at the start, so a long number shows its sign and
//     leading digits.
// A box reached by Tab has its whole text selected with the caret at the
// start, for the same reason.
//
// A box that reads keeps its number within the double range: a user's text
// beyond it is reported once and the box goes back to its last readable text
// before any handler sees it. A box that only shows results never reads.
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <functional>
#include <optional>

class QEvent;
class QInputMethodEvent;
class QKeyEvent;
class QLineEdit;
class QWidget;

class NumberBox : public QObject {
    Q_OBJECT
public:
    // The characters a box takes: those of `allowed`, each of `once` only
    // while the text (selected characters included) does not hold it yet.
    struct Keys {
        QString allowed;
        QString once;
        bool takes(char32_t c, QStringView text) const;
        // Sets the character code to 0 when the character is refused.
        void filter(int& keyAscii, QStringView text) const;
    };
    using KeyPress = std::function<void(int& keyAscii)>;
    using KeyCode = std::function<void(int& keyCode, int shift)>; // shift: 1 Shift, 2 Ctrl, 4 Alt
    using Reading = std::function<double(QStringView)>;

    // The controller of `box`, made on first use; it lives as long as the box.
    static NumberBox& of(QLineEdit* box);
    static NumberBox* find(const QLineEdit* box);
    // Gives every box under `root` its controller. The text fields of
    // editable lists and spin boxes are their owners' and keep Qt's editing.
    static void attachAll(QWidget* root);

    // The window of the boxes under `root` closes: its values go, and a
    // number held in one of them is dropped without a check.
    static void windowCloses(const QWidget* root);

    QLineEdit* box() const { return box_; }

    // The character filter: a fixed set, or the set as the window stands now.
    NumberBox& accepts(const Keys& keys);
    NumberBox& accepts(const QString& allowed, const QString& once = {}) { return accepts(Keys{allowed, once}); }
    NumberBox& accepts(std::function<Keys()> keysNow);
    // Runs for every typed character before the filter; it may refuse it too.
    NumberBox& onKeyPress(KeyPress f);
    NumberBox& onKeyDown(KeyCode f);
    NumberBox& onKeyUp(KeyCode f);

    // The box's text is a number the window reads: the leading-number parse
    // unless `read` is given.
    NumberBox& reads(Reading read = {});
    // As `reads`; `kept` returns the number the window keeps for the box.
    NumberBox& keeps(std::function<double()> kept, Reading read = {});
    // A box whose every text goes to the window as it stands, even one
    // beyond the double range (the window reports it itself).
    NumberBox& takesAnyText();

    // True for a box whose text the window reads as a number on every change.
    bool isReading() const { return reads_; }
    bool takesTextBeyondTheRange() const { return !keepsReadable_; }

    // The program's write. The change handlers run on it as on any change.
    void show(const QString& text);
    // The program's write of the text it keeps in place of one it refuses.
    void putBack(const QString& text);
    // The whole text selected with the caret at its start.
    void selectWhole();

    // True while a character that passed the filter is being typed (not for
    // pastes, deletions or writes by the program).
    bool typing() const { return typing_; }
    // A number below the box's minimum that the user is still typing: the
    // window keeps its value and must not use the text until it is let go.
    bool held() const { return held_; }
    void setHeld(bool on) { held_ = on; }

    // Boxes under `root` whose kept number differs from the reading of their
    // text (a text beyond the double range reads as infinity). A text the box's
    // own reading refuses as no number, and a held number, are not counted.
    struct Disagreement {
        QLineEdit* box;
        double kept;
        double shown;
    };
    static QList<Disagreement> disagreements(const QWidget* root);

    // Writes that bypassed `show`: a change of the text that neither the
    // program made through its controller nor the box announced as the
    // user's edit. Each is "box: text"; there should be none.
    static QStringList strayWrites();
    static void forgetStrayWrites();

signals:
    void changed(double value);
    void edited(double value);

protected:
    bool eventFilter(QObject* target, QEvent* e) override;

private:
    explicit NumberBox(QLineEdit* box);
    enum class Write { Shown, PutBack };
    void write(const QString& text, Write kind);
    void textChanged(const QString& text);
    void readAndReport(const QString& text, bool byUser);
    bool keyPress(QKeyEvent* k);
    bool inputMethod(QInputMethodEvent* e);
    void letGo();
    void noteCaret();
    std::optional<Disagreement> disagreement() const;

    QLineEdit* box_;
    std::function<Keys()> keys_;
    KeyPress press_;
    KeyCode down_, up_;
    std::function<double()> kept_;
    Reading read_;
    QString lastReadable_;
    bool reads_ = false;
    bool keepsReadable_ = true;
    bool typing_ = false;
    bool held_ = false;
    // The box announced the change that comes next as the user's edit.
    bool announced_ = false;
    // Depths of the program's writes, of the handling of a user's change and
    // of a let-go, which decide where a write leaves the caret.
    int writing_ = 0;
    int userChange_ = 0;
    int lettingGo_ = 0;
    // Where the caret stood when the user's latest edit began, and where it
    // left it.
    int caretAtEdit_ = 0;
    int caretAfterEdit_ = 0;
};
