#include "files/save_interruption.h"

#include <array>
#include <atomic>
#include <climits>
#include <csignal>
#include <cstdint>
#include <cstring>
#include <ctime>
#include <pthread.h>
#include <string_view>
#include <unistd.h>

namespace wepn {
namespace {

constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};

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
std::atomic<BatchProgress*> g_batch{nullptr};
thread_local std::size_t t_batchFile = SIZE_MAX;

void writeOut(std::string_view text) {
    while (!text.empty()) {
        const ssize_t n = ::write(STDERR_FILENO, text.data(), text.size());
        if (n <= 0) {
            return;
        }
        text.remove_prefix(static_cast<std::size_t>(n));
    }
}

// The decimal digits of `n`, into `digits`, as a view of its end.
std::string_view decimal(std::size_t n, std::array<char, 24>& digits) {
    std::size_t at = digits.size();
    do {
        digits[--at] = static_cast<char>('0' + n % 10);
        n /= 10;
    } while (n != 0);
    return {digits.data() + at, digits.size() - at};
}

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
    if (const BatchProgress* batch = g_batch.load()) {
        batch->reportInterruption();
    }
    _exit(128 + signal);
}

} // namespace

void installSaveInterruptionHandlers() {
    struct sigaction action {};
    action.sa_handler = &endOnSignal;
    action.sa_mask = savedSignals(); // one handler at a time
    // A file past the size limit (ulimit -f) makes the write fail with
    // EFBIG, which the save reports and cleans up after, instead of a kill.
    ::signal(SIGXFSZ, SIG_IGN);
    for (int signal : kSignals) {
        struct sigaction old {};
        // A signal the caller's parent chose to ignore stays ignored.
        if (sigaction(signal, nullptr, &old) == 0 && old.sa_handler == SIG_IGN) {
            continue;
        }
        sigaction(signal, &action, nullptr);
    }
}

bool interruptionUnderway() {
    return g_ending.load();
}

BatchProgress::BatchProgress(std::vector<std::string> shownNames)
    : m_names(std::move(shownNames)), m_finished(new std::atomic<bool>[m_names.size()] {}) {
    g_batch.store(this);
}

BatchProgress::~BatchProgress() {
    const detail::UninterruptedStep ending;
    while (!ending.ok()) {
        // The handler on another thread reads this batch, and ends the process.
        ::pause();
    }
    g_batch.store(nullptr);
}

void BatchProgress::working(std::size_t file) {
    t_batchFile = file;
}

void BatchProgress::finished(std::size_t file) {
    t_batchFile = SIZE_MAX;
    // Once an interruption has begun, saves fail without committing: what
    // finishes then was not edited.
    const detail::UninterruptedStep step;
    if (step.ok()) {
        m_finished[file].store(true);
    }
}

void BatchProgress::reportInterruption() const {
    std::size_t done = 0;
    for (std::size_t i = 0; i < m_names.size(); ++i) {
        done += m_finished[i].load() ? 1 : 0;
    }
    std::array<char, 24> digits{};
    writeOut("wepn: interrupted after ");
    writeOut(decimal(done, digits));
    writeOut(" of ");
    writeOut(decimal(m_names.size(), digits));
    writeOut(" files");
    if (done < m_names.size()) {
        writeOut(";");
        for (std::size_t i = 0; i < m_names.size(); ++i) {
            if (!m_finished[i].load()) {
                writeOut(" ");
                writeOut(m_names[i]);
            }
        }
        writeOut(" were not edited");
    }
    writeOut("\n");
}

namespace detail {

void noteCommitted() {
    BatchProgress* batch = g_batch.load();
    if (batch != nullptr && t_batchFile != SIZE_MAX) {
        batch->m_finished[t_batchFile].store(true);
    }
}

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
