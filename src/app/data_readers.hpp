#pragma once

// The readers of settings.json and history.json, on the bytes of the file and without Qt: bounded
// in size and nesting depth, never throwing (running out of memory included), and keeping the good
// records of a history that holds a bad one.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/settings.hpp"
#include "core/stats.hpp"

namespace tarnwick {

struct ReadLimits {
    // A history file takes about 90 bytes a record. A break every minute, day and night, for 400
    // days (576,000 records, far beyond what the settings window offers) is 52 MB; a real history
    // of a few hundred records a day for 400 days is about 10 MB.
    std::size_t historyBytes = std::size_t(64) << 20;
    // The settings are a few hundred bytes; the break messages a user types would not fill this.
    std::size_t settingsBytes = std::size_t(1) << 20;
    // Arrays and objects inside one another: both files nest two levels deep.
    int depth = 32;
};

struct SettingsRead {
    std::optional<Settings> settings;  // empty when the file cannot be read
    std::string fault;                 // why not, when it cannot
};

struct HistoryRead {
    std::vector<BreakRecord> records;  // those that could be read, in the file's order
    std::size_t unreadableRecords = 0;  // elements of the list that are not records
    std::string fault;                  // empty when the whole file was read
    bool complete() const { return fault.empty(); }
};

SettingsRead readSettings(std::string_view bytes, const ReadLimits& limits = {});

// A list in which some elements are not records keeps the others. A file that is not JSON, or is
// too deeply nested, keeps the records that come before the fault; one that is too large, not a
// list, or too large for the memory available gives none.
HistoryRead readHistory(std::string_view bytes, const ReadLimits& limits = {});

// "larger than 64 MB", as a fault.
std::string tooLargeFault(std::size_t limitBytes);

}  // namespace tarnwick
