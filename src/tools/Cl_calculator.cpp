#include "tools/Cl_calculator.h"

#include "runtime/Error.h"
#include "runtime/Parse.h"
#include "runtime/RtMath.h"

#include <cmath>

namespace {

double toNumber(const QVariant& v)
{
    switch (v.typeId()) {
    case QMetaType::Bool:
        return v.toBool() ? -1 : 0; // the runtime's True is -1
    case QMetaType::QString:
        return rt::cdbl(v.toString());
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
        return rt::chk(v.toDouble());
    default:
        rt::raise(rt::Err::TypeMismatch);
    }
}

} // namespace

Cl_calculator::Cl_calculator() : pi(4 * std::atan(1.0)) {}

void Cl_calculator::setzen_xval(const QVariant& v)
{
    rt::trap([&] { xval = toNumber(v); });
}

void Cl_calculator::setzen_yval(const QVariant& v)
{
    rt::trap([&] { yval = toNumber(v); });
}

QVariant Cl_calculator::out_acos() const
{
    QVariant r;
    rt::trap([&] { r = std::fabs(xval) <= 1 ? QVariant(arccos(xval)) : QVariant(QStringLiteral("Error")); });
    return r;
}

QVariant Cl_calculator::out_asin() const
{
    QVariant r;
    rt::trap([&] { r = std::fabs(xval) <= 1 ? QVariant(arcsin(xval)) : QVariant(QStringLiteral("Error")); });
    return r;
}

double Cl_calculator::arcsin(double x) const
{
    if (x == 1) return pi / 2;
    if (x == -1) return -pi / 2;
    return rt::atn(x / rt::sqrt(1 - x * x));
}

double Cl_calculator::arccos(double x) const
{
    if (x == 1) return 0;
    if (x == -1) return pi;
    return rt::atn(-x / rt::sqrt(1 - x * x)) + 2 * std::atan(1.0);
}
