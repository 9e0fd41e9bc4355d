#pragma once
// The settings file "Orbel.dat": its byte layout, and the backup copies made when the
// program version changes or when the file cannot be read.
//
//   format version 0x00010000 | display flags | save stamp | adjustment interval | server
//   | update interval | 0 | 0 | font count, 60-byte fonts | colour count, colours | clocks
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "clocks/ClockList.h"
#include "settings/LogFont.h"

namespace orbel {

inline constexpr std::uint32_t kSettingsFormat = 0x00010000;
// Written by a development release; read as the released format.
inline constexpr std::uint32_t kSettingsFormatEarly = 0x80000001;

struct SettingsFileContent {
    std::uint32_t formatVersion = kSettingsFormat;
    std::uint32_t displayFlags = 0;
    std::uint32_t saveStamp = 0;
    std::uint32_t adjustmentInterval = 0; // 0 leaves the current value
    std::string server;
    std::uint32_t updateInterval = 0;
    std::vector<LogFont> fonts;
    std::vector<std::int32_t> colours;
    CClockList clocks;
};

struct SettingsReadResult {
    enum class Status { Ok, NewerFormat, Damaged };
    Status status = Status::Ok;
    std::string reason; // what was wrong, for Damaged
};

// Reads the bytes of a settings file. Every count and length is checked against what is
// left; nothing of `out` is meaningful unless the status is Ok. Trailing bytes are ignored.
SettingsReadResult ReadSettingsBytes(const std::uint8_t* data, std::size_t size,
                                     SettingsFileContent& out);
std::vector<std::uint8_t> WriteSettingsBytes(const SettingsFileContent& content);

// "%s.%u.%u.bak": the file path, the major and the minor version.
std::filesystem::path BackupName(const std::filesystem::path& file, std::uint32_t version);
// The backup name, or that name followed by 1, 2, 3, ... while such a file exists.
std::filesystem::path FreeBackupName(const std::filesystem::path& file, std::uint32_t version);

// Copies the file to its free backup name for `version`. Nothing is done when the version
// is 0 or 0xFFFFFFFF or the file does not exist. The copy never overwrites a file and a
// crash never leaves a half backup under the final name. Returns the backup made, or empty.
std::filesystem::path MakeVersionBackup(const std::filesystem::path& file, std::uint32_t version);

// Moves an unreadable settings file out of the way, to its free backup name for
// `version`, so the next start begins from defaults. Never replaces an existing file.
// Returns the new name, or empty when it could not be moved.
std::filesystem::path RetireBadSettingsFile(const std::filesystem::path& file,
                                            std::uint32_t version);

// The closing message: "%1\n\n%2 will now close.\n\nPlease run the program again and it
// will start fresh with default settings."
std::string BadSettingsMessage(const std::string& error, const std::string& appName);
// The closing message when the file could not be moved aside: the next start would meet
// the same file, so the user is told to move it.
std::string BadSettingsKeptMessage(const std::string& error, const std::string& appName,
                                   const std::filesystem::path& file);

} // namespace orbel
