// The count agrees with a double's reading wherever a double can tell, and does not depend on the
// separator's spelling.
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "engine/count_text.h"

namespace {

// What a double reading of the number rounds to, when the double is far enough from a half that
// its own rounding cannot matter; false when no double reading can decide.
bool CountByDouble(std::string_view text, std::optional<std::int32_t>& count) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
        return false;
    }
    const double magnitude = std::fabs(value);
    if (magnitude < 1e15 && std::fabs(magnitude - std::floor(magnitude) - 0.5) < 1e-6) return false;
    const double rounded = std::nearbyint(value);
    count.reset();
    if (rounded >= std::numeric_limits<std::int32_t>::min() &&
        rounded <= std::numeric_limits<std::int32_t>::max()) {
        count = static_cast<std::int32_t>(rounded);
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const bool number = quire::IsNumber(text, ".");
    const auto count = quire::ConvertCount(text, ".");
    if (count && !number) std::abort();

    std::optional<std::int32_t> expected;
    if (number && CountByDouble(text, expected) && expected != count) std::abort();

    // The same number written with another separator reads the same.
    if (text.find(',') == std::string_view::npos) {
        std::string comma(text);
        for (char& c : comma) {
            if (c == '.') c = ',';
        }
        if (quire::IsNumber(comma, ",") != number) std::abort();
        if (quire::ConvertCount(comma, ",") != count) std::abort();
    }
    return 0;
}
