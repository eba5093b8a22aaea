// The borders, levels and lap lengths of one storey as the elevation and sections use them.
#include "drawings/storey_frame.h"

#include "geometry/bar_geometry.h"

namespace murcad {

float storeyBottomLevel(const Wall &wall, int i) {
    float y = wall.BaseLevel;
    for (int k = 0; k < i && k < wall.storeyCount(); ++k)
        y += wall.Storeys[k].Height;
    return y;
}

float lapLength(const Wall &wall, int diameterMm) {
    return wall.LapFactor * 0.1f * static_cast<float>(diameterMm);
}

StoreyFrame storeyFrame(const Wall &wall, int i, float X) {
    const Storey &s = wall.Storeys[i];
    StoreyFrame f;
    f.Y = storeyBottomLevel(wall, i);
    f.H = s.Height;
    f.Ytop = f.Y + f.H;
    const StoreyEnds e = storeyEnds(s, StoreyExtent::WithOffsets);
    f.xL = X + e.left;
    f.xR = X + e.right;
    f.xLc = f.xL + wall.Cover;
    f.xRc = f.xR - wall.Cover;
    f.xL3 = f.xL + s.EdgeLength;
    f.xR3 = f.xR - s.EdgeLength;
    f.dA = static_cast<float>(s.DiamA) / 10;
    f.lapA = lapLength(wall, s.DiamA);
    f.lapB = lapLength(wall, s.DiamB);
    f.critTieSpacing = tieSpacing(s.HorizSpacing, s.DiamA);
    f.storeyTieSpacing = s.TieSpacingSet > 0 ? s.TieSpacingSet : f.critTieSpacing;
    return f;
}

float storeyLevel(const Wall &wall, int i) {
    if (i >= 0 && i < static_cast<int>(wall.StoreyLevels.size()))
        return wall.StoreyLevels[i];
    return wall.Storeys[i].TopLevel;
}

} // namespace murcad
