#include "cli/check_command.h"

#include "cli/exit_code.h"
#include "cli/weapon_io.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <atomic>
#include <thread>

namespace wepn {
namespace {

// What checking one file found: a failure, or the load's warnings.
struct CheckResult {
    std::optional<Failure> failure;
    std::vector<LoadWarning> warnings;
};

CheckResult checkFile(const std::string& file) {
    Expected<LoadOutcome, Failure> loaded = loadWeaponFile(file, std::nullopt);
    if (!loaded) {
        return {loaded.error(), {}};
    }
    return {std::nullopt, std::move(loaded->warnings)};
}

// Checks every file, spreading them over the processor's cores: files are
// independent, and a batch of thousands is mostly reading and parsing.
std::vector<CheckResult> checkFiles(const std::vector<std::string>& files) {
    std::vector<CheckResult> results(files.size());
    std::atomic<std::size_t> next{0};
    const auto work = [&] {
        for (std::size_t i = next++; i < files.size(); i = next++) {
            results[i] = checkFile(files[i]);
        }
    };
    constexpr std::size_t kFilesPerThread = 64;
    const std::size_t threads = std::min<std::size_t>(
        std::max(1u, std::thread::hardware_concurrency()), files.size() / kFilesPerThread + 1);
    std::vector<std::jthread> helpers;
    for (std::size_t t = 1; t < threads; ++t) {
        helpers.emplace_back(work);
    }
    work();
    return results;
}

} // namespace

CLI::App* CheckCommand::addTo(CLI::App& app) {
    CLI::App* sub = app.add_subcommand("check", "Check that weapon scripts load");
    sub->add_option("FILE", m_files, "Weapon scripts (.wepn)")->required();
    return sub;
}

int CheckCommand::execute(std::ostream& out, std::ostream& err) {
    const std::vector<CheckResult> results = checkFiles(m_files);
    int code = kExitOk;
    for (std::size_t i = 0; i < m_files.size(); ++i) {
        if (results[i].failure) {
            printFailure(err, m_files[i], *results[i].failure);
            code = kExitFileFailed;
            continue;
        }
        out << m_files[i] << ": ok\n";
        printWarnings(err, m_files[i], results[i].warnings);
    }
    return code;
}

} // namespace wepn
