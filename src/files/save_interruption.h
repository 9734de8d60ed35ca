#pragma once

#include <atomic>
#include <csignal>
#include <memory>
#include <string>
#include <vector>

namespace wepn {

/// Makes SIGINT, SIGTERM, SIGHUP and SIGQUIT end the process cleanly while files are
/// being saved: the temporary files of saves in progress are removed, a
/// commit under way (the rename, or the copy into a hard-linked file) is
/// finished first, and the process exits with 128 + the signal's number.
/// Without this, saves still never leave a broken target, but an interrupted
/// one leaves its temporary file behind. SIGXFSZ is ignored, so a file past
/// the size limit fails with EFBIG like any failed write.
void installSaveInterruptionHandlers();

namespace detail {
/// A save of the calling thread's current batch file has been committed;
/// called inside the commit's uninterrupted step.
void noteCommitted();
} // namespace detail

/// Whether a signal is ending the process: what fails meanwhile failed for
/// that, and is not worth a message.
bool interruptionUnderway();

/// The files one run is editing, so that an interruption says where it
/// stopped: "wepn: interrupted after N of M files; FILE... were not edited",
/// on standard error, before the process exits. One batch at a time.
class BatchProgress {
  public:
    /// `shownNames`: each file as the messages show it, in order.
    explicit BatchProgress(std::vector<std::string> shownNames);
    ~BatchProgress();
    BatchProgress(const BatchProgress&) = delete;
    BatchProgress& operator=(const BatchProgress&) = delete;

    /// The calling thread works on file `file` now: a save it commits
    /// finishes that file.
    static void working(std::size_t file);
    /// File `file` is done: edited, left as it was, or failed.
    void finished(std::size_t file);

    /// Writes the message; async-signal-safe.
    void reportInterruption() const;

  private:
    friend void detail::noteCommitted();

    std::vector<std::string> m_names;
    std::unique_ptr<std::atomic<bool>[]> m_finished;
};

namespace detail {

/// Registers a temporary file for removal on interruption for as long as the
/// object lives. `ok()` is false when too many saves are in progress at once.
class TemporaryFileRegistration {
  public:
    explicit TemporaryFileRegistration(const std::string& path);
    ~TemporaryFileRegistration();
    TemporaryFileRegistration(const TemporaryFileRegistration&) = delete;
    TemporaryFileRegistration& operator=(const TemporaryFileRegistration&) = delete;

    bool ok() const { return m_slot >= 0; }

  private:
    int m_slot = -1;
};

/// A step of a save that an interruption must not cut, and waits for: the
/// commit (the target is never left half committed), and the creation of the
/// temporary file (which an interruption on another thread would otherwise
/// miss, and leave behind). The signals are blocked in this thread meanwhile,
/// so the handler cannot run inside the step it waits for. `ok()` is false
/// when the process is already ending: the caller must not take the step.
class UninterruptedStep {
  public:
    UninterruptedStep();
    ~UninterruptedStep();
    UninterruptedStep(const UninterruptedStep&) = delete;
    UninterruptedStep& operator=(const UninterruptedStep&) = delete;

    bool ok() const { return m_entered; }

  private:
    bool m_entered = false;
    sigset_t m_oldMask;
};

} // namespace detail
} // namespace wepn
