#pragma once
// The about box, with the button that starts the system-information tool
// found through the registry.
#include "shell/ui/ToolWindow.h"

#include "runtime/Registry.h"

class QLabel;
class QPushButton;

class frmAbout : public ToolWindow {
    Q_OBJECT
public:
    frmAbout();

    void cmdOK_Click();
    void cmdSysInfo_Click();
    void StartSysInfo();
    static bool GetKeyValue(rt::reg::HKEY root, const QString& keyName, const QString& subKeyRef, QString& keyVal);

protected:
    void setupUi(QWidget* body) override;
    void Form_Load() override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    QLabel* lblTitle = nullptr;
    QLabel* lblDescription = nullptr;
};
