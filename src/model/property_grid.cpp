// The wall property grid: item list and the edit rules for foundation, start level, heights,
// offsets.
#include "model/property_grid.h"

#include "geometry/numbers.h"

#include <cmath>

namespace murcad {

namespace {

// Storey number (1-based) and field (0 height, 1 right offset, 2 left offset) of a storey item.
struct StoreyField {
    int storey = 0;
    int field = -1;
};

StoreyField storeyFieldOf(int id) {
    StoreyField f;
    if (id < 10)
        return f;
    f.storey = static_cast<int>(roundHalfEven((id - 10) / 10.0)) + 1;
    f.field = id - 10 * (f.storey - 1) - 10;
    return f;
}

bool validStoreyField(const Wall &w, StoreyField f) {
    return f.storey >= 1 && f.storey <= w.storeyCount() && f.field >= 0 && f.field <= 2;
}

// Storey top levels from the start level and the heights, and the total height.
void recomputeTopLevels(Wall &w) {
    float level = w.BaseLevel;
    float total = 0;
    for (Storey &s : w.Storeys) {
        level += s.Height;
        s.TopLevel = level;
        total += s.Height;
    }
    w.TotalHeight = total;
}

} // namespace

std::string gridItemValue(const Wall &w, int id) {
    if (id == kGridFoundation)
        return formatNumber(w.FoundationThickness, 1);
    if (id == kGridBaseLevel)
        return formatNumber(w.BaseLevel, 1);
    StoreyField f = storeyFieldOf(id);
    if (!validStoreyField(w, f))
        return {};
    const Storey &s = w.Storeys[f.storey - 1];
    float v = f.field == 0 ? s.Height : f.field == 1 ? s.OffsetRight : s.OffsetLeft;
    return formatNumber(v, 1);
}

std::vector<GridItem> propertyGridItems(const Wall &w) {
    std::vector<GridItem> items;
    items.push_back({kGridFoundation, "Spess. fondazione", gridItemValue(w, kGridFoundation)});
    items.push_back({kGridBaseLevel, "Quota iniziale", gridItemValue(w, kGridBaseLevel)});
    for (int n = 1; n <= w.storeyCount(); ++n) {
        std::string num = signedText(n);
        items.push_back({10 * n, "H" + num, gridItemValue(w, 10 * n)});
        items.push_back({10 * n + 1, "Offset Dx H" + num, gridItemValue(w, 10 * n + 1)});
        items.push_back({10 * n + 2, "Offset Sx H" + num, gridItemValue(w, 10 * n + 2)});
    }
    return items;
}

GridEditResult applyGridEdit(Wall &w, int id, std::string_view text) {
    GridEditResult r;
    r.shownText = gridItemValue(w, id);
    float v = 0;
    // A text that holds no number is refused rather than read as 0: a slip of the keyboard
    // must not put a storey's border or the foundation at zero.
    bool isNumber = tryParseNumber(text, v) && std::isfinite(v);

    if (id == kGridFoundation) {
        if (!isNumber)
            return r;
        w.FoundationThickness = v;
    } else if (id == kGridBaseLevel) {
        r.followUp = GridFollowUp::RedrawOnly;
        if (!isNumber)
            return r;
        w.BaseLevel = v;
        // The analysis levels of the data file follow the start level.
        if (!w.FileLevels.empty()) {
            float delta = v - w.FileLevels[0].TopLevel;
            if (std::fabs(delta) > 0.001f) {
                std::size_t count = w.FileLevels.size() - 1; // the last record stays zero
                for (std::size_t i = 0; i < count; ++i)
                    w.FileLevels[i].TopLevel += delta;
            }
        }
    } else {
        StoreyField f = storeyFieldOf(id);
        if (!validStoreyField(w, f) || !isNumber)
            return r;
        Storey &s = w.Storeys[f.storey - 1];
        if (f.field == 0) {
            if (v < 10)
                return r;
            // The base zone keeps its share of the storey height.
            if (s.Height != 0)
                s.BaseZoneHeight = s.BaseZoneHeight / (s.Height / v);
            s.Height = v;
            recomputeTopLevels(w);
        } else {
            if (v < 0)
                return r;
            (f.field == 1 ? s.OffsetRight : s.OffsetLeft) = v;
            refitHorizontalSections(w);
        }
    }
    r.accepted = true;
    r.shownText = gridItemValue(w, id);
    return r;
}

} // namespace murcad
