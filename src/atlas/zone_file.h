#pragma once
// A time zone's clock history, read from its compiled file (TZif) in the tz database folder: TZDIR
// when it is set, as the C library reads it, else /usr/share/zoneinfo. Only a regular file of a
// sane size is opened, and a damaged one is refused with a message instead of being read.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace grahavani {

// One stretch of time with one clock.
struct ZonePeriod {
    std::int64_t BeginSeconds = 0;  // universal, since 1970; the first period starts before any date
    std::int32_t OffsetSeconds = 0;
    bool DaylightSaving = false;
    std::string Abbreviation;
};

// In time order; at least one; neighbours differ in their clock.
using ZoneHistory = std::vector<ZonePeriod>;

std::filesystem::path ZoneFolder();

// The history in the file `zoneName` (like "Asia/Kolkata") under `folder`, or a message that says
// what is wrong with the name or the file.
std::variant<ZoneHistory, std::string> ReadZoneFile(const std::filesystem::path& folder, std::string_view zoneName);

// As ReadZoneFile from ZoneFolder(), each zone read once and kept; safe from any thread.
std::variant<std::shared_ptr<const ZoneHistory>, std::string> LoadZone(std::string_view zoneName);

}  // namespace grahavani
