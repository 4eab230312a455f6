#pragma once
// The one controller of a number box: everything between a key, a paste or a
// drop in the box and the window's handler goes through it.
//
//   key press   -> key-down handler, then the window's character filter (set
//                  the code to 0 to refuse the key); a character that passes
//                  is typed at once, marked as typing
//   key release -> key-up handler (every release, whatever the key)
//   text change -> `changed(value)` for every readable text: typed, pasted,
//                  dropped or written by the program; `edited(value)` after
//                  it when the change was the user's own (QLineEdit's
//                  textEdited: typing, paste, drop, undo)
//   Enter, leaving the box -> a number held below its minimum is let go and
//                  `changed` runs again, no longer as typing
//
// A box whose number the window keeps (`keepsReadable`, the default) never
// shows a text beyond the double range: it is reported once and the box goes
// back to its last readable text before any handler sees it.
#include <QList>
#include <QObject>
#include <QString>
#include <QStringView>
#include <functional>
#include <optional>

class QLineEdit;
class QWidget;

class NumberBox : public QObject {
    Q_OBJECT
public:
    using KeyPress = std::function<void(int& keyAscii)>;
    using KeyCode = std::function<void(int& keyCode, int shift)>; // shift: 1 Shift, 2 Ctrl, 4 Alt
    using Reading = std::function<double(QStringView)>;

    // The controller of `box`, made on first use; it lives as long as the box.
    static NumberBox& of(QLineEdit* box);
    static NumberBox* find(const QLineEdit* box);

    QLineEdit* box() const { return box_; }

    NumberBox& onKeyPress(KeyPress f);
    NumberBox& onKeyDown(KeyCode f);
    NumberBox& onKeyUp(KeyCode f);
    // `kept` returns the number the window keeps for the box; `read` is how
    // the window reads it (the leading-number parse unless given).
    NumberBox& keeps(std::function<double()> kept, Reading read = {});
    // A box whose every text goes to the window as it stands, even one
    // beyond the double range (the window reports it itself).
    NumberBox& takesAnyText();

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

signals:
    void changed(double value);
    void edited(double value);

protected:
    bool eventFilter(QObject* target, QEvent* e) override;

private:
    explicit NumberBox(QLineEdit* box);
    void textChanged(const QString& text);
    bool keyPress(QObject* target, QEvent* e);
    void letGo();
    bool windowClosing() const;
    std::optional<Disagreement> disagreement() const;

    QLineEdit* box_;
    KeyPress press_;
    KeyCode down_, up_;
    std::function<double()> kept_;
    Reading read_;
    QString lastReadable_;
    std::optional<QString> edited_;
    bool keepsReadable_ = true;
    bool typing_ = false;
    bool held_ = false;
};
