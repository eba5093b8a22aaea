// The limits of the reinforcement detailing checks: named values the user may change, with
// the recommended values of EN 1992-1-1 as defaults.
#pragma once

#include "model/load_error.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace murcad {

/// Every limit the detailing checks compare against. National annexes differ from the
/// recommended values, so each one is a named parameter (see detailingParameters()).
struct DetailingLimits {
    double rhoVMin = 0.002;           ///< least vertical steel ratio As,v / Ac
    double rhoVMax = 0.04;            ///< greatest vertical steel ratio As,v / Ac
    double faceShareOfMin = 0.5;      ///< share of the least vertical steel on each face
    double vertSpacingPerThickness = 3.0; ///< vertical bar spacing at most this x thickness
    double vertSpacingMaxMm = 400;    ///< ... and at most this distance, mm
    double horizShareOfVert = 0.25;   ///< horizontal steel at least this share of the vertical
    double rhoHMin = 0.001;           ///< ... and at least this ratio of the wall section
    double horizSpacingMaxMm = 400;   ///< horizontal bar spacing at most this distance, mm
    double columnRatio = 0.02;        ///< vertical ratio above which links are required
    double linkDiamMinMm = 6;         ///< link diameter at least this, mm
    double linkDiamShareOfBar = 0.25; ///< ... and at least this share of the largest bar
    double linkSpacingPerBar = 20;    ///< link spacing at most this x the smallest bar
    double linkSpacingMaxMm = 400;    ///< ... the lesser zone dimension, and this distance, mm
    double tiesPerSquareMetreMin = 4; ///< ties per m² of wall where the bars are at the faces

    bool operator==(const DetailingLimits &) const = default;
};

/// One named limit: the key it is stored under, its caption, its unit, the member it sets,
/// and the range an editor or a reader accepts.
struct DetailingParameter {
    const char *key;     ///< stored name, e.g. "RhoVMin"
    const char *caption; ///< Italian caption for the preferences dialog
    const char *unit;    ///< unit shown beside the value ("", "mm", "1/m²")
    double DetailingLimits::*member;
    double minValue;
    double maxValue;
};

/// The table of every limit, in the order the preferences dialog shows them. The one place
/// that says which values are acceptable: the preferences store and the dialog both read it.
std::span<const DetailingParameter> detailingParameters();

/// The parameter stored under key, or nullptr.
const DetailingParameter *findDetailingParameter(std::string_view key);

/// Reads text (a comma or a point as decimal separator) as the value of parameter p and
/// stores it in limits. On a value that is no number or lies outside the parameter's range,
/// limits stays as it was and why (when given) says what was wrong.
bool setDetailingLimit(DetailingLimits &limits, const DetailingParameter &p,
                       std::string_view text, std::string *why = nullptr);

/// Text of a parameter's value as it is stored (point decimal, no needless zeros).
std::string detailingLimitText(const DetailingLimits &limits, const DetailingParameter &p);

/// The section of the user's preferences that holds the limits.
inline constexpr const char *kDetailingSection = "verifiche";

class UserProfile;

/// The limits stored in the user's preferences; a missing key keeps the recommended value, a
/// bad one too, with a message naming the file, the line and the value.
DetailingLimits detailingLimits(const UserProfile &profile,
                                std::vector<LoadError> *messages = nullptr);

/// Stores every limit into the preferences' section of the detailing checks.
void setDetailingLimits(UserProfile &profile, const DetailingLimits &limits);

/// "RhoVMin = 0.0025 (raccomandato 0.002)" for each limit that differs from the recommended
/// value; empty when none does.
std::vector<std::string> changedDetailingLimits(const DetailingLimits &limits);

} // namespace murcad
