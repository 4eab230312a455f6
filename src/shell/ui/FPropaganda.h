#pragma once
// The information window inside the frame: an outline of the menu, contact
// lines and a disclaimer; it folds to its title strip and back.
#include "shell/ui/ToolWindow.h"

#include <QStringList>
#include <optional>

class QLabel;
class MultiLineBox;
class QPushButton;

class FPropaganda : public ToolWindow {
    Q_OBJECT
public:
    FPropaganda();
    static constexpr float designHeight = 8685; // client area 8625 plus the border
    static constexpr int borderWidth = 1;         // pixels, a fixed single line

    void filltext();
    void Label1_Click();
    void Command1_Click() { Label1_Click(); }
    void Form_Click() { Label1_Click(); }
    const QStringList& lines() const { return lines_; }

protected:
    void setupUi(QWidget* body) override;
    void Form_Load() override;
    bool eventFilter(QObject* o, QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void applyGeometry() override;

private:
    void fitInTheFrame();
    void placeTextAndButton();

    QLabel* Label1 = nullptr;
    MultiLineBox* Text1 = nullptr;
    QPushButton* Command1 = nullptr;
    QStringList lines_;
    std::optional<int> foldState_;
    float unfoldedHeight_ = 0;
};
