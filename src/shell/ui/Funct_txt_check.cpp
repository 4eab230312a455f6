#include "shell/ui/Funct_txt_check.h"

#include "runtime/Error.h"
#include "runtime/NumText.h"
#include "runtime/Parse.h"
#include "runtime/Utilities.h"
#include "shell/ui/NumberBox.h"

#include <QLineEdit>
#include <cmath>

namespace Funct_txt_check {

const NumberBox::Keys numericKeys{QStringLiteral(".-+0123456789"), QStringLiteral(".-+")};
const NumberBox::Keys digitKeys{QStringLiteral("0123456789"), QString()};

void key_numeric(int& keyAscii, const QLineEdit* box) { numericKeys.filter(keyAscii, box->text()); }

void key_digits(int& keyAscii) { digitKeys.filter(keyAscii, QString()); }

namespace {
double checkBounded(QLineEdit* box, double restore, double upper, std::optional<double> d)
{
    // An unreadable text (an overflow) is the caller's to report: its change
    // handling is then abandoned and the accepted value stays as it was.
    const double v = rt::val(box->text());
    if (v > upper || v < 0) {
        NumberBox::of(box).putBack(Utilities::format_result(restore, d));
        return restore;
    }
    if (v != 0) return v;
    NumberBox::of(box).show(QStringLiteral("0"));
    return 0;
}
} // namespace

double check_0_59(QLineEdit* box, double restore) { return checkBounded(box, restore, 59, 0); }
double check_0_5999(QLineEdit* box, double restore) { return checkBounded(box, restore, 59.99, std::nullopt); }

bool held(const QLineEdit* box)
{
    const NumberBox* n = NumberBox::find(box);
    return n && n->held();
}

double check_range(QLineEdit* box, double& value, std::optional<double> minimum, std::optional<double> maximum,
                   std::optional<double> d)
{
    rt::trap([&] {
        const double places = d.value_or(0);
        double v = rt::val(box->text());
        // A prefix of a number above the minimum may read below it ("1" of
        // "1.3"): while the user types, such a number is held, not refused.
        NumberBox& n = NumberBox::of(box);
        const bool holding = n.typing() && minimum && v < *minimum && !(maximum && v > *maximum);
        n.setHeld(holding);
        if (holding) return;
        bool refused = false;
        auto restore = [&] {
            v = value;
            refused = true;
            // The box must show the value that is kept; where the rounded text
            // would read back as another number, show the value in full.
            QString t = Utilities::format_result(value, places);
            if (rt::val(t) != value) t = rt::str(value);
            n.putBack(t);
        };
        if (minimum && v < *minimum) restore();
        if (maximum && v > *maximum) restore();
        if (!refused) {
            value = v;
            const QString t = box->text();
            if (rt::val(t) == 0) {
                if (t.left(2) == QLatin1String("00")) n.show(QStringLiteral("0"));
                else if (t.mid(1, 1) != QLatin1String(".")) n.show(QStringLiteral("0"));
            }
        }
    });
    return value;
}

double frac_part(double x) { return x - std::trunc(x); }

} // namespace Funct_txt_check
