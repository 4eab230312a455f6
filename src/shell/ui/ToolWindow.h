#pragma once
// Base of every window but the frame. A window is created once and kept until
// the program exits (its owner, see Forms, destroys it then); it is loaded
// (its controls built afresh with their design texts, then Form_Load) when
// shown, and unloaded (controls discarded) when closed. The next show loads
// it again.
#include "shell/ui/Form.h"

#include <QPointer>
#include <QWidget>

class QMdiArea;
class QMdiSubWindow;
class ScreenFit;

class ToolWindow : public QWidget, public Form {
    Q_OBJECT
public:
    // mdiChild: lives inside the frame's client area instead of beside it
    // (the area given with setMdiArea; without one it stands alone).
    explicit ToolWindow(const QString& name, bool mdiChild = false);
    ~ToolWindow() override;

    bool isLoaded() const override { return loaded_; }
    // Among all windows, a window loaded later has the greater number.
    quint64 loadOrder() const { return loadOrder_; }
    bool isMdiChild() const { return mdiChild_; }
    QMdiSubWindow* subWindow() const { return sub_; }
    // Puts an mdiChild window into the frame's client area, once, by whoever
    // makes the window (Forms does): a sub-window of the area holds it from
    // then on, hidden until the window is shown.
    void setMdiArea(QMdiArea* area);
    // The container of the controls of the current load (null while unloaded).
    QWidget* body() const { return body_; }

    void load();         // no-op when loaded
    void showForm();     // load, show, bring forward, give the focus
    bool unload();       // Form_Unload may cancel; returns true when unloaded
    void focusFirstControl();

    QString formName() const override { return objectName(); }

    // Design client area (twips): sets Width/Height without loading.
    void setClientSize(float widthTwips, float heightTwips);

    // Counts how often Form_Load ran (tests observe load-once semantics).
    int loadCount() const { return loadCount_; }

    // Before the window is destroyed: its controls go at once, without
    // Form_Unload, while the window their handlers call back into is whole.
    void discardControls();

signals:
    void loadedChanged(bool loaded);

protected:
    // Builds the controls of one load into `body`, with design texts and
    // objectNames, and connects their handlers. Runs before Form_Load.
    virtual void setupUi(QWidget* body) = 0;
    virtual void Form_Load() {}
    virtual void Form_Unload(bool& cancel) { (void)cancel; }
    // Runs after the controls are discarded (restores that must happen on unload).
    virtual void Form_Unloaded() {}

    void closeEvent(QCloseEvent* e) override;
    void applyGeometry() override;
    // The control that takes the focus when the window opens, where the first
    // in the focus chain is not the first in the keyboard order.
    void setFirstControl(QWidget* w) { firstControl_ = w; }
    // Tab visits `controls` in this order; the first one opens the window.
    void setKeyboardOrder(const QList<QWidget*>& controls);

private:
    // Takes the controls of the current load out of the window.
    QWidget* takeBody();
    QWidget* outer();
    static void enterOptionsAtTheChosenOne(QWidget* body);

    bool mdiChild_;
    bool loaded_ = false;
    quint64 loadOrder_ = 0;
    int loadCount_ = 0;
    QPointer<QWidget> firstControl_;
    // The controls of the current load, and where the window stands.
    QWidget* body_ = nullptr;
    QMdiArea* area_ = nullptr;
    QMdiSubWindow* sub_ = nullptr;
    ScreenFit* fit_ = nullptr;
};
