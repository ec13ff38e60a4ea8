#include "rules/ChipNames.h"

#include "runtime/RunError.h"

#include <array>

namespace quorvex {

const char* chipName(std::int16_t chip) {
    static constexpr std::array<const char*, 12> names{
        "One Dollar",           "Ten Dollars",          "One Hundred Dollars",
        "One Thousand Dollars", "Ten Thousand Dollars", "One Hundred Thousand Dollars",
        "One Million Dollars",  "Ten Million Dollars",  "One Hundred Million Dollars",
        "One Billion Dollars",  "Ten Billion Dollars",  "One Hundred Billion Dollars",
    };
    if (chip < 0 || chip >= std::int16_t(names.size()))
        throw rt::RunError::noSuchElement();
    return names[static_cast<std::size_t>(chip)];
}

} // namespace quorvex
