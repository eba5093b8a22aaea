// The list of wall files opened last, most recent first.
#pragma once

#include <string>
#include <vector>

namespace murcad {

/// How many wall files the File menu offers.
inline constexpr std::size_t kRecentFileCount = 8;

/// The list with path put first: an earlier entry of the same path moves up rather than
/// appearing twice, empty names are dropped, and the list keeps at most max entries.
std::vector<std::string> withRecentFile(const std::vector<std::string> &list,
                                        const std::string &path,
                                        std::size_t max = kRecentFileCount);

/// The list without path (a file that could no longer be opened).
std::vector<std::string> withoutRecentFile(const std::vector<std::string> &list,
                                           const std::string &path);

} // namespace murcad
