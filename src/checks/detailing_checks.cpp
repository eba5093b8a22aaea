// Detailing checks of a wall's reinforcement, storey by storey.
#include "checks/detailing_checks.h"

#include "checks/storey_bars.h"
#include "geometry/numbers.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace murcad {

namespace {

/// Cross-section of one bar of diameter d mm, in cm².
double barArea(int d) {
    return std::numbers::pi * d * d / 400.0;
}

std::string fixed(double v, int decimals) {
    return formatNumber(v, decimals);
}

/// Collects the results of one storey.
struct StoreyChecks {
    std::vector<CheckResult> &out;
    int storey;

    CheckResult &add(CheckZone zone, const char *check, const char *clause, double value,
                     double limit, LimitSense sense, const char *unit, std::string note = {}) {
        // Values computed from the same numbers as the limit may differ in the last bits.
        double tolerance = 1e-9 * std::max(1.0, std::abs(limit));
        bool ok = sense == LimitSense::AtLeast ? value >= limit - tolerance
                                               : value <= limit + tolerance;
        CheckResult r;
        r.storey = storey;
        r.zone = zone;
        r.check = check;
        r.clause = clause;
        r.value = value;
        r.limit = limit;
        r.sense = sense;
        r.unit = unit;
        r.outcome = ok ? CheckOutcome::Pass : CheckOutcome::Fail;
        r.note = std::move(note);
        out.push_back(std::move(r));
        return out.back();
    }
};

/// Largest distance between adjacent bars of one face, per zone: a distance between two bars
/// of the same edge zone belongs to that zone, every other one (inside the web, or from an
/// edge zone's last bar to the first web bar) to the web.
struct ZoneGaps {
    double left = -1, web = -1, right = -1; ///< cm; -1 = no two adjacent bars in the zone
};

ZoneGaps widestGaps(const StoreyBars &b) {
    ZoneGaps g;
    for (int layer = 0; layer < 2; ++layer) {
        std::vector<std::pair<double, CheckZone>> bars;
        for (const VerticalRow &r : b.rows)
            if (r.layer == layer)
                for (double x : r.positions)
                    bars.emplace_back(x, r.zone);
        std::sort(bars.begin(), bars.end(),
                  [](const auto &a, const auto &c) { return a.first < c.first; });
        for (std::size_t k = 1; k < bars.size(); ++k) {
            double gap = bars[k].first - bars[k - 1].first;
            CheckZone z = bars[k].second == bars[k - 1].second ? bars[k].second : CheckZone::Web;
            double &widest = z == CheckZone::LeftEdge    ? g.left
                             : z == CheckZone::RightEdge ? g.right
                                                         : g.web;
            widest = std::max(widest, gap);
        }
    }
    return g;
}

void checkVertical(StoreyChecks &sc, const StoreyBars &b, double Ac, double asV,
                   double thickness, const DetailingLimits &lim) {
    double rho = asV / Ac;
    sc.add(CheckZone::Storey, "Armatura verticale minima", "9.6.2(1)", rho * 100,
           lim.rhoVMin * 100, LimitSense::AtLeast, "%");
    sc.add(CheckZone::Storey, "Armatura verticale massima", "9.6.2(1)", rho * 100,
           lim.rhoVMax * 100, LimitSense::AtMost, "%");

    // Half of the least steel on each face: a single layer has none at either face.
    double faceLimit = lim.faceShareOfMin * lim.rhoVMin * 100;
    if (b.faces >= 2) {
        sc.add(CheckZone::Storey, "Armatura verticale per faccia", "9.6.2(2)",
               b.leastFaceArea / Ac * 100, faceLimit, LimitSense::AtLeast, "%");
    } else {
        CheckResult &r =
            sc.add(CheckZone::Storey, "Armatura verticale per faccia", "9.6.2(2)", 0.0,
                   faceLimit, LimitSense::AtLeast, "%", "un solo strato di barre verticali");
        if (r.outcome == CheckOutcome::Fail)
            r.outcome = CheckOutcome::Warning;
    }

    double spacingLimit =
        std::min(lim.vertSpacingPerThickness * thickness * 10, lim.vertSpacingMaxMm);
    ZoneGaps g = widestGaps(b);
    const char *name = "Interasse barre verticali";
    if (g.left >= 0)
        sc.add(CheckZone::LeftEdge, name, "9.6.2(3)", g.left * 10, spacingLimit,
               LimitSense::AtMost, "mm");
    if (g.web >= 0)
        sc.add(CheckZone::Web, name, "9.6.2(3)", g.web * 10, spacingLimit, LimitSense::AtMost,
               "mm");
    else if (g.left < 0 && g.right < 0)
        sc.add(CheckZone::Web, name, "9.6.2(3)", b.drawnLength * 10, spacingLimit,
               LimitSense::AtMost, "mm", "meno di due barre per faccia");
    if (g.right >= 0)
        sc.add(CheckZone::RightEdge, name, "9.6.2(3)", g.right * 10, spacingLimit,
               LimitSense::AtMost, "mm");
}

void checkHorizontal(StoreyChecks &sc, const StoreyBars &b, double asV, double thickness,
                     const DetailingLimits &lim) {
    double perMetre = b.horizontalCount * barArea(b.horizontalDiameter) / (b.height / 100);
    double fromVertical = lim.horizShareOfVert * asV / (b.drawnLength / 100);
    double fromSection = lim.rhoHMin * thickness * 100;
    double required = std::max(fromVertical, fromSection);
    std::string note = fromVertical >= fromSection
                           ? fixed(lim.horizShareOfVert * 100, 0) + " % della verticale"
                           : fixed(lim.rhoHMin * 100, 2) + " % della sezione";
    sc.add(CheckZone::Storey, "Armatura orizzontale minima", "9.6.3(1)", perMetre, required,
           LimitSense::AtLeast, "cm\xc2\xb2/m", note);

    if (b.horizontalSpacing > 0)
        sc.add(CheckZone::Storey, "Interasse barre orizzontali", "9.6.3(2)",
               b.horizontalSpacing * 10, lim.horizSpacingMaxMm, LimitSense::AtMost, "mm");
    else
        sc.add(CheckZone::Storey, "Interasse barre orizzontali", "9.6.3(2)", b.height * 10,
               lim.horizSpacingMaxMm, LimitSense::AtMost, "mm", "nessuna barra orizzontale");
}

/// Links of a zone carrying more than the column ratio: their diameter and spacing.
/// spacing 0 means no links at all.
void checkLinks(StoreyChecks &sc, CheckZone zone, const ZoneSteel &z, double zoneRatio,
                int linkDiameter, double spacingCm, double lesserSideCm, const char *what,
                const std::string &which, const DetailingLimits &lim) {
    std::string ratioNote = "rapporto " + fixed(zoneRatio * 100, 2) + " %";
    double diamLimit = std::max(lim.linkDiamMinMm, lim.linkDiamShareOfBar * z.largest);
    double spacingLimit = std::min({lim.linkSpacingPerBar * z.smallest, lesserSideCm * 10,
                                    lim.linkSpacingMaxMm});
    if (!(spacingCm > 0)) {
        sc.add(zone, (std::string("Diametro ") + what).c_str(), "9.6.4(1), 9.5.3(1)", 0.0,
               diamLimit, LimitSense::AtLeast, "mm", std::string(what) + " assenti, " + ratioNote);
        return;
    }
    sc.add(zone, (std::string("Diametro ") + what).c_str(), "9.6.4(1), 9.5.3(1)", linkDiameter,
           diamLimit, LimitSense::AtLeast, "mm", which + ", " + ratioNote);
    sc.add(zone, (std::string("Passo ") + what).c_str(), "9.6.4(1), 9.5.3(3)", spacingCm * 10,
           spacingLimit, LimitSense::AtMost, "mm", ratioNote);
}

void checkTransverse(StoreyChecks &sc, const StoreyBars &b, double Ac, double asV,
                     double thickness, const DetailingLimits &lim) {
    double storeyRatio = asV / Ac;
    bool storeyNeeds = storeyRatio > lim.columnRatio;
    if (b.edgeZones && b.edgeLength > 0) {
        // Each edge zone taken alone as a column of edge length by thickness.
        double column = b.edgeLength * thickness;
        std::pair<CheckZone, const ZoneSteel *> zones[] = {{CheckZone::LeftEdge, &b.left},
                                                           {CheckZone::RightEdge, &b.right}};
        for (auto [zone, steel] : zones) {
            const ZoneSteel &z = *steel;
            double ratio = z.area / column;
            if (!(ratio > lim.columnRatio) && !storeyNeeds)
                continue;
            // Stirrups and the ties across the zone are the links; the thinner one counts.
            int diameter = b.stirrupDiameter;
            std::string which = "staffe \xc3\x98" + std::to_string(b.stirrupDiameter);
            if (b.ties > b.webTies && b.tieDiameter > 0) {
                diameter = std::min(diameter, b.tieDiameter);
                which += ", legature \xc3\x98" + std::to_string(b.tieDiameter);
            }
            checkLinks(sc, zone, z, storeyNeeds ? std::max(ratio, storeyRatio) : ratio,
                       diameter, b.stirrupSpacingMax, std::min(b.edgeLength, thickness),
                       "staffe", which, lim);
        }
    }
    if (storeyNeeds) {
        // The web's links are its ties; their spacing each way from their number per m².
        double webLength = b.drawnLength - (b.edgeZones ? 2 * b.edgeLength : 0);
        double webArea = webLength * b.height / 10000;
        double spacing = 0;
        if (b.webTies > 0 && webArea > 0)
            spacing = 100 / std::sqrt(b.webTies / webArea);
        checkLinks(sc, CheckZone::Web, b.all, storeyRatio, b.tieDiameter, spacing,
                   thickness, "legature", "legature \xc3\x98" + std::to_string(b.tieDiameter),
                   lim);
    }
}

void checkTies(StoreyChecks &sc, const StoreyBars &b, const DetailingLimits &lim) {
    // Ties hold the bars of the two faces; a single layer has nothing to tie across.
    if (b.faces < 2)
        return;
    double area = b.drawnLength * b.height / 10000;
    sc.add(CheckZone::Storey, "Legature per m\xc2\xb2", "9.6.4(2)", b.ties / area,
           lim.tiesPerSquareMetreMin, LimitSense::AtLeast, "1/m\xc2\xb2");
}

} // namespace

std::vector<CheckResult> checkWall(const Wall &wall, const DetailingLimits &lim) {
    std::vector<CheckResult> out;
    double t = wall.Thickness;
    for (int i = 0; i < wall.storeyCount(); ++i) {
        StoreyChecks sc{out, i};
        StoreyBars b = storeyBars(wall, i);
        double Ac = b.drawnLength * t;
        if (!(Ac > 0) || !(b.height > 0)) {
            CheckResult &r = sc.add(CheckZone::Storey, "Sezione di calcestruzzo", "", Ac, 0,
                                    LimitSense::AtLeast, "cm\xc2\xb2",
                                    "piano senza lunghezza, spessore o altezza: non verificato");
            r.outcome = CheckOutcome::Warning;
            continue;
        }
        double asV = b.verticalArea;
        checkVertical(sc, b, Ac, asV, t, lim);
        checkHorizontal(sc, b, asV, t, lim);
        checkTransverse(sc, b, Ac, asV, t, lim);
        checkTies(sc, b, lim);
    }
    return out;
}

CheckSummary summarise(const std::vector<CheckResult> &results) {
    CheckSummary s;
    for (const CheckResult &r : results) {
        ++s.checks;
        switch (r.outcome) {
        case CheckOutcome::Pass:
            ++s.passed;
            break;
        case CheckOutcome::Warning:
            ++s.warnings;
            break;
        case CheckOutcome::Fail:
            ++s.failed;
            if (s.failingStoreys.empty() || s.failingStoreys.back() != r.storey)
                s.failingStoreys.push_back(r.storey);
            break;
        }
    }
    std::sort(s.failingStoreys.begin(), s.failingStoreys.end());
    s.failingStoreys.erase(std::unique(s.failingStoreys.begin(), s.failingStoreys.end()),
                           s.failingStoreys.end());
    return s;
}

std::string checkStoreyName(int storey) {
    return "Piano " + std::to_string(storey + 1);
}

const char *checkZoneName(CheckZone zone) {
    switch (zone) {
    case CheckZone::Storey:
        return "";
    case CheckZone::LeftEdge:
        return "bordo sinistro";
    case CheckZone::RightEdge:
        return "bordo destro";
    case CheckZone::Web:
        return "anima";
    }
    return "";
}

const char *checkOutcomeName(CheckOutcome outcome) {
    switch (outcome) {
    case CheckOutcome::Pass:
        return "ok";
    case CheckOutcome::Warning:
        return "avviso";
    case CheckOutcome::Fail:
        return "NON VERIFICATO";
    }
    return "";
}

} // namespace murcad
