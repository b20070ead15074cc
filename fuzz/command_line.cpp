// Runs grahavani-chart on any argument vector (the input split at NUL bytes): it must
// end with status 0, 1 or 2, and write nothing to standard output for bad arguments.
// It runs in a folder of its own holding a chart file and a batch, and no argument may
// hold a slash, so every file it names or writes stays in that folder.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "chart_command.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* ChartFileBytes =
    "Asha Rao\r\n15\r\nAugust\r\n1947\r\n0\r\n0\r\n28\r\n39\r\nNorth\r\n77\r\n13\r\nEast\r\n"
    "New Delhi\r\nDelhi\r\nIndia\r\n";
constexpr const char* BatchBytes =
    "{\"Name\":\"A\",\"Day\":15,\"Month\":8,\"Year\":1947,\"Hour\":0,\"Minute\":0,"
    "\"ZoneHours\":5,\"ZoneMinutes\":30,\"LongitudeDegrees\":77,\"LongitudeMinutes\":13,"
    "\"LatitudeDegrees\":28,\"LatitudeMinutes\":39,\"IsEast\":true,\"IsSouth\":false,"
    "\"DaylightSaving\":false,\"City\":\"C\",\"State\":\"S\",\"Country\":\"I\"}\nnot json\n";

// A folder of its own under the temporary folder, removed when the fuzzer ends.
const fs::path& Folder() {
    static const struct OwnFolder {
        OwnFolder() {
            std::string name = (fs::temp_directory_path() / "grahavani-fuzz-XXXXXX").string();
            if (!::mkdtemp(name.data())) std::abort();
            path = name;
        }
        ~OwnFolder() {
            std::error_code ignored;
            fs::remove_all(path, ignored);
        }
        fs::path path;
    } folder;
    return folder.path;
}

// Enters the folder as every run starts, the two input files and nothing else in it;
// leaves it at the end, so the fuzzer's own files stay where it was started.
class InFolder {
public:
    InFolder() : started_(fs::current_path()) {
        for (const auto& entry : fs::directory_iterator(Folder())) fs::remove_all(entry.path());
        fs::current_path(Folder());
        std::ofstream("chart.gvc", std::ios::binary) << ChartFileBytes;
        std::ofstream("births.jsonl", std::ios::binary) << BatchBytes;
    }
    ~InFolder() { fs::current_path(started_); }
    InFolder(const InFolder&) = delete;
    InFolder& operator=(const InFolder&) = delete;

private:
    fs::path started_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string bytes(reinterpret_cast<const char*>(data), size);
    std::replace(bytes.begin(), bytes.end(), '/', '_');
    std::vector<std::string> args = {"grahavani-chart"};
    for (std::size_t start = 0; start <= bytes.size() && args.size() < 64;) {
        const std::size_t end = std::min(bytes.find('\0', start), bytes.size());
        args.push_back(bytes.substr(start, end - start));
        start = end + 1;
    }
    std::vector<const char*> argv;
    for (const auto& arg : args) argv.push_back(arg.c_str());

    const InFolder folder;
    std::ostringstream out, err;
    const int status =
        grahavani::RunChartCommand(static_cast<int>(argv.size()), argv.data(), out, err);
    if (status < 0 || status > 2) std::abort();
    if (status == 2 && !out.str().empty()) std::abort();
    return 0;
}
