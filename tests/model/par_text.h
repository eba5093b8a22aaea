// Builds wall data file texts for the loader tests.
#pragma once

#include <string>
#include <vector>

namespace murcad::test {

/// One analysis level: shift, top, length, e, diamB, w, diamA, countA, diamH, h, t, flag.
struct Level {
    float shift = 0, top = 0, length = 400, e = 56;
    int diamB = 10;
    float web = 20;
    int diamA = 16, countA = 8, diamH = 8;
    float horiz = 20, tie = 15;
    int flag = 0;
};

/// A version-5 wall data file (or older with ver) with the given storey tops and levels.
struct ParText {
    int version = 5;
    std::string switches = "0";
    float total = 600, thickness = 30, foundation = 80;
    float c1 = 300, c2 = 300;
    float diagArea = 0, diagAngle = 0, diagRise = 0;
    float cover = 4;
    std::vector<float> storeys{300, 600};
    std::vector<std::pair<float, float>> offsets; // right, left per storey
    std::vector<Level> levels{{0, 0}, {0, 300}, {0, 600}};
    int storeyCountOverride = kNoOverride; ///< a storey count written instead of the real one
    static constexpr int kNoOverride = -999;

    std::string str() const {
        auto f = [](float v) {
            std::string s = std::to_string(v);
            s.erase(s.find_last_not_of('0') + 1);
            if (s.back() == '.')
                s.pop_back();
            return s;
        };
        std::string t = version > 0 ? "PARETE  " + std::to_string(version) : "PARETE";
        t += "\r\n";
        if (version > 2)
            t += switches + "\r\n";
        int n = storeyCountOverride != kNoOverride ? storeyCountOverride : static_cast<int>(storeys.size());
        t += std::to_string(n) + ", 0, 0, 3, " + std::to_string(levels.size()) + "\r\n";
        t += f(total) + ", 0, " + f(thickness) + ", " + f(foundation) + "\r\n";
        t += f(c1) + ", " + f(c2) + "\r\n";
        t += f(diagArea) + ", " + f(diagAngle) + ", " + f(diagRise) + "\r\n";
        t += f(cover) + ", 0, 0\r\n";
        for (std::size_t i = 0; i < storeys.size(); ++i) {
            t += f(storeys[i]);
            if (version > 1) {
                auto o = i < offsets.size() ? offsets[i] : std::pair<float, float>{0, 0};
                t += ", " + f(o.first) + ", " + f(o.second);
            }
            t += "\r\n";
        }
        for (const Level &l : levels) {
            t += f(l.shift) + ", " + f(l.top) + ", " + f(l.length) + ", " + f(l.e) + ", " +
                 std::to_string(l.diamB) + ", " + f(l.web) + ", " + std::to_string(l.diamA) +
                 ", " + std::to_string(l.countA) + ", " + std::to_string(l.diamH) + ", " +
                 f(l.horiz);
            if (version >= 4)
                t += ", " + f(l.tie);
            if (version >= 5)
                t += ", " + std::to_string(l.flag);
            t += "\r\n";
        }
        t += "1\r\n7, 8, 9, 1.5, 2.5, 3.5, 4.5, 5.5, 6.5\r\n";
        return t;
    }
};

} // namespace murcad::test
