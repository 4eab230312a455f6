#include "shell/ui/KeyHook.h"

#include <QEvent>
#include <QKeyEvent>
#include <QScopedValueRollback>
#include <QWidget>

namespace KeyHook {
namespace {

class Hook : public QObject {
public:
    explicit Hook(QWidget* w) : QObject(w)
    {
        setObjectName(kName);
        w->installEventFilter(this);
    }
    static constexpr const char* kName = "qm_keyhook";
    KeyPress press;
    KeyCode down, up;
    bool typing = false;

    static Hook* find(const QWidget* w)
    {
        return static_cast<Hook*>(w->findChild<QObject*>(kName, Qt::FindDirectChildrenOnly));
    }
    static Hook* of(QWidget* w)
    {
        if (Hook* h = find(w)) return h;
        return new Hook(w);
    }

protected:
    bool eventFilter(QObject* target, QEvent* e) override
    {
        if (e->type() != QEvent::KeyPress && e->type() != QEvent::KeyRelease) return false;
        auto* k = static_cast<QKeyEvent*>(e);
        int code = k->key();
        const int shift = (k->modifiers() & Qt::ShiftModifier ? 1 : 0) | (k->modifiers() & Qt::ControlModifier ? 2 : 0)
                        | (k->modifiers() & Qt::AltModifier ? 4 : 0);
        if (e->type() == QEvent::KeyRelease) {
            if (up) up(code, shift);
            return false;
        }
        if (down) down(code, shift);
        const QString text = k->text();
        // Tab moves the focus and Delete edits: like arrows, they type no character.
        const bool typesNothing = code == Qt::Key_Tab || code == Qt::Key_Backtab || code == Qt::Key_Delete;
        if (press && !text.isEmpty() && !typesNothing) {
            int ascii = text.at(0).unicode();
            // The keypad's decimal key types "," on a decimal-comma keyboard;
            // every number here is written with ".", so that key types one.
            if ((k->modifiers() & Qt::KeypadModifier) && ascii == ',') ascii = '.';
            press(ascii);
            if (ascii == 0) return true;
            // The box takes the character now, marked as typed, so that its
            // change handler can tell typing from a paste or a program write.
            // A handler that changed the character has the box take its own.
            QScopedValueRollback<bool> mark(typing, true);
            if (ascii == text.at(0).unicode()) {
                target->event(e);
            } else {
                QKeyEvent changed(QEvent::KeyPress, ascii == '.' ? int(Qt::Key_Period) : code, k->modifiers(),
                                  QString(QChar(ascii)), k->isAutoRepeat(), k->count());
                target->event(&changed);
            }
            return true;
        }
        return false;
    }
};

} // namespace

void onKeyPress(QWidget* w, KeyPress f) { Hook::of(w)->press = std::move(f); }
void onKeyDown(QWidget* w, KeyCode f) { Hook::of(w)->down = std::move(f); }
void onKeyUp(QWidget* w, KeyCode f) { Hook::of(w)->up = std::move(f); }

bool typing(const QWidget* w)
{
    const Hook* h = Hook::find(w);
    return h && h->typing;
}

} // namespace KeyHook
