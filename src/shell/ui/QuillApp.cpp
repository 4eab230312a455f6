#include "shell/ui/QuillApp.h"

#include "runtime/Error.h"
#include "shell/ui/MDIForm1.h"

#include <QFont>
#include <QIcon>
#include <QMessageBox>
#include <QPointer>
#include <QWindow>

// The icons live in a static library: nothing references them, so the linker
// would drop them unless they are pulled in explicitly.
static void initShellResources() { Q_INIT_RESOURCE(shell); }

namespace {
// Windows that live inside the frame go to its client area; the frame is
// made on the first need of it.
QMdiArea* frameClientArea() { return MDIForm1::instance().mdiArea(); }
} // namespace

QuillApp::QuillApp(int& argc, char** argv) : QApplication(argc, argv), windows_(&frameClientArea) {}

bool QuillApp::startsUserAction(QEvent::Type t)
{
    switch (t) {
    case QEvent::KeyPress: // its release belongs to it
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

} // namespace

bool QuillApp::notify(QObject* receiver, QEvent* e)
{
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
