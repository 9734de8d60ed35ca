#include "cli/data_check.h"

#include "cli/exit_code.h"
#include "cli/failure.h"
#include "cli/game_check.h"
#include "cli/latin1.h"
#include "cli/weapon_io.h"
#include "files/directory_listing.h"
#include "files/path_mapping.h"
#include "model/result_choices.h"
#include "model/text_tokens.h"

#include <algorithm>

namespace wepn {
namespace {

std::vector<std::string> weaponFireFolders(const std::string& dataDir) {
    std::vector<std::string> folders;
    const std::string native = toNativePath(dataDir + "\\Scripts\\Weaponfire");
    for (DirectoryEntry& entry : listNativeEntries(native, EntryKinds::FilesAndDirectories)) {
        if (entry.directory) {
            folders.push_back(std::move(entry.name));
        }
    }
    return folders;
}

bool offered(std::span<const std::string_view> choices, std::string_view value) {
    return std::find(choices.begin(), choices.end(), value) != choices.end();
}

std::string listed(std::span<const std::string_view> choices) {
    std::string text;
    for (std::string_view choice : choices) {
        text += (text.empty() ? "" : ", ") + std::string(choice);
    }
    return text;
}

// What the game data says about a loaded weapon, in UTF-8.
std::vector<std::string> dataWarnings(const WeaponState& state,
                                      const std::vector<std::string>& folders) {
    std::vector<std::string> warnings;
    const std::string& fire = state.CurrentWeapon.sWeaponFireName;
    if (std::none_of(folders.begin(), folders.end(),
                     [&](const std::string& folder) { return equalsIgnoringCase(folder, fire); })) {
        warnings.push_back("the weapon-fire effect '" + latin1ToUtf8(fire) +
                           "' has no folder under Scripts\\Weaponfire");
    }
    for (std::size_t i = 0; i < state.Results.size(); ++i) {
        const WeaponResult& result = state.Results[i];
        const std::string where = "impact result " + std::to_string(i + 1) + ": ";
        if (!offered(resultConditionChoices(), result.sCondition)) {
            warnings.push_back(where + "the condition '" + latin1ToUtf8(result.sCondition) +
                               "' is not one the window offers (" +
                               listed(resultConditionChoices()) + ")");
        }
        if (!offered(resultEffectChoices(), result.sEffect)) {
            warnings.push_back(where + "the effect '" + latin1ToUtf8(result.sEffect) +
                               "' is not one the window offers (" + listed(resultEffectChoices()) +
                               ")");
        }
    }
    return warnings;
}

} // namespace

int checkAgainstData(const std::vector<std::string>& files, const std::string& dataDir,
                     const DataCheckOptions& options, std::ostream& out, std::ostream& err) {
    Expected<std::optional<FamilyRows>, std::string> rows =
        readOptionalFamilyRows(std::optional<std::string>(dataDir));
    if (!rows) {
        printToolError(err, rows.error());
        return kExitFileFailed;
    }
    const std::vector<std::string> folders = weaponFireFolders(dataDir);
    int code = kExitOk;
    for (const std::string& file : files) {
        const Expected<LoadOutcome, Failure> loaded = loadWeaponFile(file, rows.value());
        const GameCheck gameCheck = options.game ? checkFileAsGame(file) : GameCheck{};
        if (!loaded) {
            printFailure(err, file, loaded.error());
            printGameCheck(err, file, gameCheck);
            code = kExitFileFailed;
            continue;
        }
        std::vector<std::string> warnings = dataWarnings(loaded->state, folders);
        const bool failed =
            gameCheck.error || (options.strict && !(warnings.empty() && loaded->warnings.empty()));
        if (!failed && !options.quiet) {
            out << file << ": ok\n";
        }
        printWarnings(err, file, loaded->warnings);
        for (const std::string& warning : warnings) {
            err << file << ": warning: " << warning << '\n';
        }
        printGameCheck(err, file, gameCheck);
        if (failed) {
            code = kExitFileFailed;
        }
    }
    return code;
}

} // namespace wepn
