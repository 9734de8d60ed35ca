#include "cli/data_check.h"

#include "cli/failure.h"
#include "cli/files_in_order.h"
#include "cli/game_check.h"
#include "sheet/latin1.h"
#include "cli/parallel_for.h"
#include "cli/weapon_io.h"
#include "files/data_directory.h"
#include "files/directory_listing.h"
#include "files/path_mapping.h"
#include "model/result_choices.h"
#include "model/text_tokens.h"

#include <algorithm>
#include <span>

namespace wepn {
namespace {

std::vector<std::string> weaponFireFolders(const std::string& dataDir) {
    std::vector<std::string> folders;
    const std::string native = toNativePath(data_directory::weaponfireIn(dataDir));
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
                           "' has no folder under " + std::string(data_directory::kWeaponfire));
    }
    for (std::size_t i = 0; i < state.Results.size(); ++i) {
        const WeaponResult& result = state.Results[i];
        const std::string where = "impact result " + std::to_string(i + 1) + ": ";
        if (!offered(kResultConditions, result.sCondition)) {
            warnings.push_back(where + "the condition '" + latin1ToUtf8(result.sCondition) +
                               "' is not one the window offers (" + listed(kResultConditions) +
                               ")");
        }
        if (!offered(kResultEffects, result.sEffect)) {
            warnings.push_back(where + "the effect '" + latin1ToUtf8(result.sEffect) +
                               "' is not one the window offers (" + listed(kResultEffects) + ")");
        }
    }
    return warnings;
}

} // namespace

Expected<DataCheck, std::string> DataCheck::read(const std::string& dataDir,
                                                 const DataCheckOptions& options) {
    Expected<FamilyRows, std::string> rows = readFamilyRows(dataDir);
    if (!rows) {
        return rows.error();
    }
    DataCheck check;
    check.m_options = options;
    check.m_rows = std::move(rows.value());
    check.m_weaponFireFolders = weaponFireFolders(dataDir);
    return check;
}

bool DataCheck::check(const std::vector<std::string>& files, std::ostream& out,
                      std::ostream& err) const {
    return eachFileInOrder(
        files, out, err,
        [this](const std::string& file, std::ostream& fileOut, std::ostream& fileErr) {
            return checkFile(file, fileOut, fileErr);
        },
        ParallelShape{}, false);
}

bool DataCheck::checkFile(const std::string& file, std::ostream& out, std::ostream& err) const {
    const Expected<LoadOutcome, Failure> loaded = loadWeaponFile(file, m_rows);
    const GameCheck gameCheck = m_options.game ? checkFileAsGame(file) : GameCheck{};
    if (!loaded) {
        printFailure(err, file, loaded.error());
        printGameCheck(err, file, gameCheck);
        return false;
    }
    std::vector<std::string> warnings = dataWarnings(loaded->state, m_weaponFireFolders);
    const bool failed =
        gameCheck.error || (m_options.strict && !(warnings.empty() && loaded->warnings.empty()));
    if (!failed && !m_options.quiet) {
        out << shownName(file) << ": ok\n";
    }
    // Under --strict a warning fails the file, and says so.
    const std::string_view label = m_options.strict ? "error" : "warning";
    printWarnings(err, file, loaded->warnings, label);
    for (const std::string& warning : warnings) {
        err << shownName(file) << ": " << label << ": " << warning << '\n';
    }
    printGameCheck(err, file, gameCheck);
    return !failed;
}

} // namespace wepn
