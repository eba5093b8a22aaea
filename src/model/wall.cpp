// Storey heights and the section-cut tables of the wall model.
#include "model/wall.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace murcad {

void computeStoreyHeights(Wall &w) {
    for (int i = 0; i < w.storeyCount(); ++i)
        w.Storeys[i].Height = w.Storeys[i].TopLevel - w.storeyBottom(i);
}

// Exchange sort as the section tables have always been kept: for each position, every later
// record smaller than the one now there is swapped in. Ties keep a predictable order.
template <typename Rec, typename Key> static void exchangeSort(std::vector<Rec> &t, Key key) {
    if (t.size() < 2)
        return;
    for (std::size_t i = 0; i + 1 < t.size(); ++i)
        for (std::size_t j = i + 1; j < t.size(); ++j)
            if (key(t[j]) < key(t[i]))
                std::swap(t[i], t[j]);
}

InsertResult insertHorizontalSection(Wall &w, float y) {
    InsertResult result = InsertResult::Inserted;
    if (!(w.BaseLevel < y && y < w.BaseLevel + w.TotalHeight) || w.Storeys.empty()) {
        result = InsertResult::OutOfRange;
    } else if (w.horizSectionCount() >= kMaxHorizSections) {
        result = InsertResult::TableFull;
    } else {
        int k = 0;
        for (int i = 0; i < w.storeyCount(); ++i)
            if (w.Storeys[i].TopLevel > y) {
                k = i;
                break;
            }
        const Storey &s = w.Storeys[k];
        HorizSection h;
        const StoreyEnds e = storeyEnds(s, StoreyExtent::WithOffsets);
        h.X1 = e.left;
        h.X2 = e.right;
        h.Y1 = h.Y2 = y;
        h.StoreyIndex = k;
        float b = w.storeyBottom(k);
        h.AboveBaseZone = (b + s.BaseZoneHeight < y) ? 1 : 0;
        w.HorizSections.push_back(h);
    }
    exchangeSort(w.HorizSections, [](const HorizSection &h) { return h.Y1; });
    return result;
}

StoreyEnds storeyEnds(const Storey &s, StoreyExtent extent) {
    StoreyEnds e{-s.Length / 2 + s.Shift, s.Length / 2 + s.Shift};
    if (extent == StoreyExtent::WithOffsets) {
        e.left -= s.OffsetLeft;
        e.right += s.OffsetRight;
    }
    return e;
}

static bool storeyCovers(const Storey &s, float x) {
    const StoreyEnds e = storeyEnds(s, StoreyExtent::Wall);
    return e.left < x && x < e.right;
}

InsertResult insertVerticalSection(Wall &w, float x) {
    if (!(w.FirstStoreyLeftX < x && x < w.FirstStoreyRightX))
        return InsertResult::OutOfRange;
    if (w.vertSectionCount() >= kMaxVertSections)
        return InsertResult::TableFull;
    int n = w.storeyCount();
    int k = 0;
    float y1 = 0;
    for (int i = 0; i < n; ++i)
        if (storeyCovers(w.Storeys[i], x)) {
            k = i;
            y1 = k >= 1 ? w.Storeys[k - 1].TopLevel : 0.0f;
            break;
        }
    int m = n;
    for (int i = k; i < n; ++i) {
        const StoreyEnds e = storeyEnds(w.Storeys[i], StoreyExtent::Wall);
        if (e.right < x || e.left > x) {
            m = i;
            break;
        }
    }
    VertSection v;
    v.X1 = v.X2 = x;
    v.Y1 = y1;
    v.Y2 = m > 0 ? w.Storeys[m - 1].TopLevel : w.BaseLevel;
    v.StoreyIndex = k;
    v.TopStorey = m;
    w.VertSections.push_back(v);
    exchangeSort(w.VertSections, [](const VertSection &s) { return s.X1; });
    return InsertResult::Inserted;
}

void removeHorizontalSection(Wall &w, int k) {
    if (k >= 0 && k < w.horizSectionCount())
        w.HorizSections.erase(w.HorizSections.begin() + k);
}

void removeVerticalSection(Wall &w, int k) {
    if (k >= 0 && k < w.vertSectionCount())
        w.VertSections.erase(w.VertSections.begin() + k);
}

void refitHorizontalSections(Wall &w) {
    if (w.Storeys.empty())
        return;
    int k = 0;
    for (HorizSection &h : w.HorizSections) {
        for (int i = 0; i < w.storeyCount(); ++i)
            if (w.Storeys[i].TopLevel > h.Y1) {
                k = i;
                break;
            }
        const Storey &s = w.Storeys[k];
        const StoreyEnds e = storeyEnds(s, StoreyExtent::WithOffsets);
        h.X1 = e.left;
        h.X2 = e.right;
    }
}

void makeDefaultSections(Wall &w) {
    for (int i = 0; i < w.storeyCount(); ++i) {
        const Storey &s = w.Storeys[i];
        float b = w.storeyBottom(i);
        if (s.BaseZoneHeight <= 0) {
            insertHorizontalSection(w, (b + s.TopLevel) / 2);
        } else if (std::abs(s.Height - s.BaseZoneHeight) >= 0.0001f) {
            insertHorizontalSection(w, b + s.BaseZoneHeight / 2);
            insertHorizontalSection(w, (b + s.BaseZoneHeight + s.TopLevel) / 2);
        } else {
            insertHorizontalSection(w, (b + s.TopLevel) / 2);
        }
    }
    insertVerticalSection(w, (w.FirstStoreyLeftX + w.FirstStoreyRightX) / 2);
}

void computeStoreyRange(Wall &w) {
    if (w.Storeys.empty()) {
        w.FirstStoreyLeftX = w.FirstStoreyRightX = 0;
        return;
    }
    const StoreyEnds first = storeyEnds(w.Storeys[0], StoreyExtent::Wall);
    float lo = first.left;
    float hi = first.right;
    for (const Storey &s : w.Storeys) {
        const StoreyEnds e = storeyEnds(s, StoreyExtent::Wall);
        lo = std::min(lo, e.left);
        hi = std::max(hi, e.right);
    }
    w.FirstStoreyLeftX = lo;
    w.FirstStoreyRightX = hi;
}

} // namespace murcad
