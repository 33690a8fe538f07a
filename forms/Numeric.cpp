#include "forms/Numeric.h"

#include "forms/Errors.h"

#include <cmath>
#include <limits>

namespace forms {
namespace {

double Checked(double value) {
    if (!std::isfinite(value))
        RaiseError(ErrOverflow);
    return value;
}

} // namespace

double RoundHalfEven(double value) {
    Checked(value);
    double floor = std::floor(value), diff = value - floor;
    if (diff > 0.5)
        return floor + 1;
    if (diff < 0.5)
        return floor;
    return std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1;
}

std::int16_t CInt(double value) {
    double r = RoundHalfEven(value);
    if (r < std::numeric_limits<std::int16_t>::min() || r > std::numeric_limits<std::int16_t>::max())
        RaiseError(ErrOverflow);
    return static_cast<std::int16_t>(r);
}

std::int16_t CInt(std::int64_t value) {
    if (value < std::numeric_limits<std::int16_t>::min() || value > std::numeric_limits<std::int16_t>::max())
        RaiseError(ErrOverflow);
    return static_cast<std::int16_t>(value);
}

std::int32_t CLng(double value) {
    double r = RoundHalfEven(value);
    if (r < std::numeric_limits<std::int32_t>::min() || r > std::numeric_limits<std::int32_t>::max())
        RaiseError(ErrOverflow);
    return static_cast<std::int32_t>(r);
}

double Divide(double a, double b) {
    Checked(a);
    Checked(b);
    if (b == 0.0)
        RaiseError(a == 0.0 ? ErrOverflow : ErrDivisionByZero);
    return Checked(a / b);
}

double Add(double a, double b) {
    return Checked(Checked(a) + Checked(b));
}

} // namespace forms
