#pragma once
// A folder of ephemeris files for one test, its planet file damaged or missing, that
// SE_EPHE_PATH names while the folder lives. The library sets itself up again for a new
// SE_EPHE_PATH, so a folder of its own per case keeps the cases apart.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace grahavani::test {

enum class PlanetFile { Empty, Truncated, WebPage, Missing };

class EphemerisFolder {
public:
    EphemerisFolder(const std::string& name, PlanetFile planetFile)
        : folder_(std::filesystem::path(::testing::TempDir()) / ("ephemeris-" + name)) {
        namespace fs = std::filesystem;
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        // Debian's swe-basic-data; the Moon's file stays whole.
        const fs::path installed = "/usr/share/libswe/ephe";
        fs::create_symlink(installed / "semo_18.se1", folder_ / "semo_18.se1");
        if (planetFile != PlanetFile::Missing) {
            std::string bytes;
            if (planetFile == PlanetFile::Truncated) {
                bytes.resize(300);
                std::ifstream(installed / "sepl_18.se1", std::ios::binary).read(bytes.data(), 300);
            } else if (planetFile == PlanetFile::WebPage) {
                bytes = "<!DOCTYPE html>\n<html><head><title>404 Not Found</title></head>"
                        "<body><h1>Not Found</h1></body></html>\n";
            }
            std::ofstream(PlanetFilePath(), std::ios::binary) << bytes;
        }
        setenv("SE_EPHE_PATH", folder_.c_str(), 1);
    }
    ~EphemerisFolder() {
        unsetenv("SE_EPHE_PATH");
        std::filesystem::remove_all(folder_);
    }
    EphemerisFolder(const EphemerisFolder&) = delete;
    EphemerisFolder& operator=(const EphemerisFolder&) = delete;

    std::string PlanetFilePath() const { return (folder_ / "sepl_18.se1").string(); }

private:
    std::filesystem::path folder_;
};

}  // namespace grahavani::test
