// Property: any sequence of edits the program accepts saves and reloads to the same wall.
#include "geometry/numbers.h"
#include "model/companion_file.h"
#include "model/property_grid.h"
#include "model/wall_edits.h"
#include "model/wall_file.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

using namespace murcad;
using murcad::test::TempDir;

namespace {

// A number as a user types it: up to two decimals, a comma or a point.
std::string typed(std::mt19937 &rng, double lo, double hi) {
    std::uniform_real_distribution<double> d(lo, hi);
    std::string t = formatNumber(d(rng), static_cast<int>(rng() % 3));
    if (rng() % 2)
        std::replace(t.begin(), t.end(), '.', ',');
    return t;
}

// One edit of the grid, the border offset dialog or the section clicks; values outside the
// limits are typed too, so refusals are part of the sequence (they must change nothing).
void randomEdit(std::mt19937 &rng, Wall &w) {
    const Wall before = w;
    const int storey = 1 + static_cast<int>(rng() % w.storeyCount());
    const bool far = rng() % 5 == 0; // now and then a value near or past the load's bounds
    bool accepted = true;
    switch (rng() % 9) {
    case 0:
        accepted = applyGridEdit(w, kGridFoundation, typed(rng, -300, 300)).accepted;
        break;
    case 1:
        accepted = applyGridEdit(w, kGridBaseLevel, far ? typed(rng, -110000, 110000)
                                                             : typed(rng, -2000, 2000))
                       .accepted;
        break;
    case 2:
        accepted =
            applyGridEdit(w, 10 * storey, far ? typed(rng, 0, 110000) : typed(rng, -50, 800))
                .accepted;
        break;
    case 3:
        accepted = applyGridEdit(w, 10 * storey + 1 + rng() % 2, typed(rng, -20, 150)).accepted;
        break;
    case 4:
        accepted = applyBorderOffset(w, rng() % 2 ? BorderSide::Left : BorderSide::Right,
                                     typed(rng, -10, 120));
        break;
    case 5:
    case 6: {
        float y = w.BaseLevel + w.TotalHeight * std::uniform_real_distribution<float>(0, 1)(rng);
        insertHorizontalSection(w, y);
        break;
    }
    case 7: {
        float x = std::uniform_real_distribution<float>(w.FirstStoreyLeftX - 50,
                                                        w.FirstStoreyRightX + 50)(rng);
        insertVerticalSection(w, x);
        break;
    }
    default:
        if (rng() % 2 && w.horizSectionCount() > 0)
            removeHorizontalSection(w, static_cast<int>(rng() % w.horizSectionCount()));
        else if (w.vertSectionCount() > 0)
            removeVerticalSection(w, static_cast<int>(rng() % w.vertSectionCount()));
    }
    if (!accepted)
        ASSERT_EQ(w, before); // a refused value changes nothing
}

} // namespace

TEST(EditRoundTrip, AcceptedEditsSaveAndReloadToTheSameWall) {
    TempDir dir;
    std::mt19937 rng(20261209);
    for (const char *name : {"realistic_10_storeys.PAR", "offsets.PAR", "diagonal.PAR",
                             "tall_storey.PAR"}) {
        const std::string path = dir.file(name);
        std::filesystem::copy_file(std::string(MURCAD_EXAMPLES_DIR) + "/" + name, path);
        for (int sequence = 0; sequence < 12; ++sequence) {
            std::filesystem::remove(companionPath(path));
            Wall w;
            ASSERT_TRUE(loadWall(path, w).ok()) << name;
            const int length = 1 + static_cast<int>(rng() % 25);
            for (int i = 0; i < length; ++i)
                randomEdit(rng, w);
            std::string why;
            ASSERT_TRUE(writeCompanionFile(path, w, &why)) << why;
            Wall back;
            LoadResult r = loadWall(path, back);
            ASSERT_TRUE(r.ok()) << name << " " << sequence << ": " << describeLoadError(r.error);
            ASSERT_TRUE(r.fromCompanion);
            EXPECT_TRUE(r.companionProblem.empty()) << r.companionProblem;
            // The same wall as far as the companion keeps it, value by value.
            EXPECT_EQ(companionText(back, "-"), companionText(w, "-")) << name << " " << sequence;
            EXPECT_EQ(back.horizSectionCount(), w.horizSectionCount());
            EXPECT_EQ(back.vertSectionCount(), w.vertSectionCount());
            EXPECT_NEAR(back.BaseLevel, w.BaseLevel, 1e-4);
        }
    }
}
