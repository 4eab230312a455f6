#pragma once
// What the isentropic-flow and normal-shock windows share: a Mach box and a
// gamma box, each with its minimum, recomputing six ratios on every change.
// A window is its data: the design, the start and minimum inputs, and the
// model's members it calls (FlowModelWindow). The handlers live here once.
#include "aero/ui/FlowLayout.h"
#include "shell/ui/ToolWindow.h"

#include <array>

class FlowWindow : public ToolWindow {
    Q_OBJECT
public:
    struct Inputs {
        double machStart;
        double machMinimum;
        double gamaMinimum;
    };

    // The gamma box and the recalculation carry the same names in every flow window.
    void TxtGama_Change();
    // Writes the ratios for the current inputs.
    void Fpcalcpopulall();

protected:
    FlowWindow(const QString& name, const QString& title, const FlowLayout::Design& design, Inputs inputs);

    // The six ratios for the inputs, in the order of the design's outputs.
    virtual std::array<double, 6> ratios(double mach, double gama) = 0;

    void setupUi(QWidget* body) override;
    void Form_Load() override;

    // The Mach box's change (txtMach, txtMx): one handler for both windows.
    void machChanged();

private:
    // A box's change: the range check keeps `last`, and the box's number
    // (the one the check took, or the one it put back) becomes the input.
    void changed(QLineEdit* box, double& last, double& input);

    const FlowLayout::Design& design_;
    const Inputs inputs_;
    FlowLayout::Widgets ui_;
    double mach_ = 0, lastMach_ = 0;
    double gama_ = 1.4, lastGama_ = 1.4;
};

// A flow window over its model: the members it calls are data.
template <class Model>
class FlowModelWindow : public FlowWindow {
public:
    struct Calls {
        // Both inputs at once, on every recalculation: the model keeps no
        // other state, so one model serves every load of the window.
        void (Model::*setMachGama)(double, double);
        // The ratios, in the order of the design's outputs.
        std::array<double (Model::*)() const, 6> ratios;
    };

protected:
    FlowModelWindow(const QString& name, const QString& title, const FlowLayout::Design& design, Inputs inputs,
                    const Calls& calls)
        : FlowWindow(name, title, design, inputs), calls_(calls)
    {
    }

    std::array<double, 6> ratios(double mach, double gama) override
    {
        (model_.*calls_.setMachGama)(mach, gama);
        std::array<double, 6> r{};
        for (size_t i = 0; i < r.size(); ++i) r[i] = (model_.*calls_.ratios[i])();
        return r;
    }

private:
    const Calls& calls_;
    Model model_;
};
