#include "shell/ui/NumberBox.h"

#include "runtime/Error.h"
#include "runtime/Parse.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScopedValueRollback>
#include <QtDebug>
#include <algorithm>
#include <limits>
#include <utility>

namespace {

constexpr const char* kName = "qm_numberbox";

QStringList& strays()
{
    static QStringList list;
    return list;
}

// Counts a depth up for the life of a scope, also when a handler throws.
class Deeper {
public:
    explicit Deeper(int& depth) : depth_(depth) { ++depth_; }
    ~Deeper() { --depth_; }
    Deeper(const Deeper&) = delete;
    Deeper& operator=(const Deeper&) = delete;

private:
    int& depth_;
};

int shiftState(const QKeyEvent* k)
{
    const Qt::KeyboardModifiers m = k->modifiers();
    return (m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) | (m & Qt::AltModifier ? 4 : 0);
}

QString textOf(int code)
{
    const auto c = char32_t(code);
    return QString::fromUcs4(&c, 1);
}

} // namespace

bool NumberBox::Keys::takes(char32_t c, QStringView text) const
{
    const QString ch = textOf(int(c));
    if (!allowed.contains(ch)) return false;
    return !(once.contains(ch) && text.contains(ch));
}

void NumberBox::Keys::filter(int& keyAscii, QStringView text) const
{
    if (keyAscii <= 0 || !takes(char32_t(keyAscii), text)) keyAscii = 0;
}

NumberBox::NumberBox(QLineEdit* box) : QObject(box), box_(box), lastReadable_(box->text())
{
    current_ = lastRead_ = readText(box->text());
    setObjectName(kName);
    box->setCursorPosition(0);
    box->installEventFilter(this);
    // The box announces a user's edit just before the change it makes.
    connect(box, &QLineEdit::textEdited, this, [this] { announced_ = true; });
    connect(box, &QLineEdit::textChanged, this, &NumberBox::textChanged);
}

NumberBox& NumberBox::of(QLineEdit* box)
{
    if (NumberBox* n = find(box)) return *n;
    return *new NumberBox(box);
}

NumberBox* NumberBox::find(const QLineEdit* box)
{
    return box->findChild<NumberBox*>(kName, Qt::FindDirectChildrenOnly);
}

void NumberBox::attachAll(QWidget* root)
{
    for (QLineEdit* box : root->findChildren<QLineEdit*>()) {
        const QWidget* owner = box->parentWidget();
        if (qobject_cast<const QComboBox*>(owner) || qobject_cast<const QAbstractSpinBox*>(owner)) continue;
        of(box);
    }
}

NumberBox& NumberBox::accepts(const Keys& keys)
{
    filter_ = [keys](int& k, QStringView text) { keys.filter(k, text); };
    return *this;
}

NumberBox& NumberBox::accepts(std::function<Keys()> keysNow)
{
    filter_ = [keysNow = std::move(keysNow)](int& k, QStringView text) { keysNow().filter(k, text); };
    return *this;
}

NumberBox& NumberBox::accepts(TextFilter filter)
{
    filter_ = filter;
    return *this;
}

NumberBox& NumberBox::accepts(CharFilter filter)
{
    filter_ = [filter](int& k, QStringView) { filter(k); };
    return *this;
}

NumberBox& NumberBox::within(std::optional<double> minimum, std::optional<double> maximum)
{
    minimum_ = minimum;
    maximum_ = maximum;
    return *this;
}

NumberBox& NumberBox::onKeyPress(KeyPress f)
{
    press_ = std::move(f);
    return *this;
}

NumberBox& NumberBox::onKeyUp(KeyCode f)
{
    up_ = std::move(f);
    return *this;
}

NumberBox& NumberBox::reads(Reading read)
{
    reads_ = true;
    read_ = std::move(read);
    lastReadable_ = box_->text();
    current_ = lastRead_ = readText(lastReadable_);
    return *this;
}

NumberBox& NumberBox::keeps(std::function<double()> kept, Reading read)
{
    kept_ = std::move(kept);
    return reads(std::move(read));
}

NumberBox& NumberBox::takesAnyText()
{
    keepsReadable_ = false;
    return reads();
}

void NumberBox::show(const QString& text) { write(text, Write::Shown); }

void NumberBox::putBack(const QString& text) { write(text, Write::PutBack); }

void NumberBox::write(const QString& text, Write kind)
{
    // Qt's setText would clear the user's undo and redo and move the caret
    // even where the text stands already.
    if (text == box_->text()) return;
    const bool whole = lettingGo_ > 0 || (userChange_ && kind == Write::Shown && userText_.isEmpty());
    {
        Deeper writing(writing_);
        box_->setText(text);
    }
    const auto n = int(box_->text().size());
    if (whole) {
        selectWhole();
    } else if (!userChange_) {
        box_->setCursorPosition(0);
    } else if (kind == Write::PutBack) {
        const int anchor = std::min(anchorAtEdit_, n), caret = std::min(caretAtEdit_, n);
        if (anchor == caret) box_->setCursorPosition(caret);
        else box_->setSelection(anchor, caret - anchor);
    } else {
        box_->setCursorPosition(std::min(caretAfterEdit_, n));
    }
}

void NumberBox::selectWhole()
{
    const auto n = int(box_->text().size());
    box_->setSelection(n, -n);
}

void NumberBox::textChanged(const QString& text)
{
    const bool announced = std::exchange(announced_, false);
    if (writing_) {
        readAndReport(text, false);
        return;
    }
    // Every change but the program's own writes is the user's; one the box
    // did not announce as an edit was written past this controller.
    if (!announced) {
        strays().append(box_->objectName() + ": " + text);
        qWarning("A text was written into %s past its controller: %s", qPrintable(box_->objectName()),
                 qPrintable(text));
    }
    caretAfterEdit_ = box_->cursorPosition();
    Deeper handling(userChange_);
    QScopedValueRollback<QString> edit(userText_, text);
    readAndReport(text, true);
}

NumberBox::Read NumberBox::readText(const QString& text) const
{
    try {
        return {read_ ? read_(text) : rt::val(text), std::nullopt};
    } catch (const rt::RuntimeError& e) {
        // A text beyond the double range reads as the infinity on its side.
        const double inf = std::numeric_limits<double>::infinity();
        return {text.trimmed().startsWith(u'-') ? -inf : inf, e.code()};
    }
}

double NumberBox::number() const
{
    const Read r = reads_ ? current_ : readText(box_->text());
    if (r.error) throw rt::RuntimeError(*r.error);
    return r.value;
}

// The user's edit that may hold a number below the minimum: a key (a typed
// character, Delete) or an input-method commit, or a cut or deletion from the
// box's menu, which leaves the text less the selection the gesture found.
bool NumberBox::heldEdit(const QString& text) const
{
    if (keyEdit_) return true;
    const int from = std::min(anchorAtEdit_, caretAtEdit_), length = std::abs(caretAtEdit_ - anchorAtEdit_);
    return length > 0 && text == textAtEdit_.left(from) + textAtEdit_.mid(from + length);
}

void NumberBox::readAndReport(const QString& text, bool byUser)
{
    if (!reads_) return;
    // The last readable text put back: the window has taken it already.
    if (restoring_) {
        current_ = lastRead_;
        return;
    }
    current_ = readText(text);
    if (current_.error) {
        const rt::RuntimeError e(*current_.error);
        if (e.code() != rt::Err::Overflow) {
            // A text the box's reading refuses as no number is an error of
            // the change, reported as its handler would report it.
            rt::report(e);
            return;
        }
        // The user's text goes back; the program's own is never refused.
        if (keepsReadable_ && byUser) {
            rt::report(e);
            Deeper restoring(restoring_);
            putBack(lastReadable_);
            return;
        }
    } else {
        lastReadable_ = text;
        lastRead_ = current_;
    }
    const double value = current_.value;
    // A prefix of a number above the minimum may read below it ("1" of
    // "1.3"): while the user edits, such a number is held, not refused.
    held_ = byUser && minimum_ && value < *minimum_ && !(maximum_ && value > *maximum_) && heldEdit(text);
    if (held_) return;
    emit changed(value);
    if (byUser) emit edited(value);
}

// A number held below its minimum goes to the window, no longer as an edit,
// so that the window refuses it.
void NumberBox::letGo()
{
    if (!held_) return;
    held_ = false;
    Deeper lettingGo(lettingGo_);
    readAndReport(box_->text(), false);
}

void NumberBox::noteEdit()
{
    textAtEdit_ = box_->text();
    caretAtEdit_ = box_->cursorPosition();
    anchorAtEdit_ = caretAtEdit_;
    if (box_->hasSelectedText()) {
        const int start = box_->selectionStart(), end = start + int(box_->selectedText().size());
        anchorAtEdit_ = caretAtEdit_ == start ? end : start;
    }
}

bool NumberBox::eventFilter(QObject*, QEvent* e)
{
    switch (e->type()) {
    case QEvent::FocusIn: {
        // Reached by the keyboard, the box selects its whole text, with the
        // caret at the end unless a selection stands already: this one has it
        // at the start.
        const Qt::FocusReason r = static_cast<QFocusEvent*>(e)->reason();
        if ((r == Qt::TabFocusReason || r == Qt::BacktabFocusReason || r == Qt::ShortcutFocusReason)
            && !box_->hasSelectedText())
            selectWhole();
        return false;
    }
    case QEvent::FocusOut: {
        // Leaving is for another control of the same window: a popup (the
        // box's context menu) or another window taking the keyboard is not,
        // and a paste from the menu or typing on after coming back goes into
        // the held text. A closing window has dropped it (windowCloses).
        const Qt::FocusReason r = static_cast<QFocusEvent*>(e)->reason();
        if (r != Qt::PopupFocusReason && r != Qt::ActiveWindowFocusReason) {
            keyEdit_ = false;
            letGo();
        }
        return false;
    }
    case QEvent::KeyRelease:
        if (up_) {
            auto* k = static_cast<QKeyEvent*>(e);
            int code = k->key();
            up_(code, shiftState(k));
        }
        return false;
    case QEvent::KeyPress: return keyPress(static_cast<QKeyEvent*>(e));
    case QEvent::InputMethod: return inputMethod(static_cast<QInputMethodEvent*>(e));
    case QEvent::ContextMenu:
    case QEvent::Drop:
        keyEdit_ = false;
        noteEdit();
        return false;
    case QEvent::MouseButtonPress:
        // The middle button pastes the selection of the desktop; the left one
        // may drag a selection within the box.
        keyEdit_ = false;
        noteEdit();
        return false;
    default: return false;
    }
}

bool NumberBox::keyPress(QKeyEvent* k)
{
    const int code = k->key();
    if (code == Qt::Key_Return || code == Qt::Key_Enter) letGo();
    noteEdit();
    // A paste is checked at once, whichever way it comes.
    keyEdit_ = !k->matches(QKeySequence::Paste);
    const QString text = k->text();
    // Tab moves the focus and Delete edits: like arrows, they type no character.
    const bool typesNothing = code == Qt::Key_Tab || code == Qt::Key_Backtab || code == Qt::Key_Delete;
    if ((!press_ && !filter_) || text.isEmpty() || typesNothing) return false;
    const QString taken = filtered(text, k->modifiers() & Qt::KeypadModifier);
    if (taken.isEmpty()) return true;
    // The box takes the characters now, as an edit, so that the window can
    // hold a number typed below its minimum. Characters the filter changed
    // or refused leave the box the ones it let through.
    if (taken == text) {
        box_->event(k);
    } else {
        QKeyEvent changed(QEvent::KeyPress, taken == QLatin1String(".") ? int(Qt::Key_Period) : code, k->modifiers(),
                          taken, k->isAutoRepeat(), k->count());
        box_->event(&changed);
    }
    return true;
}

QString NumberBox::filtered(const QString& text, bool keypad) const
{
    const QString before = box_->text();
    QString taken;
    for (const char32_t c : text.toUcs4()) {
        int code = int(c);
        // The keypad's decimal key types "," on a decimal-comma keyboard;
        // every number here is written with ".", so that key types one.
        if (keypad && code == ',') code = '.';
        if (press_) press_(code);
        const QString soFar = before + taken;
        if (code > 0 && filter_) filter_(code, soFar);
        if (code > 0) taken += textOf(code);
    }
    return taken;
}

// What an input method commits is typed: each character passes the filter as
// a key would, and the box takes those that pass, in one edit.
bool NumberBox::inputMethod(QInputMethodEvent* e)
{
    const QString commit = e->commitString();
    if ((!press_ && !filter_) || commit.isEmpty()) return false;
    noteEdit();
    keyEdit_ = true;
    const QString taken = filtered(commit, false);
    if (taken == commit) {
        box_->event(e);
    } else {
        QInputMethodEvent filtered(e->preeditString(), e->attributes());
        filtered.setCommitString(taken, e->replacementStart(), e->replacementLength());
        box_->event(&filtered);
    }
    return true;
}

void NumberBox::windowCloses(const QWidget* root)
{
    for (NumberBox* n : root->findChildren<NumberBox*>(kName)) n->held_ = false;
}

std::optional<NumberBox::Disagreement> NumberBox::disagreement() const
{
    if (!kept_ || held_) return std::nullopt;
    const double k = kept_();
    // A text beyond the double range is never a number the window holds.
    if (current_.error && *current_.error != rt::Err::Overflow) return std::nullopt;
    const double shown = current_.error ? std::numeric_limits<double>::infinity() : current_.value;
    if (k == shown) return std::nullopt;
    return Disagreement{box_, k, shown};
}

QList<NumberBox::Disagreement> NumberBox::disagreements(const QWidget* root)
{
    QList<Disagreement> out;
    for (const NumberBox* n : root->findChildren<NumberBox*>(kName))
        if (auto d = n->disagreement()) out.append(*d);
    return out;
}

QStringList NumberBox::strayWrites() { return strays(); }

void NumberBox::forgetStrayWrites() { strays().clear(); }
