// Keystroke costs of the standard-atmosphere window, offscreen:
//  - a digit typed into Txt_alt, until the English property and speed boxes
//    are rewritten (the change handler and the held-speed handler);
//  - a digit typed into a speed box, until its four partner boxes are rewritten.
// Every text goes in as the user types it.
// Goal: under 1 ms at the 99th percentile.
#include "WindowCatalog.h"
#include "aero/ui/FAero.h"
#include "shell/ui/Forms.h"
#include "shell/ui/QuillApp.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <initializer_list>
#include <vector>

namespace {

constexpr int kRuns = 10000;

using Clock = std::chrono::steady_clock;

void press(QLineEdit* box, int digit)
{
    QKeyEvent e(QEvent::KeyPress, Qt::Key_0 + digit, Qt::NoModifier, QString::number(digit));
    QApplication::sendEvent(box, &e);
}

void release(QLineEdit* box, int digit)
{
    QKeyEvent e(QEvent::KeyRelease, Qt::Key_0 + digit, Qt::NoModifier, QString::number(digit));
    QApplication::sendEvent(box, &e);
}

// A key struck: pressed and released.
void strike(QLineEdit* box, int digit)
{
    press(box, digit);
    release(box, digit);
}

// The user selects the whole text and types `digits` over it.
void typeOver(QLineEdit* box, std::initializer_list<int> digits)
{
    box->selectAll();
    for (int d : digits) strike(box, d);
}

// Runs `prepare` untimed and `timed` timed, kRuns times; prints median and p99.
void measure(const char* what, const std::function<void(int)>& prepare, const std::function<void(int)>& timed)
{
    std::vector<double> us;
    us.reserve(kRuns);
    for (int i = 0; i < kRuns; ++i) {
        const int digit = 1 + i % 9;
        prepare(digit);
        const auto t0 = Clock::now();
        timed(digit);
        us.push_back(std::chrono::duration<double, std::micro>(Clock::now() - t0).count());
    }
    std::sort(us.begin(), us.end());
    const double median = us[us.size() / 2];
    const double p99 = us[static_cast<size_t>(us.size() * 0.99)];
    std::printf("%-48s median %8.1f us   p99 %8.1f us   %s\n", what, median, p99, p99 < 1000 ? "ok" : "OVER 1 ms");
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QuillApp app(argc, argv, WindowCatalog::menus());
    QuillApp::setUp(false);
    FAero& w = Forms::open<FAero>();
    auto* alt = w.findChild<QLineEdit*>("Txt_alt");
    auto* veas = w.findChild<QLineEdit*>("Txt_Veas");
    auto* vcasIso = w.findChild<QLineEdit*>("Txt_vcas_iso");

    // Hold an equivalent airspeed so every altitude keystroke recomputes all speeds.
    typeOver(veas, {2, 5, 0});

    std::printf("FAero, %d keystrokes each, offscreen\n", kRuns);
    measure("Txt_alt digit -> English properties and speeds", [&](int) { alt->selectAll(); },
            [&](int d) { strike(alt, d); });
    std::printf("  (last altitude %g ft, Txt_mach %s)\n", w.altFt(), qPrintable(w.findChild<QLineEdit*>("Txt_mach")->text()));
    measure("Txt_Veas digit -> four partner boxes", [&](int) { typeOver(veas, {2}); },
            [&](int d) { strike(veas, d); });
    measure("Txt_vcas_iso digit -> four partner boxes", [&](int) { typeOver(vcasIso, {3}); },
            [&](int d) { strike(vcasIso, d); });
    w.unload();
    return 0;
}
