// The user's own preferences file: named sections of "key = value", read value by value.
#pragma once

#include "model/load_error.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace murcad {

/// The file of the user's own preferences (title block texts, sheet choices, detailing-check
/// limits, ...), kept apart from "Veruz2008.ini", whose format stays as the host product reads
/// it. The layout is INI-like:
///
///     # comment
///     [cartiglio]
///     progetto = Residenza Le Querce
///     disegnatore = ing. Rossi
///
/// Section and key names are compared without regard to letter case; a key appears once per
/// section (a repeated key: the last one counts). Values are trimmed; a backslash escapes a
/// line end ("\n"), a carriage return ("\r") or itself ("\\"). Comment and blank lines, and
/// sections and keys this program does not know, survive a read and a write.
///
/// Readers never fail on a bad value: the typed getters return the caller's default and add a
/// message naming the file, the line, the key and the value found.
class UserProfile {
public:
    /// One line of a section: a key with its value, or (key empty) a comment or blank line.
    struct Entry {
        std::string key;
        std::string value;
        int line = 0; ///< 1-based line in the file it was read from; 0 when set in memory
    };
    struct Section {
        std::string name;
        std::vector<Entry> entries;
    };

    /// Reads the profile text. Lines that are neither a section head, a "key = value", a
    /// comment nor blank are skipped with a message (file name, line, text) in messages.
    static UserProfile parse(std::string_view text, const std::string &fileName,
                             std::vector<LoadError> *messages = nullptr);

    /// The profile as text, ready to be written (LF line ends).
    std::string serialise() const;

    /// The file name given to parse (used in messages).
    const std::string &fileName() const { return fileName_; }

    /// True when the section holds the key.
    bool has(std::string_view section, std::string_view key) const;
    /// The raw value, or fallback when the key is missing.
    std::string text(std::string_view section, std::string_view key,
                     const std::string &fallback = {}) const;
    /// A number (comma or point as decimal separator) within lo..hi; fallback, with a message,
    /// when the value is not a number or lies outside; fallback silently when the key is missing.
    double number(std::string_view section, std::string_view key, double fallback, double lo,
                  double hi, std::vector<LoadError> *messages = nullptr) const;
    /// A whole number within lo..hi; otherwise as number.
    long long integer(std::string_view section, std::string_view key, long long fallback,
                      long long lo, long long hi, std::vector<LoadError> *messages = nullptr) const;
    /// A yes/no value: "1", "sì", "si", "yes", "true" or "0", "no", "false" in any case.
    bool flag(std::string_view section, std::string_view key, bool fallback,
              std::vector<LoadError> *messages = nullptr) const;

    /// Sets a value, adding the section and the key when missing (keys keep their place).
    void setText(std::string_view section, std::string_view key, std::string_view value);
    /// Sets a number, written with a point and at most `decimals` decimals (trailing zeros cut).
    void setNumber(std::string_view section, std::string_view key, double value, int decimals);
    void setFlag(std::string_view section, std::string_view key, bool value);
    /// Removes a key; true when it was there.
    bool remove(std::string_view section, std::string_view key);

    const std::vector<Section> &sections() const { return sections_; }

private:
    const Entry *find(std::string_view section, std::string_view key) const;
    void complain(std::vector<LoadError> *messages, const Entry &e, std::string_view section,
                  const std::string &expected) const;

    std::string fileName_;
    std::vector<Entry> head_; ///< comment lines before the first section
    std::vector<Section> sections_;
};

/// Where the user's preferences live: $XDG_CONFIG_HOME/murcad/preferenze.ini, or
/// ~/.config/murcad/preferenze.ini when XDG_CONFIG_HOME is unset or empty.
std::string userProfilePath();

/// Reads the profile at path. A missing file gives an empty profile and no message; a file that
/// cannot be read gives an empty profile and a message. Returns true when the file was read.
bool loadUserProfile(const std::string &path, UserProfile &profile,
                     std::vector<LoadError> *messages = nullptr);

/// Writes the profile to path atomically, creating the folder when needed. False, with the path
/// and the cause in why, when it cannot be written; the file on disk then stays as it was.
bool saveUserProfile(const std::string &path, const UserProfile &profile,
                     std::string *why = nullptr);

/// Reads the file at path afresh, applies change to it and writes it back, so that values other
/// windows stored since this program read the file are kept. A missing file starts empty.
template <class Change>
bool updateUserProfile(const std::string &path, Change change, std::string *why = nullptr) {
    UserProfile profile;
    loadUserProfile(path, profile);
    change(profile);
    return saveUserProfile(path, profile, why);
}

/// The section of the sheet's title block.
inline constexpr const char *kTitleBlockSection = "cartiglio";

/// The texts of the title block that do not come from the wall: who and what the sheets are for.
struct TitleBlockTexts {
    std::string Project;   ///< "progetto"
    std::string DrawnBy;   ///< "disegnatore"
    std::string CheckedBy; ///< "verificatore"
    std::string Revision;  ///< "revisione"
    bool operator==(const TitleBlockTexts &) const = default;
};

/// The title block texts of the profile (empty texts where the keys are missing).
TitleBlockTexts titleBlockTexts(const UserProfile &profile);
/// Stores the title block texts into the profile's title block section.
void setTitleBlockTexts(UserProfile &profile, const TitleBlockTexts &texts);

} // namespace murcad
