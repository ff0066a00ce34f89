#include "ui/contrast.h"

#include <algorithm>
#include <cmath>

namespace quire {
namespace {

double Channel(int value) {
    const double c = value / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(Colour c) {
    return 0.2126 * Channel(colour::Red(c)) + 0.7152 * Channel(colour::Green(c)) +
           0.0722 * Channel(colour::Blue(c));
}

}  // namespace

double ContrastRatio(Colour first, Colour second) {
    const double a = Luminance(first);
    const double b = Luminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

Colour ReadableText(Colour background, Colour text) {
    if (ContrastRatio(background, text) >= kReadableContrast) return text;
    return ContrastRatio(background, colour::kBlack) >= ContrastRatio(background, colour::kWhite)
               ? colour::kBlack
               : colour::kWhite;
}

}  // namespace quire
