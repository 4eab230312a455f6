#include "shell/ui/QuillApp.h"

#include "runtime/Error.h"
#include "shell/ui/MDIForm1.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QFont>
#include <QIcon>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextEdit>
#include <QWindow>

// The icons live in a static library: nothing references them, so the linker
// would drop them unless they are pulled in explicitly.
static void initShellResources() { Q_INIT_RESOURCE(shell); }

namespace {
// Windows that live inside the frame go to its client area; the frame is
// made on the first need of it.
QMdiArea* frameClientArea() { return MDIForm1::instance().mdiArea(); }
} // namespace

QuillApp::QuillApp(int& argc, char** argv, std::span<const MenuTable::Menu> menus)
    : QApplication(argc, argv), windows_(&frameClientArea)
{
    MDIForm1::setMenus(menus);
}

bool QuillApp::startsUserAction(QEvent::Type t)
{
    switch (t) {
    case QEvent::KeyPress: // its release belongs to it
    case QEvent::InputMethod: // a commit is typing, as a key press is
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::Shortcut:
    case QEvent::Drop:
    case QEvent::TouchBegin:
    case QEvent::TabletPress:
        return true;
    default:
        return false;
    }
}

namespace {

// The window of the user's current action: the one its first event went to.
QPointer<QWidget> g_actionWindow;
int g_depth = 0;

// The window a widget or a window-system window stands for; a popup (a
// context menu, a list dropped from a combo box) stands for the window it was
// opened from.
QWidget* windowOf(QObject* receiver)
{
    QWidget* w = qobject_cast<QWidget*>(receiver);
    if (!w) {
        if (auto* handle = qobject_cast<QWindow*>(receiver)) {
            for (QWidget* top : QApplication::topLevelWidgets())
                if (top->windowHandle() == handle) w = top;
        }
    }
    if (!w) return nullptr;
    w = w->window();
    while (w->windowType() == Qt::Popup && w->parentWidget()) w = w->parentWidget()->window();
    return w;
}

// A control the user types text into. A spin box and an editable list hand
// the key on to their line edit themselves, so the key reaches them first.
bool takesTyping(const QObject* o)
{
    if (qobject_cast<const QLineEdit*>(o) || qobject_cast<const QPlainTextEdit*>(o) || qobject_cast<const QTextEdit*>(o)
        || qobject_cast<const QAbstractSpinBox*>(o))
        return true;
    const auto* list = qobject_cast<const QComboBox*>(o);
    return list && list->isEditable();
}

// Alt with a key is a command, never typing: Alt+G types no "g". Ctrl with
// Alt is how AltGr arrives on some desktops ("@" on a German keyboard), and a
// character that Alt itself composes is not the key's own; both still type.
bool altCommand(const QKeyEvent* k)
{
    const Qt::KeyboardModifiers mods = k->modifiers();
    if (!(mods & Qt::AltModifier) || (mods & Qt::ControlModifier) || k->text().isEmpty()) return false;
    return int(k->text().at(0).toUpper().unicode()) == k->key();
}

} // namespace

bool QuillApp::notify(QObject* receiver, QEvent* e)
{
    // The box gets, in place of the key pressed, the same key without its
    // character: the box and its parents still see a key, and its shortcut
    // has had its turn before. The key pressed learns whether it was taken.
    if (e->type() == QEvent::KeyPress && takesTyping(receiver) && altCommand(static_cast<QKeyEvent*>(e))) {
        const auto& k = *static_cast<QKeyEvent*>(e);
        QKeyEvent bare(k.type(), k.key(), k.modifiers(), k.nativeScanCode(), k.nativeVirtualKey(), k.nativeModifiers(),
                       QString(), k.isAutoRepeat(), k.count(), k.device());
        bare.setTimestamp(k.timestamp());
        const bool taken = notify(receiver, &bare);
        e->setAccepted(bare.isAccepted());
        return taken;
    }
    const bool starts = startsUserAction(e->type());
    if (starts && g_depth == 0) g_actionWindow = windowOf(receiver);
    rt::UserAction action(starts);
    struct Depth {
        Depth() { ++g_depth; }
        ~Depth() { --g_depth; }
    } depth;
    try {
        return QApplication::notify(receiver, e);
    } catch (const rt::RuntimeError& err) {
        rt::report(err);
    } catch (const std::exception& err) {
        rt::showMessage(QString::fromLocal8Bit(err.what()));
    }
    return false;
}

QWidget* QuillApp::messageOwner()
{
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    // A drop or a wheel turn goes to a window without making it the active one.
    if (g_depth > 0 && g_actionWindow && g_actionWindow->isVisible()) return g_actionWindow;
    if (QWidget* focus = QApplication::focusWidget()) return focus->window();
    return QApplication::activeWindow();
}

void QuillApp::setUp(bool interactiveMessages)
{
    // The designs use "MS Sans Serif" 8 pt; the desktop's sans-serif stands in.
    QFont f("Sans Serif", 8);
    f.setStyleHint(QFont::SansSerif);
    QApplication::setFont(f);
    QApplication::setApplicationName("Quillmere");
    initShellResources();
    // Every window, the frame and each tool window alike, shows the program's icon.
    QApplication::setWindowIcon(QIcon(":/icons/quillmere.png"));
    if (interactiveMessages) {
        rt::setMessageSink([](const QString& text) {
            // Over the window the user works in, owned by it, so it can
            // never slip behind that window.
            QMessageBox box(QMessageBox::NoIcon, QString(" "), text, QMessageBox::Ok, messageOwner());
            box.exec();
        });
    }
}
