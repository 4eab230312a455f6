#include "shell/ui/NumberBox.h"

#include "runtime/Error.h"
#include "runtime/Parse.h"
#include "shell/ui/ToolWindow.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <limits>

namespace {
constexpr const char* kName = "qm_numberbox";
}

NumberBox::NumberBox(QLineEdit* box) : QObject(box), box_(box), lastReadable_(box->text())
{
    setObjectName(kName);
    box->installEventFilter(this);
    // The box announces a user's edit just before the change it makes.
    connect(box, &QLineEdit::textEdited, this, [this](const QString& t) { edited_ = t; });
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

NumberBox& NumberBox::keeps(std::function<double()> kept, Reading read)
{
    kept_ = std::move(kept);
    read_ = std::move(read);
    return *this;
}

NumberBox& NumberBox::takesAnyText()
{
    keepsReadable_ = false;
    return *this;
}

void NumberBox::textChanged(const QString& text)
{
    // A write that a handler makes inside the user's change is the program's.
    const bool byUser = edited_ && *edited_ == text;
    if (byUser) edited_.reset();
    double value = 0;
    try {
        value = rt::val(text);
    } catch (const rt::RuntimeError& e) {
        if (e.code() != rt::Err::Overflow) throw;
        if (keepsReadable_) {
            rt::report(e);
            box_->setText(lastReadable_);
            return;
        }
        value = text.trimmed().startsWith(u'-') ? -std::numeric_limits<double>::infinity()
                                                : std::numeric_limits<double>::infinity();
    }
    lastReadable_ = text;
    emit changed(value);
    if (byUser) emit edited(value);
}

// A number held below its minimum goes to the window once more, no longer as
// typing, so that the window refuses it.
void NumberBox::letGo()
{
    if (!held_) return;
    held_ = false;
    textChanged(box_->text());
}

bool NumberBox::eventFilter(QObject* target, QEvent* e)
{
    switch (e->type()) {
    case QEvent::FocusOut:
        // A popup (the box's context menu) takes the keyboard without the
        // user leaving the box: a paste from it goes into the held text. A
        // closing window discards its values and checks nothing.
        if (static_cast<QFocusEvent*>(e)->reason() != Qt::PopupFocusReason) {
            if (windowClosing()) held_ = false;
            else letGo();
        }
        return false;
    case QEvent::KeyRelease:
        if (up_) {
            auto* k = static_cast<QKeyEvent*>(e);
            int code = k->key();
            const int shift = (k->modifiers() & Qt::ShiftModifier ? 1 : 0) | (k->modifiers() & Qt::ControlModifier ? 2 : 0)
                            | (k->modifiers() & Qt::AltModifier ? 4 : 0);
            up_(code, shift);
        }
        return false;
    case QEvent::KeyPress:
        return keyPress(target, e);
    default:
        return false;
    }
}

bool NumberBox::keyPress(QObject* target, QEvent* e)
{
    auto* k = static_cast<QKeyEvent*>(e);
    int code = k->key();
    if (code == Qt::Key_Return || code == Qt::Key_Enter) letGo();
    const int shift = (k->modifiers() & Qt::ShiftModifier ? 1 : 0) | (k->modifiers() & Qt::ControlModifier ? 2 : 0)
                    | (k->modifiers() & Qt::AltModifier ? 4 : 0);
    if (down_) down_(code, shift);
    const QString text = k->text();
    // Tab moves the focus and Delete edits: like arrows, they type no character.
    const bool typesNothing = code == Qt::Key_Tab || code == Qt::Key_Backtab || code == Qt::Key_Delete;
    if (!press_ || text.isEmpty() || typesNothing) return false;
    int ascii = text.at(0).unicode();
    // The keypad's decimal key types "," on a decimal-comma keyboard;
    // every number here is written with ".", so that key types one.
    if ((k->modifiers() & Qt::KeypadModifier) && ascii == ',') ascii = '.';
    press_(ascii);
    if (ascii == 0) return true;
    // The box takes the character now, marked as typed, so that the window
    // can tell typing from a paste or a program write. A filter that changed
    // the character has the box take its own.
    QScopedValueRollback<bool> mark(typing_, true);
    if (ascii == text.at(0).unicode()) {
        target->event(e);
    } else {
        QKeyEvent changed(QEvent::KeyPress, ascii == '.' ? int(Qt::Key_Period) : code, k->modifiers(),
                          QString(QChar(ascii)), k->isAutoRepeat(), k->count());
        target->event(&changed);
    }
    return true;
}

bool NumberBox::windowClosing() const
{
    for (const QWidget* w = box_; w; w = w->parentWidget())
        if (const auto* window = qobject_cast<const ToolWindow*>(w)) return !window->isLoaded();
    return false;
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
