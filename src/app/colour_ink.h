// The text colour that stays readable on a coloured button.
#pragma once

#include <QColor>

namespace murcad::app {

/// Black on light colours, white on dark ones, judged by the brightness the eye perceives
/// (green counts most, blue least): pure yellow, cyan and green take black text.
QColor readableInk(const QColor &background);

} // namespace murcad::app
