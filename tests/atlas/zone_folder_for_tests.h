#pragma once
// A tz database folder for tests, as TZDIR names one: copies of the system's zone files, and
// zone files damaged on purpose.

#include <sys/stat.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace grahavani::test {

enum class ZoneDamage { Empty, CutShort, Garbage, BadClockIndex, Fifo, Folder };

class ZoneFolderForTests {
public:
    ZoneFolderForTests() {
        std::string pattern = (std::filesystem::temp_directory_path() / "grahavani-zones-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data());
    }
    ~ZoneFolderForTests() { std::filesystem::remove_all(path_); }
    ZoneFolderForTests(const ZoneFolderForTests&) = delete;
    ZoneFolderForTests& operator=(const ZoneFolderForTests&) = delete;

    const std::filesystem::path& Path() const { return path_; }

    void Copy(const std::string& zone) { Write(zone, SystemZone(zone)); }

    // The zone's file replaced by a damaged one made from Asia/Kolkata's.
    void Damage(const std::string& zone, ZoneDamage damage) {
        const auto file = path_ / zone;
        std::filesystem::remove_all(file);
        std::filesystem::create_directories(file.parent_path());
        std::vector<char> bytes = SystemZone("Asia/Kolkata");
        switch (damage) {
            case ZoneDamage::Empty: bytes.clear(); break;
            case ZoneDamage::CutShort: bytes.resize(bytes.size() / 3); break;
            case ZoneDamage::Garbage: bytes.assign(300, 'x'); break;
            case ZoneDamage::BadClockIndex: bytes[FirstClockIndexAt(bytes)] = '\x7f'; break;
            case ZoneDamage::Fifo: ::mkfifo(file.c_str(), 0600); return;
            case ZoneDamage::Folder: std::filesystem::create_directory(file); return;
        }
        Write(zone, bytes);
    }

private:
    static std::vector<char> SystemZone(const std::string& zone) {
        std::ifstream in("/usr/share/zoneinfo/" + zone, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    static std::uint32_t Count(const std::vector<char>& bytes, std::size_t headerAt, int which) {
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i) value = value << 8 | static_cast<unsigned char>(bytes[headerAt + 20 + 4 * which + i]);
        return value;
    }

    // Where the 64-bit block's first change of clock names its clock (version 2 and later files).
    static std::size_t FirstClockIndexAt(const std::vector<char>& bytes) {
        const auto v1 = [&](int which) { return std::size_t{Count(bytes, 0, which)}; };
        const std::size_t secondHeader = 44 + v1(3) * 5 + v1(4) * 6 + v1(5) + v1(2) * 8 + v1(1) + v1(0);
        return secondHeader + 44 + std::size_t{Count(bytes, secondHeader, 3)} * 8;
    }

    void Write(const std::string& zone, const std::vector<char>& bytes) {
        const auto file = path_ / zone;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary | std::ios::trunc).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }

    std::filesystem::path path_;
};

}  // namespace grahavani::test
