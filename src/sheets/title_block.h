// The title block of a sheet after ISO 7200: its fields, their captions and texts.
#pragma once

#include "model/user_profile.h"
#include "sheets/page_layout.h"

#include <string>
#include <vector>

namespace murcad {

/// What the title block says about one sheet.
struct TitleBlockContent {
    TitleBlockTexts texts; ///< project, drawn by, checked by, revision (the user's preferences)
    std::string wallFile;  ///< path of the wall data file; the block shows its file name
    int wallNumber = 0;    ///< "Parete n." followed by the number with a leading blank
    double scale = 50;     ///< "Scala 1:50"
    std::string date;      ///< as printed, e.g. "09/12/2026"
    int sheet = 1;         ///< "Tavola 1 di N"
    int sheetCount = 1;
};

/// One field of the block: a box, a small caption in its top-left corner (none for the fields
/// whose text names itself, such as "Scala 1:50") and the text.
struct TitleBlockField {
    PaperRect box;
    std::string caption;
    std::string text;
    float textHeightMm = 3.5f; ///< the largest height; the painter shrinks a text that is wider
    bool emphasised = false;   ///< bold: wall number, scale and sheet number
};

/// Caption height and the inset of captions and texts from the field lines.
inline constexpr float kTitleCaptionHeightMm = 1.8f;
inline constexpr float kTitleFieldInsetMm = 1.5f;

/// The fields of the block placed in `block` (kTitleBlockWidthMm × kTitleBlockHeightMm):
/// project and date on top; wall file, wall number and scale in the middle; drawn by, checked
/// by, revision and the sheet number at the bottom, the sheet number in the lower right corner.
std::vector<TitleBlockField> titleBlockFields(const PaperRect &block,
                                              const TitleBlockContent &content);

/// Today's local date as the title block prints it ("dd/mm/yyyy").
std::string todayText();

} // namespace murcad
