#include "shell/ui/Funct_txt_check.h"

#include "runtime/Error.h"
#include "runtime/NumText.h"
#include "runtime/Parse.h"
#include "shell/Utilities.h"
#include "shell/ui/NumberBox.h"

#include <QLineEdit>
#include <cmath>

namespace Funct_txt_check {

void key_numeric(int& keyAscii, const QLineEdit* box)
{
    static const QString allowed = QStringLiteral(".-+0123456789");
    if (keyAscii > 0xFFFF || !allowed.contains(QChar(keyAscii))) keyAscii = 0;
    const QString s = box->text();
    for (QChar c : {QChar(u'.'), QChar(u'-'), QChar(u'+')})
        if (s.contains(c) && keyAscii == c.unicode()) keyAscii = 0;
}

void key_digits(int& keyAscii)
{
    if (keyAscii < '0' || keyAscii > '9') keyAscii = 0;
}

namespace {
double checkBounded(QLineEdit* box, double restore, double upper, std::optional<double> d)
{
    // An unreadable text (an overflow) is the caller's to report: its change
    // handling is then abandoned and the accepted value stays as it was.
    const double v = rt::val(box->text());
    if (v > upper || v < 0) {
        box->setText(Utilities::format_result(restore, d));
        return restore;
    }
    if (v != 0) return v;
    box->setText(QStringLiteral("0"));
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
        NumberBox* n = NumberBox::find(box);
        const bool holding = n && n->typing() && minimum && v < *minimum && !(maximum && v > *maximum);
        if (n) n->setHeld(holding);
        if (holding) return;
        bool refused = false;
        auto restore = [&] {
            v = value;
            refused = true;
            // The box must show the value that is kept; where the rounded text
            // would read back as another number, show the value in full.
            QString t = Utilities::format_result(value, places);
            if (rt::val(t) != value) t = rt::str(value);
            box->setText(t);
        };
        if (minimum && v < *minimum) restore();
        if (maximum && v > *maximum) restore();
        if (!refused) {
            value = v;
            const QString t = box->text();
            if (rt::val(t) == 0) {
                if (t.left(2) == QLatin1String("00")) box->setText(QStringLiteral("0"));
                else if (t.mid(1, 1) != QLatin1String(".")) box->setText(QStringLiteral("0"));
            }
        }
    });
    return value;
}

double frac_part(double x) { return x - std::trunc(x); }

} // namespace Funct_txt_check
