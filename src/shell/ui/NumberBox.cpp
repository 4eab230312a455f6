#include "shell/ui/NumberBox.h"

#include "runtime/Error.h"
#include "runtime/Parse.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
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
    keys_ = [keys] { return keys; };
    return *this;
}

NumberBox& NumberBox::accepts(std::function<Keys()> keysNow)
{
    keys_ = std::move(keysNow);
    return *this;
}

NumberBox& NumberBox::onKeyPress(KeyPress f)
{
    press_ = std::move(f);
    return *this;
}

NumberBox& NumberBox::onKeyDown(KeyCode f)
{
    down_ = std::move(f);
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
    const bool whole = lettingGo_ > 0;
    const std::optional<int> at = whole || !userChange_ ? std::nullopt
                                  : std::optional<int>(kind == Write::PutBack ? caretAtEdit_ : caretAfterEdit_);
    {
        Deeper writing(writing_);
        box_->setText(text);
    }
    // Also where the text stood already: Qt then sends no change but still
    // moves the caret to the end.
    if (whole) selectWhole();
    else box_->setCursorPosition(std::min(at.value_or(0), int(box_->text().size())));
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
    readAndReport(text, true);
}

void NumberBox::readAndReport(const QString& text, bool byUser)
{
    if (!reads_) return;
    double value = 0;
    bool readable = true;
    try {
        value = rt::val(text);
    } catch (const rt::RuntimeError& e) {
        if (e.code() != rt::Err::Overflow) throw;
        // The user's text goes back; the program's own is never refused.
        if (keepsReadable_ && byUser) {
            rt::report(e);
            putBack(lastReadable_);
            return;
        }
        readable = false;
        value = text.trimmed().startsWith(u'-') ? -std::numeric_limits<double>::infinity()
                                                : std::numeric_limits<double>::infinity();
    }
    if (readable) lastReadable_ = text;
    emit changed(value);
    if (byUser) emit edited(value);
}

// A number held below its minimum goes to the window once more, no longer as
// typing, so that the window refuses it.
void NumberBox::letGo()
{
    if (!held_) return;
    held_ = false;
    Deeper lettingGo(lettingGo_);
    readAndReport(box_->text(), false);
}

void NumberBox::noteCaret()
{
    caretAtEdit_ = box_->hasSelectedText() ? box_->selectionStart() : box_->cursorPosition();
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
        if (r != Qt::PopupFocusReason && r != Qt::ActiveWindowFocusReason) letGo();
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
    case QEvent::Drop: noteCaret(); return false;
    case QEvent::MouseButtonPress:
        // The middle button pastes the selection of the desktop.
        if (static_cast<QMouseEvent*>(e)->button() == Qt::MiddleButton) noteCaret();
        return false;
    default: return false;
    }
}

bool NumberBox::keyPress(QKeyEvent* k)
{
    int code = k->key();
    if (code == Qt::Key_Return || code == Qt::Key_Enter) letGo();
    if (down_) down_(code, shiftState(k));
    noteCaret();
    const QString text = k->text();
    // Tab moves the focus and Delete edits: like arrows, they type no character.
    const bool typesNothing = code == Qt::Key_Tab || code == Qt::Key_Backtab || code == Qt::Key_Delete;
    if ((!press_ && !keys_) || text.isEmpty() || typesNothing) return false;
    const int typed = int(text.toUcs4().value(0));
    int ascii = typed;
    // The keypad's decimal key types "," on a decimal-comma keyboard;
    // every number here is written with ".", so that key types one.
    if ((k->modifiers() & Qt::KeypadModifier) && ascii == ',') ascii = '.';
    if (press_) press_(ascii);
    if (ascii != 0 && keys_) keys_().filter(ascii, box_->text());
    if (ascii == 0) return true;
    // The box takes the character now, marked as typed, so that the window
    // can hold a number typed below its minimum. A character the filter
    // changed is the one the box takes.
    QScopedValueRollback<bool> mark(typing_, true);
    if (ascii == typed) {
        box_->event(k);
    } else {
        QKeyEvent changed(QEvent::KeyPress, ascii == '.' ? int(Qt::Key_Period) : code, k->modifiers(), textOf(ascii),
                          k->isAutoRepeat(), k->count());
        box_->event(&changed);
    }
    return true;
}

// What an input method commits is typed: each character passes the filter as
// a key would, and the box takes those that pass, in one edit.
bool NumberBox::inputMethod(QInputMethodEvent* e)
{
    const QString commit = e->commitString();
    if ((!press_ && !keys_) || commit.isEmpty()) return false;
    noteCaret();
    const QString before = box_->text();
    QString taken;
    for (const char32_t c : commit.toUcs4()) {
        int code = int(c);
        if (press_) press_(code);
        if (code != 0 && keys_) keys_().filter(code, before + taken);
        if (code != 0) taken += textOf(code);
    }
    QScopedValueRollback<bool> mark(typing_, true);
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
    double shown = 0;
    try {
        shown = read_ ? read_(box_->text()) : rt::val(box_->text());
    } catch (const rt::RuntimeError& e) {
        // A text beyond the double range is never a number the window holds.
        if (e.code() == rt::Err::Overflow) return Disagreement{box_, k, std::numeric_limits<double>::infinity()};
        return std::nullopt;
    }
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
