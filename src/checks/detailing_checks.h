// Detailing checks of a wall's reinforcement against EN 1992-1-1 (walls §9.6, links §9.5.3),
// storey by storey, from the bars the drawings show and the bill of materials counts.
#pragma once

#include "model/detailing_limits.h"
#include "model/wall.h"

#include <string>
#include <vector>

namespace murcad {

/// Pass, or a finding that does not break the rule outright (a single layer of bars where the
/// rule asks for steel on each face), or a broken limit.
enum class CheckOutcome { Pass, Warning, Fail };

/// Whether the value must reach the limit (at least) or stay within it (at most).
enum class LimitSense { AtLeast, AtMost };

/// The part of a storey a check is about.
enum class CheckZone { Storey, LeftEdge, RightEdge, Web };

/// One check of one storey: what was found, the limit, the clause and the outcome.
struct CheckResult {
    int storey = 0;                    ///< 0-based storey index
    CheckZone zone = CheckZone::Storey;
    std::string check;                 ///< Italian name of the check
    std::string clause;                ///< clause of EN 1992-1-1, e.g. "9.6.2(1)"
    double value = 0;                  ///< the value found, in unit
    double limit = 0;                  ///< the limit, in unit
    LimitSense sense = LimitSense::AtLeast;
    std::string unit;                  ///< "%", "mm", "cm²/m", "1/m²"
    CheckOutcome outcome = CheckOutcome::Pass;
    std::string note;                  ///< why a warning, or how the limit was taken

    bool operator==(const CheckResult &) const = default;
};

/// Counts of a set of results.
struct CheckSummary {
    int checks = 0;
    int passed = 0;
    int warnings = 0;
    int failed = 0;
    std::vector<int> failingStoreys; ///< 0-based, ascending, each once
};

/// Runs every detailing check on every storey of the wall. The bars are those the bill of
/// materials counts and the drawings show, storey by storey; the ratios are taken over the
/// storey's concrete section (its drawn length, border offsets included, by the thickness).
std::vector<CheckResult> checkWall(const Wall &wall, const DetailingLimits &limits = {});

/// Counts passes, warnings and failures, and lists the storeys with at least one failure.
CheckSummary summarise(const std::vector<CheckResult> &results);

/// "Piano 1" for storey 0.
std::string checkStoreyName(int storey);
/// "", "bordo sinistro", "bordo destro", "anima".
const char *checkZoneName(CheckZone zone);
/// "ok", "avviso", "NON VERIFICATO".
const char *checkOutcomeName(CheckOutcome outcome);

} // namespace murcad
