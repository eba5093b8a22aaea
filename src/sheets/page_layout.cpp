// Choosing the paper and placing frame, title block and drawing on it.
#include "sheets/page_layout.h"

#include "geometry/numbers.h"

#include <algorithm>

namespace murcad {

void pageSize(int paper, Orientation orientation, float &widthMm, float &heightMm) {
    const PaperSize &p = kIsoPapers[std::clamp(paper, 0, static_cast<int>(kIsoPapers.size()) - 1)];
    widthMm = orientation == Orientation::Landscape ? p.longMm : p.shortMm;
    heightMm = orientation == Orientation::Landscape ? p.shortMm : p.longMm;
}

namespace {

// Tries one paper and orientation: places the drawing above the title block or beside it.
bool place(float w, float h, int paper, Orientation o, PageLayout &out) {
    float pw = 0, ph = 0;
    pageSize(paper, o, pw, ph);
    PaperRect frame{kBindingMarginMm, kFrameMarginMm, pw - kBindingMarginMm - kFrameMarginMm,
                    ph - 2 * kFrameMarginMm};
    PaperRect tb{frame.right() - kTitleBlockWidthMm, frame.bottom() - kTitleBlockHeightMm,
                 kTitleBlockWidthMm, kTitleBlockHeightMm};
    const float c = kDrawingClearanceMm;
    const float left = frame.x + c, right = frame.right() - c;
    const float top = frame.y + c, bottom = frame.bottom() - c;
    // Centred in the frame, then moved off the title block when it would overlap.
    float x = (left + right - w) / 2, y = (top + bottom - h) / 2;
    const bool above = w <= right - left && h <= tb.y - c - top;
    const bool beside = w <= tb.x - c - left && h <= bottom - top;
    if (!above && !beside)
        return false;
    const bool overlaps = x + w > tb.x - c && y + h > tb.y - c;
    if (overlaps) {
        // Keep the smaller move of the two that are possible.
        float upY = std::min(y, tb.y - c - h);
        float leftX = std::min(x, tb.x - c - w);
        if (above && (!beside || y - upY <= x - leftX))
            y = upY;
        else
            x = leftX;
    }
    out.paper = paper;
    out.orientation = o;
    out.pageWidthMm = pw;
    out.pageHeightMm = ph;
    out.frame = frame;
    out.titleBlock = tb;
    out.drawing = {x, y, w, h};
    return true;
}

bool placeOnPaper(float w, float h, int paper, Orientation asked, PageLayout &out) {
    if (asked != Orientation::Auto)
        return place(w, h, paper, asked, out);
    // The drawing's own proportion first; the other orientation when that one is too small.
    Orientation first = w > h ? Orientation::Landscape : Orientation::Portrait;
    Orientation second =
        first == Orientation::Landscape ? Orientation::Portrait : Orientation::Landscape;
    return place(w, h, paper, first, out) || place(w, h, paper, second, out);
}

bool placeAtScale(const DrawnExtents &e, double scale, int paper, Orientation o, PageLayout &out) {
    const float w = static_cast<float>(e.width() * 10.0 / scale);
    const float h = static_cast<float>(e.height() * 10.0 / scale);
    if (paper != kAutoPaper)
        return placeOnPaper(w, h, paper, o, out);
    for (int p = 0; p < static_cast<int>(kIsoPapers.size()); ++p)
        if (placeOnPaper(w, h, p, o, out))
            return true;
    return false;
}

std::string sizeText(float w, float h) {
    return formatNumber(w, 0) + " × " + formatNumber(h, 0) + " mm";
}

} // namespace

PageLayout layoutPage(const DrawnExtents &extents, const SheetRequest &request) {
    PageLayout out;
    out.scale = request.scale;
    out.extents = extents;
    if (extents.empty || !(request.scale > 0)) {
        out.message = "La parete non ha nulla da disegnare.";
        return out;
    }
    if (placeAtScale(extents, request.scale, request.paper, request.orientation, out)) {
        out.fits = true;
        return out;
    }
    const int paper =
        request.paper == kAutoPaper ? static_cast<int>(kIsoPapers.size()) - 1 : request.paper;
    const float w = static_cast<float>(extents.width() * 10.0 / request.scale);
    const float h = static_cast<float>(extents.height() * 10.0 / request.scale);
    out.message = "A " + scaleText(request.scale) + " il disegno della parete (" + sizeText(w, h) +
                  ") non entra in un foglio " + kIsoPapers[paper].name;
    if (request.orientation != Orientation::Auto)
        out.message += " " + orientationText(request.orientation);
    for (int n : kStandardScales) {
        PageLayout probe;
        if (n > request.scale && placeAtScale(extents, n, paper, request.orientation, probe)) {
            out.proposedScale = n;
            break;
        }
    }
    out.message += out.proposedScale > 0
                       ? ": la scala più grande che entra è " + scaleText(out.proposedScale) + "."
                       : ", neppure a " + scaleText(kStandardScales.back()) + ".";
    return out;
}

} // namespace murcad
