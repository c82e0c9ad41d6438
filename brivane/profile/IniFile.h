#pragma once
// A Windows-style initialisation file held in memory: sections of "key=value" lines.
//
// Section and key names compare case-insensitively (ASCII). Updating a key rewrites only that
// key's line; every other line (other sections, comments, unknown keys, blank lines) is kept as
// it was. The first occurrence of a section or key wins, as with the Windows profile functions.
//
// Values are read whole. Surrounding blanks are trimmed and one pair of matching quotes ("..."
// or '...') around the rest is removed. So that any value survives a round trip, Set() puts
// double quotes around a value that starts or ends with a blank or is itself enclosed in quotes;
// every other value is written unchanged (commas, semicolons, backslashes and inner quotes need
// no escaping). A line break cannot be stored: a value is written up to its first one.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class IniFile {
public:
    // Replaces the contents with those of `file`. A missing file gives an empty IniFile and true;
    // a file that exists but cannot be read gives false.
    bool Read(const std::filesystem::path& file);
    void Parse(std::string_view text);

    std::optional<std::string> Get(std::string_view section, std::string_view key) const;
    void Set(std::string_view section, std::string_view key, std::string_view value);

    std::string Text() const;

    // Writes `text` to `file` through a temporary file in the same folder and a rename, so a
    // failed write leaves the old file whole. The file gets mode 0600. Missing folders are
    // created. Returns false on any failure; never throws.
    static bool WriteFileAtomically(const std::filesystem::path& file, std::string_view text);

private:
    // Index of the section's header line, or npos.
    std::size_t FindSection(std::string_view section) const;
    // [header+1, end) are the lines that belong to the section starting at `header`.
    std::size_t SectionEnd(std::size_t header) const;

    std::vector<std::string> lines_;  // without their line endings
    bool crlf_ = false;
    bool bom_ = false;
};
