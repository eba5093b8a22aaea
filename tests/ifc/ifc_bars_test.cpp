// The IFC's bars as a BIM coordinator checks them: each solid as long as the bar it declares,
// the length the bill of materials counts.
#include "ifc/ifc_bars.h"

#include "model/wall_file.h"
#include "support/wall_generator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>

namespace murcad {
namespace {

std::vector<Wall> exampleAndGeneratedWalls() {
    std::vector<Wall> walls;
    for (const auto &e : std::filesystem::directory_iterator(MURCAD_EXAMPLES_DIR)) {
        Wall w;
        if (e.path().extension() == ".PAR" && loadWall(e.path().string(), w).ok() &&
            w.storeyCount() > 0 && w.BandElement == 0)
            walls.push_back(w);
    }
    for (unsigned seed = 1; seed <= 120; ++seed)
        walls.push_back(test::generatedWall(seed));
    return walls;
}

std::string nameOf(const Wall &w) {
    return w.WallFile.empty() ? "wall " + std::to_string(w.WallNumber) : w.WallFile;
}

double length(const std::vector<BarPoint> &l) {
    double s = 0;
    for (std::size_t k = 1; k < l.size(); ++k)
        s += std::hypot(l[k].x - l[k - 1].x, l[k].y - l[k - 1].y, l[k].z - l[k - 1].z);
    return s;
}

TEST(IfcBars, EverySolidIsAsLongAsTheBarItDeclares) {
    for (const Wall &w : exampleAndGeneratedWalls()) {
        SCOPED_TRACE(nameOf(w));
        for (const BarGroup &g : wallBarGroups(w))
            for (const auto &line : g.bars)
                ASSERT_NEAR(length(line), g.cutLength, 0.005 * g.cutLength)
                    << g.name << " storey " << g.storey;
    }
}

} // namespace
} // namespace murcad
