#include "forms/Errors.h"

namespace forms {
namespace {

const char* Description(int number) {
    switch (number) {
    case ErrInvalidProcedureCall:
        return "Invalid procedure call or argument";
    case ErrOverflow:
        return "Overflow";
    case ErrSubscriptOutOfRange:
        return "Subscript out of range";
    case ErrDivisionByZero:
        return "Division by zero";
    case ErrInvalidPropertyValue:
        return "Invalid property value";
    case ErrControlArrayElementMissing:
        return "Control array element doesn't exist";
    case ErrPropertyNotFound:
        return "Property not found";
    default:
        return "Application-defined or object-defined error";
    }
}

} // namespace

std::string RuntimeError::Message() const {
    return "Run-time error '" + std::to_string(number_) + "':\n\n" + what();
}

void RaiseError(int number) {
    throw RuntimeError(number, Description(number));
}

} // namespace forms
