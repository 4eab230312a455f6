#pragma once
// The main frame: the menu that opens every tool, the client area that holds
// the information window and the aircraft sheet, and the closing rule.
#include "shell/ui/Form.h"

#include <QMainWindow>

class QMdiArea;
class QMdiSubWindow;
class ToolWindow;

class MDIForm1 : public QMainWindow, public Form {
    Q_OBJECT
public:
    static MDIForm1& instance();
    static bool isOpen();
    // False once the frame is being destroyed (its children go with it).
    static bool exists();
    // True while the frame's own close unloads the other windows.
    static bool isClosing();

    ~MDIForm1() override;

    QMdiArea* mdiArea() const { return area_; }
    QMdiSubWindow* adopt(ToolWindow* child);

    // Load: place the frame and open the information window.
    void MDIForm_Load();
    void MDIForm_Unload(bool& cancel);

    QString formName() const override { return objectName(); }
    float Left() const override { return left_; }
    float Top() const override { return top_; }
    float Width() const override { return width_; }
    float Height() const override { return height_; }
    void setLeft(float t) override;
    void setTop(float t) override;
    void setWidth(float t) override;
    void setHeight(float t) override;

    // Menu handlers.
    void openItem(const QString& item);
    void MRay1_BonanzaA36_Click();

protected:
    void closeEvent(QCloseEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    MDIForm1();
    void buildMenu();
    void applyGeometry();

    QMdiArea* area_;
    float left_ = 0, top_ = 0, width_ = 4960, height_ = 9500;
    bool loaded_ = false;
};
