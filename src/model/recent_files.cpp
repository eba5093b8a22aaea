// Recent wall files: newest first, no duplicates, at most eight.
#include "model/recent_files.h"

namespace murcad {

std::vector<std::string> withRecentFile(const std::vector<std::string> &list,
                                        const std::string &path, std::size_t max) {
    std::vector<std::string> out;
    if (!path.empty())
        out.push_back(path);
    for (const std::string &p : list)
        if (out.size() < max && !p.empty() && p != path)
            out.push_back(p);
    return out;
}

std::vector<std::string> withoutRecentFile(const std::vector<std::string> &list,
                                           const std::string &path) {
    std::vector<std::string> out;
    for (const std::string &p : list)
        if (p != path)
            out.push_back(p);
    return out;
}

} // namespace murcad
