#include "shell/ui/Funct_txt_check.h"

#include "runtime/Error.h"
#include "runtime/NumText.h"
#include "runtime/Parse.h"
#include "runtime/Utilities.h"
#include "shell/ui/NumberBox.h"

#include <QLineEdit>
#include <cmath>

namespace Funct_txt_check {

void key_numeric(int& keyAscii, QStringView text)
{
    static const NumberBox::Keys keys{QStringLiteral(".-+0123456789"), QStringLiteral(".-+")};
    keys.filter(keyAscii, text);
}

void key_digits(int& keyAscii)
{
    static const NumberBox::Keys keys{QStringLiteral("0123456789"), QString()};
    keys.filter(keyAscii, QStringView());
}

namespace {
double checkBounded(QLineEdit* box, double restore, double upper, std::optional<double> d, bool dropLeadingZero)
{
    // An unreadable text (an overflow) is the caller's to report: its change
    // handling is then abandoned and the accepted value stays as it was.
    NumberBox& n = NumberBox::of(box);
    const double v = n.number();
    if (v > upper || v < 0) {
        n.putBack(Utilities::format_result(restore, d));
        return restore;
    }
    if (v != 0) {
        const QString t = box->text();
        if (dropLeadingZero && t.startsWith(u'0')) n.show(t.mid(1));
        return v;
    }
    n.show(QStringLiteral("0"));
    return 0;
}
} // namespace

double check_0_59(QLineEdit* box, double restore) { return checkBounded(box, restore, 59, 0, true); }
double check_0_5999(QLineEdit* box, double restore)
{
    return checkBounded(box, restore, 59.99, std::nullopt, false);
}

double check_range(QLineEdit* box, double& value, std::optional<double> minimum, std::optional<double> maximum,
                   std::optional<double> d)
{
    rt::trap([&] {
        NumberBox& n = NumberBox::of(box);
        if (!minimum) minimum = n.minimum();
        if (!maximum) maximum = n.maximum();
        const double places = d.value_or(0);
        double v = n.number();
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
            if (v == 0) {
                if (t.left(2) == QLatin1String("00")) n.show(QStringLiteral("0"));
                else if (t.mid(1, 1) != QLatin1String(".")) n.show(QStringLiteral("0"));
            }
        }
    });
    return value;
}

double frac_part(double x) { return x - std::trunc(x); }

} // namespace Funct_txt_check
