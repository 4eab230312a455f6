#pragma once
// The main frame: the menu that opens every tool, the client area that holds
// the information window and the aircraft sheet, and the closing rule.
#include "shell/ui/Form.h"
#include "shell/ui/MenuTable.h"

#include <QMainWindow>

class QMdiArea;
class ScreenFit;

class MDIForm1 : public QMainWindow, public Form {
    Q_OBJECT
public:
    // The program's frame, made on first use and held by Forms::Owner.
    static MDIForm1& instance();
    // The menus the frame is built with: the program's table of windows,
    // which the application object hands over before the frame is made.
    static void setMenus(std::span<const MenuTable::Menu> menus);
    static bool isOpen();
    ~MDIForm1() override;

    QMdiArea* mdiArea() const { return area_; }
    bool isLoaded() const override { return loaded_; }

    // Load: place the frame and open the information window.
    void MDIForm_Load();
    void MDIForm_Unload(bool& cancel);

    QString formName() const override { return objectName(); }

    // Menu handlers. openItem does what choosing the item named `item` does
    // (its state in the menu aside); an unknown name does nothing.
    void openItem(const QString& item);
    void open(const MenuTable::Item& item);
    void MRay1_BonanzaA36_Click();
    // Back at the default place and size, with the information window at
    // its own: what a window that grew the frame for itself asks for when it
    // goes (the aircraft sheet does).
    void returnToDefaults();

protected:
    void closeEvent(QCloseEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    MDIForm1();
    void buildMenu();
    void applyGeometry() override;

    QMdiArea* area_;
    ScreenFit* fit_;
    bool loaded_ = false;
    // While the frame's own close unloads the other windows.
    bool closing_ = false;
    bool destroying_ = false;
};
