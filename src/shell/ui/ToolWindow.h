#pragma once
// Base of every window but the frame. A window is created once and kept until
// the program exits (Forms owns it); it is loaded (its controls built afresh with their
// design texts, then Form_Load) when shown or placed, and unloaded (controls
// discarded) when closed. The next show loads it again.
#include "shell/ui/Form.h"

#include <QPointer>
#include <QWidget>

class QMdiArea;
class QMdiSubWindow;
namespace Forms {
class Owner;
}

class ToolWindow : public QWidget, public Form {
    Q_OBJECT
public:
    // mdiChild: lives inside the frame's client area instead of beside it
    // (the area given with setMdiArea; without one it stands alone).
    explicit ToolWindow(const QString& name, bool mdiChild = false);
    ~ToolWindow() override;

    bool isLoaded() const { return loaded_; }
    bool isMdiChild() const { return mdiChild_; }
    QMdiSubWindow* subWindow() const { return sub_; }
    // The frame's client area an mdiChild window lives in; handed over once,
    // by whoever makes the window (Forms does), before it is first placed.
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
    void beforePlacing() override { load(); }
    void applyGeometry() override;
    // The control that takes the focus when the window opens, where the first
    // in the focus chain is not the first in the keyboard order.
    void setFirstControl(QWidget* w) { firstControl_ = w; }
    // Tab visits `controls` in this order; the first one opens the window.
    void setKeyboardOrder(const QList<QWidget*>& controls);

private:
    friend class Forms::Owner;
    // Before the window is destroyed: its controls go at once, without
    // Form_Unload, while the window their handlers call back into is whole.
    void discardControls();
    // Takes the controls of the current load out of the window.
    QWidget* takeBody();
    QWidget* outer();
    static void enterOptionsAtTheChosenOne(QWidget* body);

    bool mdiChild_;
    bool loaded_ = false;
    int loadCount_ = 0;
    QWidget* body_ = nullptr;
    QPointer<QMdiArea> area_;
    QMdiSubWindow* sub_ = nullptr;
    QPointer<QWidget> firstControl_;
};
