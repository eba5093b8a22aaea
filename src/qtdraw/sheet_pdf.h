// Print-ready sheets: a wall at true scale in its frame with the title block, on a printer or PDF.
#pragma once

#include "colours/layers.h"
#include "sheets/sheet_batch.h"

#include <QPageLayout>

#include <functional>
#include <string>

class QPainter;

namespace murcad {

/// Device pixels per inch of the PDF sheets: fine enough that the whole-pixel rounding of the
/// drawing's texts stays near a hundredth of a millimetre on the paper.
inline constexpr int kSheetPdfDpi = 1200;

/// The Qt page layout of a sheet: its ISO size and orientation, no margins (the frame is drawn
/// at the ISO 5457 margins from the paper's edge).
QPageLayout qtPageLayout(const PageLayout &layout);

/// Paints one sheet on a painter whose device has `dpi` pixels per inch and its origin at the
/// top-left corner of the paper: white paper, the wall's drawing (the same redraw as the
/// screen) at the layout's scale with the printed line weights, the frame and the title block.
void paintSheetPage(QPainter &painter, double dpi, const SheetPage &page,
                    const LayerSettings &layers, bool inColour);

/// Outcome of writing a PDF of sheets.
struct SheetPdfResult {
    bool written = false; ///< the file is complete and in place
    std::string error;    ///< why not: the path and the cause
    int pages = 0;
    long long bytes = 0;
};

/// Writes one page per planned sheet, each on its own paper size, into a PDF at path. The file
/// is made under a temporary name in the same folder and renamed into place when complete;
/// on failure an older file of that name stays as it was. progress is called before each page
/// with its index (0-based) and the page count. A plan without pages writes nothing.
SheetPdfResult writeSheetsPdf(const std::string &path, const SheetPlan &plan,
                              const LayerSettings &layers, bool inColour,
                              const std::function<void(int, int)> &progress = {});

} // namespace murcad
