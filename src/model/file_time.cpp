// File modification times in local time and their companion-file text.
#include "model/file_time.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <sys/stat.h>

namespace murcad {

std::optional<DateTime> fileDateTime(const std::string &path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return std::nullopt;
    std::time_t t = st.st_mtime;
    std::tm tm {};
    if (!::localtime_r(&t, &tm))
        return std::nullopt;
    return DateTime{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday,
                    tm.tm_hour,        tm.tm_min,     tm.tm_sec};
}

std::string formatDateTime(const DateTime &t) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%02d/%02d/%04d %02d:%02d:%02d", t.day, t.month, t.year,
                  t.hour, t.minute, t.second);
    return buf;
}

DateTime parseDateTime(const std::string &text) {
    DateTime t;
    int a = 0, b = 0, c = 0, h = 0, mi = 0, s = 0;
    if (std::sscanf(text.c_str(), " %d-%d-%d %d:%d:%d", &a, &b, &c, &h, &mi, &s) >= 5) {
        t = {a, b, c, h, mi, s};
    } else if (std::sscanf(text.c_str(), " %d/%d/%d %d:%d:%d", &a, &b, &c, &h, &mi, &s) >= 3) {
        t = {c, b, a, h, mi, s};
    }
    return t;
}

bool companionIsStale(const DateTime &file, const DateTime &stored) {
    if (std::abs(file.hour - stored.hour) > 1)
        return true;
    return file.year != stored.year || file.month != stored.month || file.day != stored.day ||
           file.minute != stored.minute;
}

} // namespace murcad
