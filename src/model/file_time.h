// Last-modified date and time of a file, and its text form in the companion file.
#pragma once

#include <optional>
#include <string>

namespace murcad {

/// A local date and time to the second.
struct DateTime {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    bool operator==(const DateTime &) const = default;
};

/// Local last-modified time of a file; empty when the file cannot be examined.
std::optional<DateTime> fileDateTime(const std::string &path);

/// "dd/mm/yyyy hh:mm:ss", the general date-time text the companion file stores.
std::string formatDateTime(const DateTime &t);

/// Reads "dd/mm/yyyy hh:mm:ss" (also "yyyy-mm-dd hh:mm[:ss]"); all fields 0 when unreadable.
DateTime parseDateTime(const std::string &text);

/// True when a companion stamped with `stored` no longer matches a wall data file modified at
/// `file`: the hours differ by more than one (one hour is a daylight-saving shift) or the
/// year, month, day or minute differ. Seconds are not compared.
bool companionIsStale(const DateTime &file, const DateTime &stored);

} // namespace murcad
