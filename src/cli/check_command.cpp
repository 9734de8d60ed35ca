#include "cli/check_command.h"

#include "cli/data_check.h"
#include "cli/exit_code.h"
#include "cli/file_list.h"
#include "cli/game_check.h"
#include "cli/parallel_for.h"
#include "cli/weapon_io.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <iostream>

namespace wepn {
namespace {

// What checking one file found: a failure, or the load's warnings; and with
// --game, what running it as the game does found.
struct CheckResult {
    std::optional<Failure> failure;
    std::vector<LoadWarning> warnings;
    GameCheck game;
};

CheckResult checkFile(const std::string& file, bool game, std::string& buffer) {
    CheckResult result;
    Expected<LoadOutcome, Failure> loaded = loadWeaponFile(file, std::nullopt, buffer);
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

// Checks a batch of files, spreading them over the usable cores: files are
// independent, and a batch is mostly reading and parsing. Each thread reads
// into one buffer of its own.
void checkFiles(const std::vector<std::string>& files, bool game,
                std::vector<CheckResult>& results) {
    results.assign(files.size(), CheckResult{});
    parallelFor(files.size(), [&](std::size_t i) {
        thread_local std::string buffer;
        results[i] = checkFile(files[i], game, buffer);
    });
}

} // namespace

CLI::App* CheckCommand::addTo(CLI::App& app) {
    CLI::App* sub = app.add_subcommand("check", "Check that weapon scripts load");
    sub->add_option("FILE", m_files, "Weapon scripts (.wepn); '-' reads standard input")
        ->type_name("");
    sub->add_flag("-q,--quiet", m_quiet, "Print only problems, not 'FILE: ok'");
    sub->add_option("--files-from", m_filesFrom,
                    "Also check the files named in LIST, one a line ('-' for standard input)")
        ->type_name("LIST");
    sub->add_flag("-0,--null", m_nulSeparated,
                  "The names in LIST are separated by NUL bytes (as find -print0 writes them)")
        ->needs("--files-from");
    sub->callback([this] {
        if (m_files.empty() && !m_filesFrom) {
            throw CLI::RequiredError("FILE or --files-from");
        }
    });
    sub->add_flag("--game", m_game,
                  "Also run each file as the game does, in Lua, and report an error that stops "
                  "the game and every value the game receives otherwise than the editor shows");
    addDataOption(sub, "Data directory: also warn about what its family list and weapon-fire "
                       "folders lack, and about impact results the window does not offer");
    sub->add_flag("--strict", m_strict, "A warning of the load (or of --data) fails the file");
    return sub;
}

int CheckCommand::execute(std::ostream& out, std::ostream& err) {
    if (std::optional<std::string> twice = standardInputTwice(m_files)) {
        printToolError(err, "check: " + *twice);
        return kExitUsage;
    }
    const bool fileFromInput = std::count(m_files.begin(), m_files.end(), kStandardStream) != 0;
    if (m_game && fileFromInput) {
        printToolError(err, "check: --game cannot read standard input ('-')");
        return kExitUsage;
    }
    if (m_filesFrom && *m_filesFrom == kStandardStream && fileFromInput) {
        printToolError(err, "check: standard input ('-') given both as a file and as the list");
        return kExitUsage;
    }
    std::optional<DataCheck> data;
    if (m_dataDir) {
        Expected<DataCheck, std::string> read =
            DataCheck::read(*m_dataDir, {m_strict, m_game, m_quiet});
        if (!read) {
            printToolError(err, read.error());
            return kExitFileFailed;
        }
        data = std::move(read.value());
    }
    int code = kExitOk;
    std::vector<CheckResult> results;
    // Prints a batch's results in the batch's order.
    const auto report = [&](const std::vector<std::string>& files) {
        if (data) {
            if (!data->check(files, out, err)) {
                code = kExitFileFailed;
            }
            return;
        }
        checkFiles(files, m_game, results);
        for (std::size_t i = 0; i < files.size(); ++i) {
            const CheckResult& result = results[i];
            const bool failed =
                result.failure || result.game.error || (m_strict && !result.warnings.empty());
            if (result.failure) {
                printFailure(err, files[i], *result.failure);
            } else if (!failed && !m_quiet) {
                out << shownName(files[i]) << ": ok\n";
            }
            printWarnings(err, files[i], result.warnings, m_strict ? "error" : "warning");
            printGameCheck(err, files[i], result.game);
            if (failed) {
                code = kExitFileFailed;
            }
        }
    };
    report(m_files);
    if (m_filesFrom) {
        std::ifstream file;
        if (*m_filesFrom != "-") {
            file.open(*m_filesFrom);
            if (!file) {
                err << *m_filesFrom
                    << ": error: cannot read the list of files: " << std::strerror(errno) << '\n';
                return kExitFileFailed;
            }
        }
        std::istream& list = *m_filesFrom == "-" ? std::cin : file;
        // A batch at a time, so memory stays the same however long the list.
        constexpr std::size_t kBatch = 1024;
        FileList names(list, m_nulSeparated);
        std::vector<std::string> batch;
        std::vector<std::string> refused;
        while (names.read(kBatch, batch, refused)) {
            report(batch);
            for (const std::string& problem : refused) {
                err << shownName(*m_filesFrom) << ':' << problem << '\n';
                code = kExitFileFailed;
            }
        }
        if (list.bad()) {
            err << *m_filesFrom << ": error: the list of files could not be read to its end\n";
            return kExitFileFailed;
        }
    }
    return code;
}

} // namespace wepn
