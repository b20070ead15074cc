// grahavani-chart run as a process of its own: what signals and closed descriptors do to -o.
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "run_command.h"

namespace grahavani {
namespace {

namespace fs = std::filesystem;

constexpr const char* Record =
    R"({"Name":"A","Day":15,"Month":8,"Year":1947,"Hour":0,"Minute":0,"ZoneHours":5,)"
    R"("ZoneMinutes":30,"LongitudeDegrees":77,"LongitudeMinutes":13,"LatitudeDegrees":28,)"
    R"("LatitudeMinutes":39,"IsEast":true,"IsSouth":false,"DaylightSaving":false,)"
    R"("City":"C","State":"S","Country":"I"})";

// Starts grahavani-chart with the stopping signals at their default action, whatever the
// test runner ignores, and with the given standard descriptors closed.
pid_t StartChart(const std::vector<std::string>& args, const std::vector<int>& closed = {}) {
    std::vector<std::string> all = {GRAHAVANI_CHART};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& arg : all) argv.push_back(arg.data());
    argv.push_back(nullptr);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t signals;
    sigemptyset(&signals);
    posix_spawnattr_setsigmask(&attributes, &signals);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP, SIGPIPE}) sigaddset(&signals, signal);
    posix_spawnattr_setsigdefault(&attributes, &signals);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    for (const int descriptor : closed) posix_spawn_file_actions_addclose(&actions, descriptor);
    pid_t child = -1;
    EXPECT_EQ(::posix_spawn(&child, argv[0], &actions, &attributes, argv.data(), environ), 0);
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    return child;
}

int WaitFor(pid_t child) {
    int status = 0;
    ::waitpid(child, &status, 0);
    return status;
}

class InterruptedOutput : public ::testing::Test {
protected:
    void SetUp() override {
        std::signal(SIGPIPE, SIG_IGN);  // a run that ended early fails the write, not the test
        fs::create_directories(folder_);
        std::ofstream(target_) << "old";
    }
    void TearDown() override { fs::remove_all(folder_); }

    std::vector<fs::path> Temporaries() const {
        std::vector<fs::path> found;
        for (const auto& entry : fs::directory_iterator(folder_)) {
            if (entry.path().extension() == ".gvtmp") found.push_back(entry.path());
        }
        return found;
    }

    // A run writing a batch to the target, held in the middle of it by its input, a FIFO
    // left open; stopped with `signal` once its temporary file holds charts.
    int StopHeldBatch(int signal) {
        const fs::path fifo = folder_ / "births.fifo";
        fs::remove(fifo);
        EXPECT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
        const pid_t child = StartChart({"--batch", fifo.string(), "-o", target_.string()});
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        int writer = -1;  // not blocking on a run that never opens its input
        while ((writer = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC)) < 0 &&
               std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        ::fcntl(writer, F_SETFL, 0);
        std::string lines;
        for (int i = 0; i < 600; ++i) lines += std::string(Record) + "\n";
        EXPECT_EQ(::write(writer, lines.data(), lines.size()), static_cast<ssize_t>(lines.size()));
        const auto holdsCharts = [&] {
            std::error_code gone;
            const auto temporaries = Temporaries();
            return temporaries.size() == 1 && fs::file_size(temporaries[0], gone) > 0 && !gone;
        };
        while (!holdsCharts() && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        ::kill(child, signal);
        const int status = WaitFor(child);
        ::close(writer);
        return status;
    }

    std::string Target() const {
        std::ifstream file(target_, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), {});
    }

    const fs::path folder_ = fs::temp_directory_path() / ("grahavani-signal-" + std::to_string(::getpid()));
    const fs::path target_ = folder_ / "charts.jsonl";
};

TEST_F(InterruptedOutput, SignalsRemoveTheTemporaryFileAndEndTheRunAsTheyWould) {
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        const int status = StopHeldBatch(signal);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << signal;
        EXPECT_EQ(Temporaries(), std::vector<fs::path>{}) << signal;
        EXPECT_EQ(Target(), "old");
    }
}

TEST_F(InterruptedOutput, TheNextRunRemovesWhatAKilledRunLeftForItsTarget) {
    StopHeldBatch(SIGKILL);
    const auto killedRuns = Temporaries();
    ASSERT_EQ(killedRuns.size(), 1u);
    // Another target's leftover of the same killed run, and one of a process still running.
    const std::string killedPid = killedRuns[0].stem().stem().extension().string();
    const fs::path otherTarget = folder_ / (".other.jsonl" + killedPid + ".AbCdEf.gvtmp");
    const fs::path running = folder_ / (".charts.jsonl." + std::to_string(::getpid()) + ".AbCdEf.gvtmp");
    std::ofstream(otherTarget) << "other";
    std::ofstream(running) << "running";

    const auto run = test::RunCommand({"--list-zones", "-o", target_.string()});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_FALSE(fs::exists(killedRuns[0]));
    EXPECT_TRUE(fs::exists(otherTarget));
    EXPECT_TRUE(fs::exists(running));
    EXPECT_NE(Target(), "old");
}

TEST_F(InterruptedOutput, ClosedStandardDescriptorsTakeNoMessageIntoTheOutput) {
    const fs::path batch = folder_ / "births.jsonl";
    std::ofstream(batch) << "not json\n" << Record << "\n";
    const int status =
        WaitFor(StartChart({"--batch", batch.string(), "--no-timing", "-o", target_.string()}, {1, 2}));
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1);
    std::ifstream written(target_);
    int lines = 0;
    for (std::string line; std::getline(written, line); ++lines) {
        EXPECT_TRUE(nlohmann::json::accept(line)) << line.substr(0, 80);
    }
    EXPECT_EQ(lines, 2);

    // A report for a closed standard output is still lost, and says so by its status.
    const int closedOutput = WaitFor(StartChart({"--list-zones"}, {1, 2}));
    EXPECT_TRUE(WIFEXITED(closedOutput) && WEXITSTATUS(closedOutput) == 1);
}

}  // namespace
}  // namespace grahavani
