#pragma once
// The conversion window: eighteen tabs, one per quantity, each with a pair of
// unit lists; one input box and one output box shared by all tabs. Every
// change of the input, of a list selection or of the tab runs recalculate(),
// which hands the tab's converter the two positions and the input text and
// writes the text it returns into the output box. The window computes nothing.
#include "shell/ui/NumberBox.h"
#include "shell/ui/ToolWindow.h"

#include <array>

class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;

namespace ConvSkeleton {
struct Converter;
}

class FConversion : public ToolWindow {
    Q_OBJECT
public:
    static constexpr int tabCount = 18;
    static constexpr int numbersTab = 16;
    static constexpr int prefixTab = 17;

    FConversion();

    // Handlers, public so tests can call them as the events do.
    void Conversions_Click(int previousTab);
    // The characters the input box takes on the current tab: a decimal
    // number, or on "Nbrs" the digits of the from-list's base.
    NumberBox::Keys inputKeys() const;
    void Txt_A_KeyUp(int& keyCode, int shift);
    void Txt_A_Change();
    void list_Click(int tab);   // the click of either list of `tab`'s pair

    // The window's record of the current tab (written at load and on tab changes).
    int tabIndex() const { return tab_index; }

    // The converter of tab `tab` (0 to tabCount - 1), as its lists and its recalculation read it.
    static const ConvSkeleton::Converter& converterOf(int tab);

protected:
    void setupUi(QWidget* body) override;
    void Form_Load() override;

private:
    // Runs tab t's converter on its list pair's positions and the input box,
    // and writes the output box when the conversion completes; a run-time
    // error is reported and leaves the output box as it was.
    void recalculate(int t);
    // A page change's new input text, which recalculates through the change handler.
    void writeInput(const QString& text);

    QTabWidget* Conversions = nullptr;
    QLineEdit* Txt_A = nullptr;
    QLineEdit* Txt_B = nullptr;
    std::array<QListWidget*, tabCount> from_{};
    std::array<QListWidget*, tabCount> to_{};
    int tab_index = 0;
};
