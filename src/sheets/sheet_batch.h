// The sheets of a batch of walls: which walls get a page, on which paper, with what title block.
#pragma once

#include "model/user_profile.h"
#include "model/wall.h"
#include "sheets/page_layout.h"
#include "sheets/title_block.h"

#include <functional>
#include <string>
#include <vector>

namespace murcad {

/// The user's choices for a set of sheets.
struct SheetOptions {
    SheetRequest request;  ///< scale, paper, orientation
    bool inColour = false; ///< layer colours instead of black
    TitleBlockTexts texts; ///< project, drawn by, checked by, revision
    std::string date;      ///< printed in the title block
};

/// One page to print: the wall, where it goes on its paper and its title block.
struct SheetPage {
    Wall wall;
    PageLayout layout;
    TitleBlockContent titleBlock;
};

/// What happened to one wall of a batch.
struct SheetWallOutcome {
    enum Status { Planned, BandElement, Failed, TooLarge };
    std::string path;
    Status status = Failed;
    std::string message; ///< why it has no page (Failed, TooLarge)
};

/// The pages of a batch and the walls left out.
struct SheetPlan {
    std::vector<SheetPage> pages;
    std::vector<SheetWallOutcome> walls; ///< every wall asked for, in order
    int count(SheetWallOutcome::Status s) const;
    /// The messages for the user at the end: walls not read or too large, band elements.
    std::vector<std::string> messages() const;
};

/// The page of one wall already loaded (the current wall of the application): one page,
/// "Tavola 1 di 1". The outcome tells why there is no page when it does not fit.
SheetPlan planSheet(const Wall &wall, const SheetOptions &options);

/// Loads each wall file with loadWall (settings not in the files carry over from `wall`, which
/// holds the last wall loaded afterwards), measures its drawing and lays its page out. Band
/// elements, files that cannot be read and drawings too large for the paper get no page and
/// are reported. Sheets are numbered over the pages of the batch. progress is called after each
/// wall with its index (0-based), the count and its outcome.
SheetPlan planSheets(const std::vector<std::string> &wallPaths, const SheetOptions &options,
                     Wall &wall,
                     const std::function<void(int, int, const SheetWallOutcome &)> &progress = {});

} // namespace murcad
