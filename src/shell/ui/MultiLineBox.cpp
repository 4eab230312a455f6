#include "shell/ui/MultiLineBox.h"

#include <QDropEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QTextDocument>

#include <algorithm>

namespace {

// The text as the box will hold it: a line break of "\r\n" becomes one
// character, as a lone "\r" or "\n" is, so the count is the box's own.
QString asHeld(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

// Whether the box types a key's text: what Qt's own text boxes take as
// input. Ctrl and Ctrl+Shift make commands (Ctrl+Z), except for the
// formatting characters that some keyboards type with them.
bool typesText(const QKeyEvent* e)
{
    const QString text = e->text();
    if (text.isEmpty()) return false;
    const QChar c = text.front();
    if (c.category() == QChar::Other_Format) return true;
    const Qt::KeyboardModifiers mods = e->modifiers();
    if (mods == Qt::ControlModifier || mods == (Qt::ControlModifier | Qt::ShiftModifier)) return false;
    return c.isPrint() || c == u'\t' || c.category() == QChar::Other_PrivateUse
        || (c.isHighSurrogate() && text.size() > 1 && text.at(1).isLowSurrogate());
}

} // namespace

MultiLineBox::MultiLineBox(const QString& text, QWidget* parent) : QPlainTextEdit(text, parent)
{
    setTabChangesFocus(true);
}

int MultiLineBox::room(int replaced) const
{
    const int length = document()->characterCount() - 1; // the last block's end is no character
    return std::max(0, maxLength - (length - replaced));
}

int MultiLineBox::room() const
{
    const QTextCursor c = textCursor();
    return room(c.selectionEnd() - c.selectionStart());
}

QString MultiLineBox::fitted(const QString& added, int room)
{
    if (added.size() <= room) return added;
    QString kept = added.left(std::max(0, room));
    if (!kept.isEmpty() && kept.back().isHighSurrogate()) kept.chop(1);
    return kept;
}

// A plain box takes a plain text, whatever other forms come with it.
bool MultiLineBox::canInsertFromMimeData(const QMimeData* source) const { return source && source->hasText(); }

void MultiLineBox::insertFromMimeData(const QMimeData* source)
{
    if (!canInsertFromMimeData(source) || isReadOnly()) return;
    QMimeData plain;
    plain.setText(fitted(asHeld(source->text()), room()));
    QPlainTextEdit::insertFromMimeData(&plain);
}

// A drop is a paste at the drop point. Qt's own drop inserts the text inside
// an edit block and asks where the caret stands before that block ends, when
// the wrapped lines are not laid out again yet; it reads lines that are gone.
// Here the text goes in first and the caret is shown after. A drag from the
// box's own selection moves it (unless the user asked for a copy), in one
// step of Undo.
void MultiLineBox::dropEvent(QDropEvent* e)
{
    QDragLeaveEvent leave; // the drag's caret goes, and the scrolling that follows it
    QPlainTextEdit::dragLeaveEvent(&leave);
    const QMimeData* data = e->mimeData();
    if (isReadOnly() || !canInsertFromMimeData(data)) {
        e->ignore();
        return;
    }
    QTextCursor at = cursorForPosition(e->position().toPoint());
    QTextCursor dragged = textCursor();
    const bool moves = e->dropAction() == Qt::MoveAction && e->source() == viewport() && dragged.hasSelection();
    const QString added =
        fitted(asHeld(data->text()), room(moves ? dragged.selectionEnd() - dragged.selectionStart() : 0));
    at.beginEditBlock();
    if (moves) dragged.removeSelectedText();
    at.insertText(added);
    at.endEditBlock();
    setTextCursor(at);
    ensureCursorVisible();
    e->acceptProposedAction();
}

void MultiLineBox::inputMethodEvent(QInputMethodEvent* e)
{
    // The committed text replaces the selection and the characters the event
    // names around the caret, of those that are there: a range reaching past
    // either end of the text replaces only what it covers, and only that
    // gives room.
    const QTextCursor c = textCursor();
    const int caret = c.selectionStart();
    const int length = document()->characterCount() - 1 - (c.selectionEnd() - caret);
    const int from = std::clamp(caret + e->replacementStart(), 0, length);
    const int to = std::clamp(caret + e->replacementStart() + std::max(0, e->replacementLength()), from, length);
    const QString commit = asHeld(e->commitString());
    const int fits = room() + (to - from);
    if (commit.size() <= fits && commit == e->commitString() && from - caret == e->replacementStart()
        && to - from == e->replacementLength())
        return QPlainTextEdit::inputMethodEvent(e);
    QInputMethodEvent cut(e->preeditString(), e->attributes());
    cut.setCommitString(fitted(commit, fits), from - caret, to - from);
    QPlainTextEdit::inputMethodEvent(&cut);
    e->setAccepted(cut.isAccepted());
}

// Tab reaches the box only when its window has no other stop to move to.
// Inside the frame, the focus goes on to the next window there, as Ctrl+Tab
// takes it; elsewhere it stays, and no tab is typed either way.
void MultiLineBox::leaveTheWindow(bool forward)
{
    for (QWidget* w = parentWidget(); w; w = w->parentWidget()) {
        auto* sub = qobject_cast<QMdiSubWindow*>(w);
        if (!sub || !sub->mdiArea()) continue;
        if (forward) sub->mdiArea()->activateNextSubWindow();
        else sub->mdiArea()->activatePreviousSubWindow();
        return;
    }
}

void MultiLineBox::keyPressEvent(QKeyEvent* e)
{
    if (tabChangesFocus() && !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
        && (e->key() == Qt::Key_Tab || e->key() == Qt::Key_Backtab)) {
        leaveTheWindow(e->key() == Qt::Key_Tab && !(e->modifiers() & Qt::ShiftModifier));
        return;
    }
    const QString text = e->text();
    const bool newLine = (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && !(e->modifiers() & Qt::ControlModifier);
    const bool types = newLine || typesText(e);
    const int adds = newLine ? 1 : int(text.size());
    if (!types || isReadOnly() || adds <= room()) return QPlainTextEdit::keyPressEvent(e);
    if (newLine || room() == 0) {
        e->accept(); // a full box takes no more, as a full line box does
        return;
    }
    QKeyEvent cut(e->type(), e->key(), e->modifiers(), e->nativeScanCode(), e->nativeVirtualKey(),
                  e->nativeModifiers(), fitted(text, room()), e->isAutoRepeat(), e->count(), e->device());
    QPlainTextEdit::keyPressEvent(&cut);
    e->setAccepted(cut.isAccepted());
}
