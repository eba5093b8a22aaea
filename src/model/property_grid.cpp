// The wall property grid: item list and the edit rules for foundation, start level, heights,
// offsets.
#include "model/property_grid.h"

#include "geometry/numbers.h"
#include "model/wall_limits.h"
#include "model/wall_validation.h"

#include <cctype>
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

void moveBaseLevel(Wall &w, float level) {
    const float delta = level - w.BaseLevel;
    w.BaseLevel = level;
    // The analysis levels of the data file follow the start level.
    if (!w.FileLevels.empty()) {
        float fileDelta = level - w.FileLevels[0].TopLevel;
        if (std::fabs(fileDelta) > 0.001f) {
            std::size_t count = w.FileLevels.size() - 1; // the last record stays zero
            for (std::size_t i = 0; i < count; ++i)
                w.FileLevels[i].TopLevel += fileDelta;
        }
    }
    // The storeys stand on the base: their tops, the levels their marks show and the cuts
    // through them move by the same amount.
    if (delta == 0)
        return;
    for (Storey &s : w.Storeys)
        s.TopLevel += delta;
    for (float &l : w.StoreyLevels)
        l += delta;
    for (HorizSection &h : w.HorizSections) {
        h.Y1 += delta;
        h.Y2 += delta;
    }
    // A vertical cut's first level of 0 means "from the foundation" and stays so.
    for (VertSection &v : w.VertSections) {
        if (v.Y1 != 0)
            v.Y1 += delta;
        v.Y2 += delta;
    }
}

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

std::string gridItemCaption(const Wall &w, int id) {
    for (const GridItem &g : propertyGridItems(w))
        if (g.id == id)
            return g.caption;
    return {};
}

// Lower case with single blanks, for comparing captions as a user types them.
static std::string captionKey(std::string_view text) {
    std::string key;
    for (char c : text) {
        if (c == ' ' || c == '\t') {
            if (!key.empty() && key.back() != ' ')
                key += ' ';
        } else {
            key += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
    }
    if (!key.empty() && key.back() == ' ')
        key.pop_back();
    return key;
}

int gridItemIdByCaption(const Wall &w, std::string_view caption) {
    const std::string key = captionKey(caption);
    for (const GridItem &g : propertyGridItems(w))
        if (captionKey(g.caption) == key)
            return g.id;
    return 0;
}

GridEditResult applyGridEdit(Wall &w, int id, std::string_view text) {
    GridEditResult r;
    r.shownText = gridItemValue(w, id);
    const std::string caption = gridItemCaption(w, id);
    if (caption.empty())
        return r;
    // The edit is made on a copy that replaces the wall only when it is accepted whole.
    Wall staged = w;
    float v = 0;
    if (id == kGridFoundation) {
        if (!limits::acceptValue(limits::kFoundationLimit, text, v, r.refusal, caption))
            return r;
        staged.FoundationThickness = v;
    } else if (id == kGridBaseLevel) {
        if (!limits::acceptValue(limits::kBaseLevelLimit, text, v, r.refusal, caption))
            return r;
        moveBaseLevel(staged, v);
    } else {
        StoreyField f = storeyFieldOf(id);
        Storey &s = staged.Storeys[f.storey - 1];
        if (f.field == 0) {
            if (!limits::acceptValue(limits::kStoreyHeightLimit, text, v, r.refusal, caption))
                return r;
            // The base zone keeps its share of the storey height.
            if (s.Height != 0)
                s.BaseZoneHeight = s.BaseZoneHeight / (s.Height / v);
            s.Height = v;
            recomputeTopLevels(staged);
        } else {
            if (!limits::acceptValue(limits::kBorderOffsetLimit, text, v, r.refusal, caption))
                return r;
            (f.field == 1 ? s.OffsetRight : s.OffsetLeft) = v;
            refitHorizontalSections(staged);
        }
    }
    // A loaded wall must stay one the next load accepts (an empty model has nothing to save).
    std::string problem;
    if (staged.storeyCount() > 0 && !checkWallBounds(staged, problem)) {
        r.refusal = caption + ": valore \"" + std::string(text) +
                    "\" non accettato, la parete uscirebbe dai limiti (" + problem + ").";
        return r;
    }
    w = std::move(staged);
    r.accepted = true;
    r.shownText = gridItemValue(w, id);
    return r;
}

} // namespace murcad
