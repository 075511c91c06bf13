#include "view/ColourScale.h"

#include <cmath>

namespace oskava {

namespace {

// Each channel is computed in double precision in the order written and truncated,
// so that the table's entries are exactly the documented ones.
int Channel(double value) {
    return static_cast<int>(value);
}

Colour RampColour(int k) {
    if (k < 10) {
        return Rgb(0, 0, Channel(255 * std::sqrt(k / 10.0 * 0.667 + 0.3)));
    }
    if (k < 20) {
        return Rgb(0, Channel(255 * std::sqrt((k - 10) / 10.0)), 255);
    }
    if (k < 30) {
        return Rgb(0, 255, Channel(255 * std::sqrt((30 - k) / 10.0)));
    }
    if (k < 40) {
        return Rgb(Channel(255 * std::sqrt((k - 30) / 10.0)), 255, 0);
    }
    if (k < 50) {
        return Rgb(255, Channel(255 * std::sqrt((50 - k) / 10.0)), 0);
    }
    return Rgb(255, 70, Channel(150 * std::sqrt((k - 50) / 10.0)));
}

Colour GreyColour(int k) {
    const int grey = Channel(250 * std::sqrt((60 - k) / 60.0));
    return Rgb(grey, grey, grey);
}

}  // namespace

ColourTable BuildColourTable(bool colourMode, bool flipped) {
    ColourTable table{};
    for (int k = 0; k < kColourCount; ++k) {
        const int source = flipped ? kColourCount - 1 - k : k;
        table[k] = colourMode ? RampColour(source) : GreyColour(source);
    }
    return table;
}

int ColourIndex(double v, double min, double max) {
    const double f = 60 / (max - min);
    const double k = std::trunc((v - min) * f);
    if (k > 60) {
        return 60;
    }
    if (k > 0) {
        return static_cast<int>(k);
    }
    return 0;  // below the range, and NaN
}

}  // namespace oskava
