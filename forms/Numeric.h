#pragma once

#include <cstdint>

namespace forms {

// The runtime's guarded numeric conversions and floating-point operations: each raises
// Overflow, or Division by zero, instead of giving a wrong number.

// Rounds to the nearest whole number, ties to the even neighbour.
double RoundHalfEven(double value);

std::int16_t CInt(double value); // to a 16-bit integer
std::int32_t CLng(double value); // to a 32-bit integer
std::int16_t CInt(std::int64_t value);

// a / b, with a zero divisor or a result that is not a finite number raising the error.
double Divide(double a, double b);
// a + b, with a result that is not a finite number raising Overflow.
double Add(double a, double b);

} // namespace forms
