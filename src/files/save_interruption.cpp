#include "files/save_interruption.h"

#include <array>
#include <atomic>
#include <climits>
#include <csignal>
#include <cstring>
#include <ctime>
#include <pthread.h>
#include <unistd.h>

namespace wepn {
namespace {

constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};

// Saves in flight at one time; a few per core is all the tool uses.
constexpr int kSlots = 256;

enum SlotState : int { kFree, kFilling, kReady };

// Every member starts zeroed, so the slots are set up before the program
// runs (in zeroed memory) instead of by code touching each slot's page at
// every start.
struct Slot {
    std::atomic<int> state{kFree};
    char path[PATH_MAX]{};
};

std::array<Slot, kSlots> g_slots;
std::atomic<int> g_stepsInProgress{0};
std::atomic<bool> g_ending{false};

sigset_t savedSignals() {
    sigset_t set;
    sigemptyset(&set);
    for (int signal : kSignals) {
        sigaddset(&set, signal);
    }
    return set;
}

// Only async-signal-safe calls: atomics, nanosleep, unlink, _exit.
void endOnSignal(int signal) {
    g_ending.store(true);
    while (g_stepsInProgress.load() > 0) {
        const timespec pause{0, 1'000'000};
        nanosleep(&pause, nullptr);
    }
    for (Slot& slot : g_slots) {
        if (slot.state.load() == kReady) {
            ::unlink(slot.path);
        }
    }
    _exit(128 + signal);
}

} // namespace

void installSaveInterruptionHandlers() {
    struct sigaction action {};
    action.sa_handler = &endOnSignal;
    action.sa_mask = savedSignals(); // one handler at a time
    for (int signal : kSignals) {
        struct sigaction old {};
        // A signal the caller's parent chose to ignore stays ignored.
        if (sigaction(signal, nullptr, &old) == 0 && old.sa_handler == SIG_IGN) {
            continue;
        }
        sigaction(signal, &action, nullptr);
    }
}

namespace detail {

TemporaryFileRegistration::TemporaryFileRegistration(const std::string& path) {
    if (path.size() >= PATH_MAX) {
        return;
    }
    for (int i = 0; i < kSlots; ++i) {
        int expected = kFree;
        if (g_slots[i].state.compare_exchange_strong(expected, kFilling)) {
            std::memcpy(g_slots[i].path, path.c_str(), path.size() + 1);
            g_slots[i].state.store(kReady);
            m_slot = i;
            return;
        }
    }
}

TemporaryFileRegistration::~TemporaryFileRegistration() {
    if (m_slot >= 0) {
        g_slots[m_slot].state.store(kFree);
    }
}

UninterruptedStep::UninterruptedStep() {
    const sigset_t block = savedSignals();
    pthread_sigmask(SIG_BLOCK, &block, &m_oldMask);
    g_stepsInProgress.fetch_add(1);
    if (g_ending.load()) {
        // A handler on another thread is already cleaning up and waits for
        // steps in progress; this one must not begin.
        g_stepsInProgress.fetch_sub(1);
        return;
    }
    m_entered = true;
}

UninterruptedStep::~UninterruptedStep() {
    if (m_entered) {
        g_stepsInProgress.fetch_sub(1);
    }
    pthread_sigmask(SIG_SETMASK, &m_oldMask, nullptr); // a pending signal is handled here
}

} // namespace detail
} // namespace wepn
