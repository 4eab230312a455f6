#include "shell/ui/QuillApp.h"

#include "runtime/Error.h"

#include <QFont>
#include <QIcon>
#include <QMessageBox>

// The icons live in a static library: nothing references them, so the linker
// would drop them unless they are pulled in explicitly.
static void initShellResources() { Q_INIT_RESOURCE(shell); }

QuillApp::QuillApp(int& argc, char** argv) : QApplication(argc, argv) {}

bool QuillApp::notify(QObject* receiver, QEvent* e)
{
    try {
        return QApplication::notify(receiver, e);
    } catch (const rt::RuntimeError& err) {
        rt::report(err);
    } catch (const std::exception& err) {
        rt::showMessage(QString::fromLocal8Bit(err.what()));
    }
    return false;
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
            QMessageBox box(QMessageBox::NoIcon, QString(" "), text, QMessageBox::Ok);
            box.exec();
        });
    }
}
