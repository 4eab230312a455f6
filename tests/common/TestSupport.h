#pragma once
// Shared helpers of the tests: QString printing, finding controls by name
// (a missing one fails its test), pasting and dropping as the user does.
#include "WindowCatalog.h"
#include "shell/ui/FPropaganda.h"
#include "shell/ui/Forms.h"
#include "shell/ui/MDIForm1.h"
#include "shell/ui/ToolWindow.h"
#include "shell/ui/Wforms.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDropEvent>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTabWidget>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>
#include <ostream>
#include <stdexcept>

// The offscreen platform with one screen of width x height pixels at 96 dpi,
// its configuration written into `dir`: the value for QT_QPA_PLATFORM.
inline QString offscreenWithScreen(const QTemporaryDir& dir, int width, int height)
{
    const QString config = dir.filePath("screen.json");
    QFile file(config);
    if (file.open(QIODevice::WriteOnly))
        file.write(QString(R"({"screens": [{"name": "screen", "x": 0, "y": 0, "width": %1, "height": %2,
                                "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})")
                       .arg(width)
                       .arg(height)
                       .toUtf8());
    return "offscreen:configfile=" + config;
}

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

// The widget that takes a box's mouse, menu and drop events: a multi-line
// box's viewport, a line box itself.
inline QWidget* mouseTarget(QWidget* box)
{
    auto* area = qobject_cast<QAbstractScrollArea*>(box);
    return area ? area->viewport() : box;
}

// A paste as the user makes it: the box's whole text selected (or, with
// `overAll` false, the text and caret left as they are), its context menu
// opened, and a click on "Paste" (the key filters refuse Ctrl+V). A menu
// that waits in its own event loop (a spin box's) is served from there.
inline void pasteFromMenu(QWidget* box, const QString& text, bool overAll = true)
{
    QApplication::clipboard()->setText(text);
    box->setFocus();
    if (overAll) {
        if (auto* line = qobject_cast<QLineEdit*>(box)) line->selectAll();
        if (auto* lines = qobject_cast<QPlainTextEdit*>(box)) lines->selectAll();
    }
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
    QWidget* target = mouseTarget(box);
    const QPoint at = target->rect().center();
    QContextMenuEvent e(QContextMenuEvent::Mouse, at, target->mapToGlobal(at));
    QApplication::sendEvent(target, &e);
    waiting.stop();
    clickPaste();
}

// The user replaces the whole text of `box`, as a paste over a selection
// does: past the key filter, and announced by the box as the user's edit.
inline void enter(QLineEdit* box, const QString& text)
{
    box->selectAll();
    box->insert(text);
}

// Drops `text` on `box` as the user does from another window or program: the
// box's window need not be the active one, and a drop does not make it so.
inline void dropOn(QWidget* box, const QString& text)
{
    QMimeData data;
    data.setText(text);
    QWidget* target = mouseTarget(box);
    const QPointF at = target->rect().center();
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDropEvent e(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &e);
}

// The window a menu item opens, opened as a click on the item does; an item
// the menu keeps switched off runs the same handler.
inline ToolWindow* openFromMenu(const char* item)
{
    auto* action = child<QAction>(&MDIForm1::instance(), item);
    if (action->isEnabled()) action->trigger();
    else MDIForm1::instance().openItem(item);
    if (ToolWindow* w = WindowCatalog::instanceFor(item)) return w;
    throw MissingControl(std::string("no window opened by ") + item);
}

// Every menu item of the program's table that opens a window, in menu
// order: a test of every window goes over these, so a new window is in it.
inline const QList<const char*>& windowItems()
{
    static const QList<const char*> items = [] {
        QList<const char*> all;
        for (const WindowCatalog::Menu& menu : WindowCatalog::menus())
            for (const WindowCatalog::Item& it : menu.items)
                if (it.window) all.append(it.name);
        return all;
    }();
    return items;
}

// The window a menu item opens, made the active window as a click on it makes it.
inline ToolWindow* openActive(const char* item)
{
    ToolWindow* w = openFromMenu(item);
    QApplication::setActiveWindow(w);
    return w;
}

// Typing over the box's whole text, as a user who clicked into it and selected it.
inline void typeOver(QLineEdit* box, const QString& keys)
{
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, keys);
}

// On the conversion window: the page captioned `tab`, then a unit in each of its lists.
inline void pickUnits(ToolWindow* w, const char* tab, const char* from, int fromRow, const char* to, int toRow)
{
    auto* tabs = child<QTabWidget>(w, "Conversions");
    for (int i = 0; i < tabs->count(); ++i)
        if (tabs->tabText(i) == tab) tabs->setCurrentIndex(i);
    child<QListWidget>(w, from)->setCurrentRow(fromRow);
    child<QListWidget>(w, to)->setCurrentRow(toRow);
}

// Runs the current test once more in a program of its own, which starts as
// the program does: no window is made yet. `environment` ("NAME=value") is
// added to that program's (a screen of another size, say). Returns true in
// that program, where the test goes on; in this one it waits for it, fails
// with its output unless the test passed there, and returns false.
inline bool inAFreshProgram(const QStringList& environment = {})
{
    if (qEnvironmentVariableIsSet("QM_FRESH_PROGRAM")) return true;
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QM_FRESH_PROGRAM", "1");
    for (const QString& entry : environment) env.insert(entry.section('=', 0, 0), entry.section('=', 1));
    QProcess program;
    program.setProcessEnvironment(env);
    program.setProcessChannelMode(QProcess::MergedChannels);
    program.start(QCoreApplication::applicationFilePath(),
                  {QString("--gtest_filter=%1.%2").arg(test->test_suite_name(), test->name())});
    const bool ended = program.waitForFinished(120000);
    const QString out = QString::fromLocal8Bit(program.readAll());
    EXPECT_TRUE(ended && program.exitStatus() == QProcess::NormalExit && program.exitCode() == 0
                && out.contains("[  PASSED  ] 1 test"))
        << out.toStdString();
    return false;
}

// Unloads every tool window but the information window, which goes with the
// frame; where a test has changed that one's text, it is loaded afresh, so
// that the next test finds the text the program starts with.
inline void unloadToolWindows()
{
    for (ToolWindow* w : Forms::loaded())
        if (w->objectName() != "FPropaganda") w->unload();
    FPropaganda* info = Forms::existing<FPropaganda>();
    if (!info || !info->isLoaded()) return;
    const auto* text = info->findChild<QPlainTextEdit*>("Text1");
    if (text && text->toPlainText() != info->lines().join(u'\n') + u'\n') {
        info->unload();
        Wforms::show_info_form();
    }
}
