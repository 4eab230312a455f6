#pragma once
// The Bonanza A36 weight statement and data sheet, a child window
// inside the frame. The frame grows to hold it; when the sheet goes away it
// says so (wentAway), and the frame and the information window return to
// their default places.
#include "shell/ui/ToolWindow.h"

#include <QString>
#include <array>

class QLabel;
class MultiLineBox;

class FBonanza_A36 : public ToolWindow {
    Q_OBJECT
public:
    FBonanza_A36();
    ~FBonanza_A36() override;

    void filltext();

signals:
    // The sheet goes: it is unloaded, hidden by its sub-window, or destroyed.
    void wentAway();

protected:
    void setupUi(QWidget* body) override;
    void Form_Load() override;
    void Form_Unload(bool& cancel) override;
    void hideEvent(QHideEvent* e) override;

private:
    QLabel* Label1 = nullptr;
    QLabel* Picture1 = nullptr;
    MultiLineBox* Text1 = nullptr;
    QLabel* Label2 = nullptr;
    std::array<QString, 151> lines_{};
};
