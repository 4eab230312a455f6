#pragma once
// What the isentropic-flow and normal-shock windows share: a Mach box and a
// gamma box, each with its minimum, recomputing six ratios on every change.
// A window names its design and its model; the handlers live here once.
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

protected:
    FlowWindow(const QString& name, const QString& title, const FlowLayout::Design& design, Inputs inputs);

    // A fresh model for a newly loaded window, holding the start inputs.
    virtual void newModel(double mach, double gama) = 0;
    // The six ratios for the inputs, in the order of the design's outputs.
    virtual std::array<double, 6> ratios(double mach, double gama) = 0;

    void setupUi(QWidget* body) override;
    void Form_Load() override;

    void machChanged();
    void gamaChanged();
    void machKeyPress(int& keyAscii);
    void gamaKeyPress(int& keyAscii);
    // Writes the ratios for the current inputs.
    void populate();

    FlowLayout::Widgets ui_;

private:
    // A box's change: the range check keeps `last`, a held number waits, and
    // a number the check took becomes the input.
    void changed(QLineEdit* box, double& last, double minimum, double& input);

    const FlowLayout::Design& design_;
    const Inputs inputs_;
    double mach_ = 0, lastMach_ = 0;
    double gama_ = 1.4, lastGama_ = 1.4;
};
