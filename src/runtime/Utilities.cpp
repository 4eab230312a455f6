#include "runtime/Utilities.h"

#include "runtime/Error.h"
#include "runtime/Format.h"

#include <cmath>

namespace Utilities {

QString result_pattern(double x, std::optional<double> d)
{
    if (d) {
        if (*d == 0) return QStringLiteral("#0");
        QString p = QStringLiteral("#0.");
        for (int i = 1; i <= *d && i < 400; ++i) p += u'0';
        return p;
    }
    const double a = std::fabs(x);
    const double frac = x - std::floor(x);
    if (frac == 0) return QStringLiteral("#0.0000");
    if (a >= 10 && a <= 10000) return QStringLiteral("#0.00");
    if (a >= 1 && a < 10) return QStringLiteral("#0.0000");
    if (a > 10000) return QStringLiteral("0.0000E+00");
    return frac >= 0.1 ? QStringLiteral("#0.0000") : QStringLiteral("0.0000E+00");
}

QString format_result(double x, std::optional<double> d)
{
    QString out;
    rt::trap([&] { out = rt::format(x, result_pattern(x, d)); });
    return out;
}

} // namespace Utilities
