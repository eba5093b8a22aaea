// ISO 216 A paper sizes, drawing scales "1:N" and the margins of the sheet frame.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace murcad {

/// An ISO 216 A size, short and long side in millimetres.
struct PaperSize {
    const char *name;
    float shortMm;
    float longMm;
};

/// A4 to A0, smallest first.
inline constexpr std::array<PaperSize, 5> kIsoPapers = {
    {{"A4", 210, 297}, {"A3", 297, 420}, {"A2", 420, 594}, {"A1", 594, 841}, {"A0", 841, 1189}}};

/// Paper choice: an index into kIsoPapers, or kAutoPaper for the smallest size that holds the
/// drawing at the scale.
inline constexpr int kAutoPaper = -1;

enum class Orientation { Auto, Portrait, Landscape };

/// The scales offered to the user and proposed when a drawing does not fit (the N of 1:N).
inline constexpr std::array<int, 7> kStandardScales = {20, 25, 50, 100, 200, 500, 1000};
/// The scales offered in the lists of the application, largest first.
inline constexpr std::array<int, 5> kOfferedScales = {20, 25, 50, 100, 200};
/// Limits of N in 1:N.
inline constexpr double kMinScaleDenominator = 1;
inline constexpr double kMaxScaleDenominator = 10000;

/// Frame margins after ISO 5457: 20 mm on the binding (left) edge, 10 mm on the others.
inline constexpr float kBindingMarginMm = 20;
inline constexpr float kFrameMarginMm = 10;
/// Clear space between the frame or the title block and the drawing.
inline constexpr float kDrawingClearanceMm = 5;

/// Reads "auto" or "A4".."A0" (any case) into a paper choice. False for anything else.
bool parsePaper(std::string_view text, int &paper);
/// The text of a paper choice: "auto" or the size name.
std::string paperText(int paper);

/// Reads "auto", "verticale" (portrait) or "orizzontale" (landscape), any case.
bool parseOrientation(std::string_view text, Orientation &orientation);
std::string orientationText(Orientation orientation);

/// Reads a scale "1:N" (or just "N"), N a number from 1 to 10000 with a comma or a point.
/// False with why (naming the value and what is expected) otherwise.
bool parseScale(std::string_view text, double &denominator, std::string *why = nullptr);
/// "1:50", "1:12.5": the scale as the title block and the messages write it.
std::string scaleText(double denominator);

} // namespace murcad
