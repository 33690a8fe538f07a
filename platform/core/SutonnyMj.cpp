#include "platform/core/SutonnyMj.h"

namespace platform {

std::string EncodeSutonnyMj(std::string_view unicodeBengali) {
    throw SutonnyMjEncodeError("the SutonnyMJ codec is not built yet: " + std::string(unicodeBengali.substr(0, 0)));
}

std::string DecodeSutonnyMj(std::string_view fontBytes) { return std::string(fontBytes); }

} // namespace platform
