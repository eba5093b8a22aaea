// Readable text on colour swatches by perceived brightness.
#include "colour_ink.h"

namespace murcad::app {

QColor readableInk(const QColor &background) {
    // ITU-R BT.601 weights: the lightness of HSL rates yellow (255, 255, 0) as mid-grey and
    // would put white text on it.
    double luma = 0.299 * background.red() + 0.587 * background.green() +
                  0.114 * background.blue();
    return luma >= 128 ? QColor(Qt::black) : QColor(Qt::white);
}

} // namespace murcad::app
