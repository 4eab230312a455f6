#pragma once
// Read-only reference of the Sun, the nine planets and their moons. The
// tables are the system's own data and are shown exactly as held, even where
// they disagree with the unit labels.
#include "shell/ui/ToolWindow.h"

#include <QList>
#include <QStringList>
#include <array>

class QLabel;
class QLineEdit;
class QTabBar;

class Astronomy_1 : public ToolWindow {
    Q_OBJECT
public:
    Astronomy_1();

    void TabStrip1_Click();
    void fill_planet_table();
    // p: the planet's tab number, 1 to 9.
    void show_planet(int p, const QList<QLineEdit*>& values);

protected:
    void setupUi(QWidget* body) override;
    void Form_Load() override;

private:
    QWidget* sunPage();
    QWidget* planetsPage();
    QWidget* stripPage(const char* stripName, const QStringList& tabs);

    // Row p (1 to 9), columns 1 to 6; row and column 0 unused.
    std::array<std::array<double, 7>, 10> planet_table{};
    std::array<QStringList, 10> moon_table;

    QTabBar* TabStrip1 = nullptr;
    QList<QLineEdit*> Text1;
    QLabel* Lbl_Moons = nullptr;
};
