#include "sheet/weapon_checks.h"

#include "files/data_directory.h"
#include "files/directory_listing.h"
#include "files/path_mapping.h"
#include "game/editor_reading.h"
#include "game/game_differences.h"
#include "game/game_script.h"
#include "model/result_choices.h"
#include "model/text_tokens.h"
#include "sheet/latin1.h"

#include <algorithm>
#include <span>

namespace wepn {
namespace {

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

} // namespace

GameCheck gameCheckOf(std::string_view bytes) {
    const auto calls = game::runAsGame(bytes);
    if (!calls) {
        return {Failure{calls.error().line,
                        "the game could not load the file: " + latin1ToUtf8(calls.error().message)},
                {}};
    }
    GameCheck check;
    if (const auto state = game::editorReading(bytes, std::nullopt)) {
        for (const std::string& difference : game::gameDifferences(*state, *calls)) {
            check.differences.push_back(latin1ToUtf8(difference));
        }
    }
    return check;
}

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

} // namespace wepn
