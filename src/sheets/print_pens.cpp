// Layer pens of a printed sheet.
#include "sheets/print_pens.h"

#include <algorithm>
#include <cmath>

namespace murcad {

Rgb darkenForPaper(Rgb c, double maxLuminance) {
    const double r = rgbRed(c), g = rgbGreen(c), b = rgbBlue(c);
    const double lum = (0.299 * r + 0.587 * g + 0.114 * b) / 255.0;
    if (lum <= maxLuminance)
        return c;
    const double k = maxLuminance / lum;
    auto scaled = [k](double v) { return static_cast<int>(std::lround(v * k)); };
    return rgb(scaled(r), scaled(g), scaled(b));
}

double lineWeightFactor(double scale) {
    return scale <= 50 ? 1.0 : scale <= 100 ? 0.7 : 0.5;
}

std::array<PrintPen, kLayerCount> printPens(const LayerSettings &layers, bool inColour,
                                            double scale) {
    std::array<PrintPen, kLayerCount> pens{};
    const double k = lineWeightFactor(scale);
    for (int i = 0; i < kLayerCount; ++i) {
        pens[i].widthMm = static_cast<float>(std::max(0.1, kPrintWidthsMm[i] * k));
        if (!inColour)
            continue;
        const int aci = layers.LayerColour[i];
        pens[i].colour = aci == 7 ? rgb(0, 0, 0) : darkenForPaper(aciRgb(aci));
    }
    return pens;
}

} // namespace murcad
