#pragma once
// Standard atmosphere and airspeeds for one altitude, in English units on
// one tab and ISO units on the other. Typing an altitude fills the property
// boxes and recomputes the speeds, holding the speed quantity that was last
// entered; an edit of a speed box (a key that changes its text, a paste, a
// drop) sets that speed and rewrites the other four of its tab.
#include "shell/ui/ToolWindow.h"

#include <QString>
#include <array>
#include <memory>
#include <optional>

class QLineEdit;
class QTabWidget;

class FAero : public ToolWindow {
    Q_OBJECT
public:
    FAero();
    ~FAero() override;

    void Txt_alt_Change();
    void Txt_alt_iso_Change();
    void Txt_dISA_Change();

    // Handlers of the speed boxes, run by every edit the user makes in the
    // box; the altitude handlers call them with no key. Key code and shift
    // state are not used.
    void Txt_mach_KeyUp(int keyCode = 0, int shift = 0);
    void Txt_Veas_KeyUp(int keyCode = 0, int shift = 0);
    void Txt_vcas_KeyUp(int keyCode = 0, int shift = 0);
    void Txt_vtrue_KeyUp(int keyCode = 0, int shift = 0);
    void Txt_qbar_KeyUp(int keyCode = 0, int shift = 0);
    void Txt_mach_iso_KeyUp(int keyCode = 0, int shift = 0);
    void Txt_veas_iso_KeyUp(int keyCode = 0, int shift = 0);
    void Txt_vcas_iso_KeyUp(int keyCode = 0, int shift = 0);
    void Txt_vtrue_iso_KeyUp(int keyCode = 0, int shift = 0);
    void Txt_qbar_iso_KeyUp(int keyCode = 0, int shift = 0);

    enum Tab { English = 0, Iso = 1 };
    enum Speed { Mach = 0, Veas, Vcas, Vtrue, Qbar };
    // The speed an altitude change holds, and the tab it was typed on: an
    // altitude change on the other tab holds that tab's Mach number.
    struct SpeedEntry {
        Tab tab;
        Speed speed; // never Qbar: after a dynamic pressure the Mach number is held
        bool operator==(const SpeedEntry&) const = default;
    };

    double altFt() const { return alt_ft; }
    SpeedEntry lastSpeedEntry() const { return last_speed_entry; }

protected:
    void setupUi(QWidget* body) override;
    void Form_Load() override;

private:
    struct Objects;
    struct TabBoxes {
        QLineEdit* alt = nullptr;
        QLineEdit* dIsa = nullptr;
        std::array<QLineEdit*, 4> props{}; // density, pressure, temperature, speed of sound
        std::array<QLineEdit*, 5> speeds{};
    };

    void speedKeyUp(Tab tab, Speed read);
    Speed heldSpeed(Tab tab) const;
    void buildTab(QTabWidget* tabs, Tab tab);
    static void put(QLineEdit* box, double x);
    static void put(QLineEdit* box, std::optional<double> x);

    QTabWidget* tabs_ = nullptr;
    std::array<TabBoxes, 2> boxes_{};
    std::unique_ptr<Objects> o_;
    double alt_ft = 0; // the altitude last entered, on either tab
    // The altitude each tab shows, in feet: its speeds are computed there.
    std::array<double, 2> tabAltFt_{};
    double dISA = 0;
    SpeedEntry last_speed_entry{English, Mach};
};
