#pragma once
// The private-profile functions over INI files in code page 932; names and values cross
// this interface as UTF-8.
//
// A file is a Windows path ("C:\APP\X.INI", relative forms from the current folder), a
// host path ("/tmp/x.ini"), or a bare name ("X.INI"), which is the file of that name in
// the Windows folder, as on Windows.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pemo::profile {

// Settings files are small; one beyond this is no settings file, and reading it whole would
// only exhaust memory. It reads as a file that cannot be read: values give their default
// and writes are refused, so nothing in it is lost.
constexpr std::uintmax_t kLargestProfileFile = std::uintmax_t(16) << 20;

// The host path of a profile file; nullopt when its drive is not defined.
std::optional<std::string> profileHostPath(std::string_view file);

// The value of a key, or defaultValue when the file, section or key is missing, cut to
// what a buffer of bufferSize bytes holds in code page 932 with its closing NUL (never
// inside a two-byte character).
std::string readProfileString(std::string_view section, std::string_view key,
                              std::string_view defaultValue, std::string_view file,
                              size_t bufferSize = 256);
// The leading whole number of the value; defaultValue when the key is missing.
long readProfileInt(std::string_view section, std::string_view key, long defaultValue,
                    std::string_view file);
std::vector<std::string> readProfileSectionNames(std::string_view file);
std::vector<std::string> readProfileKeyNames(std::string_view section, std::string_view file);

// Write the file atomically. False when nothing could be written: no such folder or drive,
// no permission, a write-protected file, or names and values that the file could not
// hold (an empty key, line breaks, "=" in a key, a key beginning with "[", "]" in a
// section name). Blanks and tabs around section and key names do not count, as on reading.
bool writeProfileString(std::string_view section, std::string_view key, std::string_view value,
                        std::string_view file);
bool deleteProfileKey(std::string_view section, std::string_view key, std::string_view file);
bool deleteProfileSection(std::string_view section, std::string_view file);

}  // namespace pemo::profile
