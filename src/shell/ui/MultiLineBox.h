#pragma once
// A text box of several lines. Its whole text holds at most maxLength
// characters, as a line box's does: what a paste, a drop, a key or an input
// method would add beyond that is cut from the added text. Qt lays out one
// long line in time that grows with the square of its length, so a line of
// millions of characters would hold the program for minutes. Tab moves the
// focus on rather than typing a tab character, as from every other box; in a
// window inside the frame with no other stop, on to the frame's next window.
#include <QPlainTextEdit>

class MultiLineBox : public QPlainTextEdit {
    Q_OBJECT
public:
    static constexpr int maxLength = 32767; // QLineEdit's default maxLength

    MultiLineBox(const QString& text, QWidget* parent);

protected:
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
    void dropEvent(QDropEvent* e) override;
    void inputMethodEvent(QInputMethodEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    // The characters the box can still take in place of `replaced` of its own.
    int room(int replaced) const;
    // ... in place of its selection, as a paste or a key takes them.
    int room() const;
    // `added` cut to `room` characters, never between the halves of a surrogate pair.
    static QString fitted(const QString& added, int room);
    void leaveTheWindow(bool forward);
};
