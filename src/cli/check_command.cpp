#include "cli/check_command.h"

#include "cli/data_check.h"
#include "cli/exit_code.h"
#include "cli/game_check.h"
#include "cli/weapon_io.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <atomic>
#include <thread>

namespace wepn {
namespace {

// What checking one file found: a failure, or the load's warnings; and with
// --game, what running it as the game does found.
struct CheckResult {
    std::optional<Failure> failure;
    std::vector<LoadWarning> warnings;
    GameCheck game;
};

CheckResult checkFile(const std::string& file, bool game) {
    CheckResult result;
    Expected<LoadOutcome, Failure> loaded = loadWeaponFile(file, std::nullopt);
    if (loaded) {
        result.warnings = std::move(loaded->warnings);
    } else {
        result.failure = loaded.error();
    }
    if (game) {
        result.game = checkFileAsGame(file);
    }
    return result;
}

// Checks every file, spreading them over the processor's cores: files are
// independent, and a batch of thousands is mostly reading and parsing.
std::vector<CheckResult> checkFiles(const std::vector<std::string>& files, bool game) {
    std::vector<CheckResult> results(files.size());
    std::atomic<std::size_t> next{0};
    const auto work = [&] {
        for (std::size_t i = next++; i < files.size(); i = next++) {
            results[i] = checkFile(files[i], game);
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
    sub->add_option("FILE", m_files, "Weapon scripts (.wepn); '-' reads standard input")
        ->required()
        ->type_name("");
    sub->add_flag("-q,--quiet", m_quiet, "Print only problems, not 'FILE: ok'");
    sub->add_flag("--game", m_game,
                  "Also run each file as the game does, in Lua, and report an error that stops "
                  "the game and every value the game receives otherwise than the editor shows");
    sub->add_option("--data", m_dataDir,
                    "Data directory: also warn about what its family list and weapon-fire "
                    "folders lack, and about impact results the window does not offer")
        ->type_name("DIR");
    sub->add_flag("--strict", m_strict, "With --data: a warning fails the file")->needs("--data");
    return sub;
}

int CheckCommand::execute(std::ostream& out, std::ostream& err) {
    if (std::optional<std::string> twice = standardInputTwice(m_files)) {
        printToolError(err, "check: " + *twice);
        return kExitUsage;
    }
    if (m_game && std::count(m_files.begin(), m_files.end(), kStandardStream) != 0) {
        printToolError(err, "check: --game cannot read standard input ('-')");
        return kExitUsage;
    }
    if (m_dataDir) {
        return checkAgainstData(m_files, *m_dataDir, {m_strict, m_game, m_quiet}, out, err);
    }
    const std::vector<CheckResult> results = checkFiles(m_files, m_game);
    int code = kExitOk;
    for (std::size_t i = 0; i < m_files.size(); ++i) {
        const CheckResult& result = results[i];
        if (result.failure) {
            printFailure(err, m_files[i], *result.failure);
        } else if (!result.game.error && !m_quiet) {
            out << m_files[i] << ": ok\n";
        }
        printWarnings(err, m_files[i], result.warnings);
        printGameCheck(err, m_files[i], result.game);
        if (result.failure || result.game.error) {
            code = kExitFileFailed;
        }
    }
    return code;
}

} // namespace wepn
