// The limits of the reinforcement detailing checks: the parameter table and its text form.
#include "model/detailing_limits.h"

#include "geometry/numbers.h"
#include "model/user_profile.h"

#include <array>
#include <charconv>
#include <cmath>

namespace murcad {

namespace {

using L = DetailingLimits;

const std::array<DetailingParameter, 14> kParameters{{
    {"RhoVMin", "Rapporto minimo armatura verticale As,v/Ac", "", &L::rhoVMin, 0.0, 0.1},
    {"RhoVMax", "Rapporto massimo armatura verticale As,v/Ac", "", &L::rhoVMax, 0.001, 0.2},
    {"FaceShareOfMin", "Quota del minimo su ciascuna faccia", "", &L::faceShareOfMin, 0.0, 1.0},
    {"VertSpacingPerThickness", "Interasse verticali massimo / spessore", "",
     &L::vertSpacingPerThickness, 0.5, 10.0},
    {"VertSpacingMax", "Interasse verticali massimo", "mm", &L::vertSpacingMaxMm, 50.0, 2000.0},
    {"HorizShareOfVert", "Armatura orizzontale minima / verticale", "", &L::horizShareOfVert,
     0.0, 1.0},
    {"RhoHMin", "Rapporto minimo armatura orizzontale", "", &L::rhoHMin, 0.0, 0.05},
    {"HorizSpacingMax", "Interasse orizzontali massimo", "mm", &L::horizSpacingMaxMm, 50.0,
     2000.0},
    {"ColumnRatio", "Rapporto oltre il quale servono staffe", "", &L::columnRatio, 0.001, 0.2},
    {"LinkDiamMin", "Diametro minimo staffe", "mm", &L::linkDiamMinMm, 0.0, 40.0},
    {"LinkDiamShareOfBar", "Diametro staffe / diametro massimo barre", "",
     &L::linkDiamShareOfBar, 0.0, 1.0},
    {"LinkSpacingPerBar", "Passo staffe massimo / diametro minimo barre", "",
     &L::linkSpacingPerBar, 1.0, 100.0},
    {"LinkSpacingMax", "Passo staffe massimo", "mm", &L::linkSpacingMaxMm, 50.0, 2000.0},
    {"TiesPerSquareMetreMin", "Legature minime per m\xc2\xb2", "1/m\xc2\xb2",
     &L::tiesPerSquareMetreMin, 0.0, 100.0},
}};

std::string shortest(double v) {
    char buf[32];
    auto r = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, r.ptr);
}

std::string_view trimmed(std::string_view t) {
    while (!t.empty() && (t.front() == ' ' || t.front() == '\t'))
        t.remove_prefix(1);
    while (!t.empty() && (t.back() == ' ' || t.back() == '\t' || t.back() == '\r'))
        t.remove_suffix(1);
    return t;
}

} // namespace

std::span<const DetailingParameter> detailingParameters() {
    return kParameters;
}

const DetailingParameter *findDetailingParameter(std::string_view key) {
    for (const DetailingParameter &p : kParameters)
        if (key == p.key)
            return &p;
    return nullptr;
}

bool setDetailingLimit(DetailingLimits &limits, const DetailingParameter &p,
                       std::string_view text, std::string *why) {
    // The whole text must be one number; a comma is read as the decimal point.
    std::string s = dotDecimal(trimmed(text));
    double v = 0;
    auto r = std::from_chars(s.data(), s.data() + s.size(), v);
    if (s.empty() || r.ec != std::errc() || r.ptr != s.data() + s.size() || !std::isfinite(v)) {
        if (why)
            *why = std::string(p.key) + ": \"" + std::string(text) + "\" non e' un numero";
        return false;
    }
    if (v < p.minValue || v > p.maxValue) {
        if (why)
            *why = std::string(p.key) + ": " + shortest(v) + " fuori dall'intervallo " +
                   shortest(p.minValue) + " .. " + shortest(p.maxValue);
        return false;
    }
    limits.*p.member = v;
    return true;
}

std::string detailingLimitText(const DetailingLimits &limits, const DetailingParameter &p) {
    return shortest(limits.*p.member);
}

DetailingLimits detailingLimits(const UserProfile &profile, std::vector<LoadError> *messages) {
    DetailingLimits limits;
    for (const DetailingParameter &p : kParameters)
        limits.*p.member = profile.number(kDetailingSection, p.key, limits.*p.member, p.minValue,
                                          p.maxValue, messages);
    return limits;
}

void setDetailingLimits(UserProfile &profile, const DetailingLimits &limits) {
    for (const DetailingParameter &p : kParameters)
        profile.setNumber(kDetailingSection, p.key, limits.*p.member, 9);
}

std::vector<std::string> changedDetailingLimits(const DetailingLimits &limits) {
    std::vector<std::string> out;
    const DetailingLimits recommended;
    for (const DetailingParameter &p : kParameters)
        if (limits.*p.member != recommended.*p.member)
            out.push_back(std::string(p.key) + " = " + shortest(limits.*p.member) +
                          " (raccomandato " + shortest(recommended.*p.member) + ")");
    return out;
}

} // namespace murcad
