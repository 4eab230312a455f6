#pragma once
// Shared helpers of the tests: QString printing, finding controls by name
// (a missing one fails its test), pasting and dropping as the user does.
#include "shell/ui/Forms.h"
#include "shell/ui/MDIForm1.h"
#include "shell/ui/ToolWindow.h"
#include "shell/ui/WindowCatalog.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QString>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>
#include <ostream>
#include <stdexcept>

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

// A control a test looks for is not there. Thrown rather than returned as
// null, so the test that looked fails at that line and the program runs on.
struct MissingControl : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The control `name` under `parent`; fails the test when absent.
template <class T>
T* child(QObject* parent, const QString& name)
{
    if (!parent) throw MissingControl("no window to look for control " + name.toStdString() + " in");
    if (T* w = parent->findChild<T*>(name)) return w;
    throw MissingControl("no control " + name.toStdString());
}

// A paste as the user makes it: the box's whole text selected (or, with
// `overAll` false, the text and caret left as they are), its context menu
// opened, and a click on "Paste" (the key filters refuse Ctrl+V). A menu
// that waits in its own event loop (a spin box's) is served from there.
inline void pasteFromMenu(QLineEdit* box, const QString& text, bool overAll = true)
{
    QApplication::clipboard()->setText(text);
    box->setFocus();
    if (overAll) box->selectAll();
    auto clickPaste = [] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu) return;
        for (QAction* a : menu->actions())
            if (a->text().remove(u'&').startsWith(QLatin1String("Paste")))
                QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(a).center());
        if (menu->isVisible()) menu->close();
    };
    QTimer waiting;
    waiting.setSingleShot(true);
    QObject::connect(&waiting, &QTimer::timeout, clickPaste);
    waiting.start(0);
    const QPoint at = box->rect().center();
    QContextMenuEvent e(QContextMenuEvent::Mouse, at, box->mapToGlobal(at));
    QApplication::sendEvent(box, &e);
    waiting.stop();
    clickPaste();
}

// Drops `text` on `box` as the user does from another window or program: the
// box's window need not be the active one, and a drop does not make it so.
inline void dropOn(QLineEdit* box, const QString& text)
{
    QMimeData data;
    data.setText(text);
    const QPointF at = box->rect().center();
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(box, &enter);
    QDropEvent e(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(box, &e);
}

// The window a menu item opens, opened as a click on the item does.
inline ToolWindow* openFromMenu(const char* item)
{
    child<QAction>(&MDIForm1::instance(), item)->trigger();
    if (ToolWindow* w = WindowCatalog::instanceFor(item)) return w;
    throw MissingControl(std::string("no window opened by ") + item);
}

// Unloads every tool window but the information window, which goes with the frame.
inline void unloadToolWindows()
{
    for (ToolWindow* w : QList<ToolWindow*>(Forms::loaded()))
        if (w->objectName() != "FPropaganda") w->unload();
}
