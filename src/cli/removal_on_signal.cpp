#include "removal_on_signal.h"

#include <array>
#include <atomic>
#include <climits>
#include <csignal>
#include <cstring>
#include <unistd.h>

namespace grahavani {

namespace {

constexpr std::array<int, 3> StoppingSignals = {SIGINT, SIGTERM, SIGHUP};

// The handler may read only what was complete before it was armed.
char pathToRemove[PATH_MAX];
std::atomic<bool> armed{false};
static_assert(std::atomic<bool>::is_always_lock_free);
std::array<struct sigaction, StoppingSignals.size()> earlier{};

void RemoveAndStop(int signal) {
    if (armed.load()) ::unlink(pathToRemove);
    // SA_RESETHAND gave the signal back its default action: raised again, it ends the
    // program once this handler returns, with the signal's own exit status.
    ::raise(signal);
}

}  // namespace

RemovalOnSignal::RemovalOnSignal(const std::string& path) {
    if (path.size() >= sizeof pathToRemove) return;  // too long to be made anyway
    std::memcpy(pathToRemove, path.c_str(), path.size() + 1);
    armed.store(true);
    struct sigaction action {};
    action.sa_handler = RemoveAndStop;
    sigemptyset(&action.sa_mask);
    for (const int signal : StoppingSignals) sigaddset(&action.sa_mask, signal);
    action.sa_flags = SA_RESETHAND;
    for (std::size_t i = 0; i < StoppingSignals.size(); ++i) {
        ::sigaction(StoppingSignals[i], nullptr, &earlier[i]);
        if (earlier[i].sa_handler != SIG_IGN) ::sigaction(StoppingSignals[i], &action, nullptr);
    }
}

RemovalOnSignal::~RemovalOnSignal() {
    if (!armed.load()) return;
    for (std::size_t i = 0; i < StoppingSignals.size(); ++i) {
        ::sigaction(StoppingSignals[i], &earlier[i], nullptr);
    }
    armed.store(false);
}

}  // namespace grahavani
