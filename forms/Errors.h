#pragma once

#include <stdexcept>
#include <string>

namespace forms {

// A run-time error: it ends the program with the runtime's standard message.
class RuntimeError : public std::runtime_error {
public:
    RuntimeError(int number, const std::string& description)
        : std::runtime_error(description), number_(number) {}
    int Number() const { return number_; }
    // "Run-time error '6':\n\nOverflow"
    std::string Message() const;

private:
    int number_;
};

inline constexpr int ErrInvalidProcedureCall = 5;
inline constexpr int ErrOverflow = 6;
inline constexpr int ErrSubscriptOutOfRange = 9;
inline constexpr int ErrDivisionByZero = 11;
inline constexpr int ErrInvalidPropertyValue = 380;
inline constexpr int ErrControlArrayElementMissing = 340;
inline constexpr int ErrPropertyNotFound = 422;

[[noreturn]] void RaiseError(int number);

} // namespace forms
