// Every count text is a finite number or none, and its conversion stays inside 32 bits.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "engine/count_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto value = quire::ParseNumber(text, ".");
    if (value.has_value() != quire::IsNumber(text, ".")) std::abort();
    if (value && !std::isfinite(*value)) std::abort();

    const auto count = quire::ConvertCount(text, ".");
    if (count && !value) std::abort();
    if (count && std::fabs(*value - static_cast<double>(*count)) > 0.5) std::abort();

    // The same number written with another separator reads the same.
    if (text.find(',') == std::string_view::npos) {
        std::string comma(text);
        for (char& c : comma) {
            if (c == '.') c = ',';
        }
        const auto again = quire::ParseNumber(comma, ",");
        if (again.has_value() != value.has_value()) std::abort();
        if (value && !(*again == *value)) std::abort();
    }
    return 0;
}
