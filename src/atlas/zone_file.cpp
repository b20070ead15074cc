#include "atlas/zone_file.h"

#include <date/date.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <map>
#include <mutex>
#include <optional>
#include <span>
#include <system_error>

namespace grahavani {
namespace {

// The largest zone file of the tz database is under 4 KiB.
constexpr std::size_t kMaxZoneFileBytes = 256 * 1024;

// As the date library reads the files: the first clock holds from the earliest year it knows.
const std::int64_t kEarliestSeconds =
    date::sys_seconds{date::sys_days{date::year::min() / date::January / 1}}.time_since_epoch().count();

std::string NotInDatabase(std::string_view zoneName) {
    return "The time zone \"" + std::string(zoneName) + "\" is not in the tz database.";
}

std::string FileProblem(const std::filesystem::path& path, const std::string& problem) {
    return "The time zone file " + path.string() + " " + problem +
           "; reinstall the tz database (tzdata) or point TZDIR at a sound copy.";
}

std::string SystemProblem(int error) {
    return "cannot be read (" + std::error_code(error, std::generic_category()).message() + ")";
}

// Zone names are words of letters, digits, '_', '-' and '+' joined by '/': nothing that leaves the folder.
bool SoundZoneName(std::string_view name) {
    if (name.empty() || name.size() > 255) return false;
    for (std::size_t start = 0; start <= name.size();) {
        const auto slash = std::min(name.find('/', start), name.size());
        const auto word = name.substr(start, slash - start);
        if (word.empty() || word.front() == '-' ||
            !std::all_of(word.begin(), word.end(), [](char c) {
                return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' ||
                       c == '-' || c == '+';
            })) {
            return false;
        }
        start = slash + 1;
    }
    return true;
}

struct Descriptor {
    int value;
    ~Descriptor() { ::close(value); }
};

// The file's bytes; a pipe, device or folder is refused before it is opened.
std::variant<std::vector<unsigned char>, std::string> ReadRegularFile(const std::filesystem::path& path,
                                                                     std::string_view zoneName) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        if (errno == ENOENT || errno == ENOTDIR) return NotInDatabase(zoneName);
        return FileProblem(path, SystemProblem(errno));
    }
    if (!S_ISREG(status.st_mode)) return FileProblem(path, "is not a regular file");
    // Should the file have become a pipe since, O_NONBLOCK keeps the opening from waiting for a writer.
    const Descriptor file{::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY)};
    if (file.value < 0) return FileProblem(path, SystemProblem(errno));
    if (::fstat(file.value, &status) != 0 || !S_ISREG(status.st_mode)) {
        return FileProblem(path, "is not a regular file");
    }
    std::vector<unsigned char> bytes;
    unsigned char block[4096];
    for (;;) {
        const ssize_t count = ::read(file.value, block, sizeof block);
        if (count < 0 && errno == EINTR) continue;
        if (count < 0) return FileProblem(path, SystemProblem(errno));
        if (count == 0) return bytes;
        bytes.insert(bytes.end(), block, block + count);
        if (bytes.size() > kMaxZoneFileBytes) return FileProblem(path, "is larger than any zone file");
    }
}

struct Damage {
    std::string what;
};

// Reads big-endian fields front to back; every length was checked against the file first.
class FieldReader {
public:
    explicit FieldReader(std::span<const unsigned char> bytes) : bytes_(bytes) {}

    bool Holds(std::uint64_t count) const { return count <= bytes_.size() - at_; }
    std::span<const unsigned char> Take(std::size_t count) {
        const auto part = bytes_.subspan(at_, count);
        at_ += count;
        return part;
    }
    std::uint64_t Unsigned(std::size_t width) {
        std::uint64_t value = 0;
        for (const unsigned char byte : Take(width)) value = value << 8 | byte;
        return value;
    }
    std::int64_t Signed(std::size_t width) {
        const std::uint64_t value = Unsigned(width);
        const std::uint64_t sign = std::uint64_t{1} << (8 * width - 1);
        return static_cast<std::int64_t>((value ^ sign) - sign);
    }

private:
    std::span<const unsigned char> bytes_;
    std::size_t at_ = 0;
};

struct Counts {
    std::uint64_t utIndicators, standardIndicators, leaps, transitions, types, characters;

    std::uint64_t DataBytes(std::size_t timeWidth) const {
        return transitions * (timeWidth + 1) + types * 6 + characters + leaps * (timeWidth + 4) + standardIndicators +
               utIndicators;
    }
};

// "TZif", the version, 15 bytes reserved and the six counts.
Counts ReadHeader(FieldReader& in, unsigned char& version) {
    constexpr std::size_t headerBytes = 44;
    if (!in.Holds(headerBytes)) throw Damage{"is cut short"};
    const auto magic = in.Take(4);
    if (!std::equal(magic.begin(), magic.end(), "TZif")) {
        throw Damage{"is not a compiled zone file (it does not start with TZif)"};
    }
    version = in.Take(1)[0];
    if (version != 0 && version < '2') throw Damage{"is damaged (an unknown version)"};
    in.Take(15);
    Counts counts{};
    for (std::uint64_t* count : {&counts.utIndicators, &counts.standardIndicators, &counts.leaps, &counts.transitions,
                                 &counts.types, &counts.characters}) {
        *count = in.Unsigned(4);
    }
    if (counts.types == 0 || counts.characters == 0) throw Damage{"is damaged (it names no clock)"};
    if ((counts.utIndicators != 0 && counts.utIndicators != counts.types) ||
        (counts.standardIndicators != 0 && counts.standardIndicators != counts.types)) {
        throw Damage{"is damaged (its counts disagree)"};
    }
    return counts;
}

// Version 2 and later files repeat the data with 64-bit times after the 32-bit block; those are read.
ZoneHistory ParseZoneFile(std::span<const unsigned char> bytes) {
    FieldReader in(bytes);
    unsigned char version = 0;
    Counts counts = ReadHeader(in, version);
    std::size_t timeWidth = 4;
    if (version != 0) {
        if (!in.Holds(counts.DataBytes(timeWidth))) throw Damage{"is cut short"};
        in.Take(counts.DataBytes(timeWidth));
        counts = ReadHeader(in, version);
        timeWidth = 8;
    }
    if (!in.Holds(counts.DataBytes(timeWidth))) throw Damage{"is cut short"};

    std::vector<std::int64_t> times(counts.transitions);
    for (auto& time : times) time = std::max(in.Signed(timeWidth), kEarliestSeconds);
    if (std::adjacent_find(times.begin(), times.end(), std::greater_equal<>()) != times.end()) {
        throw Damage{"is damaged (its changes of clock are out of order)"};
    }
    std::vector<std::size_t> typeOfTime(counts.transitions);
    for (auto& type : typeOfTime) {
        type = in.Unsigned(1);
        if (type >= counts.types) throw Damage{"is damaged (a change of clock names no clock)"};
    }
    struct RawType {
        std::int64_t offset;
        bool daylightSaving;
        std::size_t abbreviationAt;
    };
    std::vector<RawType> rawTypes(counts.types);
    for (auto& type : rawTypes) {
        type.offset = in.Signed(4);
        const auto daylightSaving = in.Unsigned(1);
        type.abbreviationAt = in.Unsigned(1);
        // RFC 8536's range of offsets, just over a day either way.
        if (type.offset < -89999 || type.offset > 93599 || daylightSaving > 1 ||
            type.abbreviationAt >= counts.characters) {
            throw Damage{"is damaged (a clock out of range)"};
        }
        type.daylightSaving = daylightSaving == 1;
    }
    const auto characters = in.Take(counts.characters);
    std::vector<ZonePeriod> clocks;
    for (const auto& type : rawTypes) {
        const auto start = characters.begin() + static_cast<std::ptrdiff_t>(type.abbreviationAt);
        const auto end = std::find(start, characters.end(), '\0');
        if (end == characters.end()) throw Damage{"is damaged (an abbreviation runs off its table)"};
        clocks.push_back({0, static_cast<std::int32_t>(type.offset), type.daylightSaving, std::string(start, end)});
    }

    ZoneHistory history;
    if (times.empty() || times.front() != kEarliestSeconds) {
        const auto standard = std::find_if(clocks.begin(), clocks.end(), [](const auto& c) { return !c.DaylightSaving; });
        history.push_back(standard != clocks.end() ? *standard : clocks.front());
        history.back().BeginSeconds = kEarliestSeconds;
    }
    for (std::size_t i = 0; i < times.size(); ++i) {
        const ZonePeriod& clock = clocks[typeOfTime[i]];
        if (!history.empty() && history.back().OffsetSeconds == clock.OffsetSeconds &&
            history.back().DaylightSaving == clock.DaylightSaving && history.back().Abbreviation == clock.Abbreviation) {
            continue;
        }
        history.push_back(clock);
        history.back().BeginSeconds = times[i];
    }
    return history;
}

}  // namespace

std::filesystem::path ZoneFolder() {
    const char* folder = std::getenv("TZDIR");
    return folder && *folder ? folder : "/usr/share/zoneinfo";
}

std::variant<ZoneHistory, std::string> ReadZoneFile(const std::filesystem::path& folder, std::string_view zoneName) {
    if (!SoundZoneName(zoneName)) return NotInDatabase(zoneName);
    const auto path = folder / zoneName;
    auto bytes = ReadRegularFile(path, zoneName);
    if (auto* message = std::get_if<std::string>(&bytes)) return std::move(*message);
    try {
        return ParseZoneFile(std::get<std::vector<unsigned char>>(bytes));
    } catch (const Damage& damage) {
        return FileProblem(path, damage.what);
    }
}

std::variant<std::shared_ptr<const ZoneHistory>, std::string> LoadZone(std::string_view zoneName) {
    static std::mutex mutex;
    static std::map<std::string, std::shared_ptr<const ZoneHistory>, std::less<>> loaded;
    const auto folder = ZoneFolder();
    const std::string key = (folder / zoneName).string();
    {
        const std::lock_guard lock(mutex);
        if (const auto found = loaded.find(key); found != loaded.end()) return found->second;
    }
    // Read outside the lock, so threads wanting different zones read them at once.
    auto read = ReadZoneFile(folder, zoneName);
    if (auto* message = std::get_if<std::string>(&read)) return std::move(*message);
    auto history = std::make_shared<const ZoneHistory>(std::move(std::get<ZoneHistory>(read)));
    const std::lock_guard lock(mutex);
    return loaded.try_emplace(key, std::move(history)).first->second;
}

}  // namespace grahavani
