#pragma once
// The one controller of a text box. Every box of every window has one
// (ToolWindow::load gives it to the boxes a window did not set up itself),
// and everything between the box and its window goes through it.
//
// Who wrote the text is known, never guessed: the program writes only through
// `show(text)` and `putBack(text)`; every other change (a typed key, a
// deletion, an input-method commit, a paste, a drop, an undo or redo) is the
// user's.
//
//   key press   -> the key-press handler and the character filter
//                  (`accepts`), for every character of the key's text; the
//                  box takes those that pass. An input-method commit passes
//                  the same filter the same way.
//   key release -> key-up handler (every release, whatever the key)
//   text change -> for a box that reads (`reads`, `keeps`, `takesAnyText`):
//                  the text is read once, by the box's reading, and
//                  `changed(value)` runs for every readable text, the
//                  program's and the user's; `edited(value)` after it for the
//                  user's. `number()` is that reading for as long as the text
//                  stands.
//   Enter, leaving the box for another control of its window, closing the
//                  window -> a number held below its minimum is let go and
//                  `changed` runs, no longer as an edit. Activating another
//                  window or opening a menu is not leaving.
//
// A box with a minimum (`within`) holds a number below it while the user
// edits it: a typed key, an input-method commit, a key that deletes (Delete)
// or a cut or deletion from the box's menu. Nothing runs on a held number.
// A paste, a drop and the program's writes are checked at once.
//
// Where a program's write leaves the caret:
//   - inside the handling of the user's edit of the same box: a refused
//     text put back (`putBack`) has the caret and the selection the edit
//     found; a text the window tidies (`show`) has the caret where the edit
//     left it, and a text written into a box the edit emptied stands
//     selected, so that the next key replaces it;
//   - when a held number is let go: the whole text selected;
//   - anywhere else: at the start, so a long number shows its sign and
//     leading digits.
// A write of the text the box holds already changes nothing, neither the
// caret nor the user's undo and redo.
// A box reached by Tab has its whole text selected with the caret at the
// start, for the same reason.
//
// A box that reads keeps its number within the double range: a user's text
// beyond it is reported once and the box goes back to its last readable text,
// which its window has taken already, so no handler runs on it again. A box
// that only shows results never reads.
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <functional>
#include <optional>

namespace rt {
enum class Err;
}

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
    // A filter over the character and the box's text as it stands, or over
    // the character alone; each sets the code to 0 to refuse it.
    using TextFilter = void (*)(int& keyAscii, QStringView text);
    using CharFilter = void (*)(int& keyAscii);

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

    // The character filter: a fixed set, the set as the window stands now,
    // or a filter function.
    NumberBox& accepts(const Keys& keys);
    NumberBox& accepts(const QString& allowed, const QString& once = {}) { return accepts(Keys{allowed, once}); }
    NumberBox& accepts(std::function<Keys()> keysNow);
    NumberBox& accepts(TextFilter filter);
    NumberBox& accepts(CharFilter filter);
    // Runs for every typed character before the filter; it may refuse it too.
    NumberBox& onKeyPress(KeyPress f);
    NumberBox& onKeyUp(KeyCode f);

    // The box's text is a number the window reads: the leading-number parse
    // unless `read` is given.
    NumberBox& reads(Reading read = {});
    // As `reads`; `kept` returns the number the window keeps for the box.
    NumberBox& keeps(std::function<double()> kept, Reading read = {});
    // A box whose every text goes to the window as it stands, even one
    // beyond the double range (the window reports it itself).
    NumberBox& takesAnyText();

    // The bounds of the box's number. One below the minimum is held while the
    // user edits it; the window's range check refuses it once it is let go.
    NumberBox& within(std::optional<double> minimum, std::optional<double> maximum = std::nullopt);
    std::optional<double> minimum() const { return minimum_; }
    std::optional<double> maximum() const { return maximum_; }

    // The number the box's text reads as, by the box's reading, read once
    // when the text changed. A text beyond the double range, or one the
    // reading refuses, raises the reading's error, as reading it would.
    double number() const;

    // True for a box whose text the window reads as a number on every change.
    bool isReading() const { return reads_; }
    bool takesTextBeyondTheRange() const { return !keepsReadable_; }

    // The program's write. The change handlers run on it as on any change.
    void show(const QString& text);
    // The program's write of the text it keeps in place of one it refuses.
    void putBack(const QString& text);
    // The whole text selected with the caret at its start.
    void selectWhole();

    // A number below the box's minimum that the user is still editing: no
    // handler has seen it, and the window keeps its value until it is let go.
    bool held() const { return held_; }

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
    // The reading of a text: its number, or the error reading it raised.
    struct Read {
        double value = 0;
        std::optional<rt::Err> error;
    };
    void write(const QString& text, Write kind);
    void textChanged(const QString& text);
    void readAndReport(const QString& text, bool byUser);
    Read readText(const QString& text) const;
    bool heldEdit(const QString& text) const;
    bool keyPress(QKeyEvent* k);
    bool inputMethod(QInputMethodEvent* e);
    // The characters of `text` the key-press handler and the filter let
    // through, each judged against the box's text with those before it.
    QString filtered(const QString& text, bool keypad) const;
    void letGo();
    void noteEdit();
    std::optional<Disagreement> disagreement() const;

    QLineEdit* box_;
    std::function<void(int&, QStringView)> filter_;
    KeyPress press_;
    KeyCode up_;
    std::function<double()> kept_;
    Reading read_;
    std::optional<double> minimum_, maximum_;
    // The box's text read when it changed, and the last text that read as a
    // number within the double range, with its reading.
    Read current_;
    QString lastReadable_;
    Read lastRead_;
    bool reads_ = false;
    bool keepsReadable_ = true;
    bool held_ = false;
    // The box announced the change that comes next as the user's edit.
    bool announced_ = false;
    // The latest gesture in the box was a key (not a paste key) or an
    // input-method commit: an edit that may hold a number.
    bool keyEdit_ = false;
    // Depths of the program's writes, of the handling of a user's change, of
    // a let-go and of a put-back of the last readable text, which decide
    // where a write leaves the caret and whether the handlers run.
    int writing_ = 0;
    int userChange_ = 0;
    int lettingGo_ = 0;
    int restoring_ = 0;
    // The text, the selection's anchor and the caret when the user's latest
    // edit began; where the edit left the caret, and the text it left.
    QString textAtEdit_;
    int anchorAtEdit_ = 0;
    int caretAtEdit_ = 0;
    int caretAfterEdit_ = 0;
    QString userText_;
};
