#include "sheet/desk_folder.h"

#include "files/directory_listing.h"
#include "sheet/fingerprint.h"
#include "sheet/latin1.h"
#include "sheet/weapon_checks.h"

#include <utility>

namespace wepn {
namespace {

// What running the file as the game does found, when the checks ask for it.
void addGameCheck(DeskWeapon& weapon, std::string_view bytes, const DeskChecks& checks) {
    if (!checks.game || bytes.empty()) {
        return;
    }
    GameCheck game = gameCheckOf(bytes);
    if (game.error) {
        const std::size_t line = game.error->line;
        weapon.problems.push_back((line == 0 ? "" : "line " + std::to_string(line) + ": ") +
                                  game.error->message);
    }
    for (std::string& difference : game.differences) {
        weapon.problems.push_back(std::move(difference));
    }
}

} // namespace

Expected<DeskChecks, std::string> readDeskChecks(const std::optional<std::string>& dataDir,
                                                 bool game) {
    DeskChecks checks;
    checks.game = game;
    if (dataDir) {
        Expected<FamilyRows, std::string> rows = readFamilyRows(*dataDir);
        if (!rows) {
            return rows.error();
        }
        checks.rows = std::move(rows.value());
        checks.weaponFireFolders = weaponFireFolders(*dataDir);
    }
    return checks;
}

std::vector<std::string> weaponFileNames(const std::string& nativeFolder) {
    const std::string prefix = nativeFolder.ends_with('/') ? nativeFolder : nativeFolder + "/";
    std::vector<std::string> files;
    for (const std::string& name : listNativeDirectory(nativeFolder, EntryKinds::Files)) {
        if (isWeaponFileName(name)) {
            files.push_back(prefix + name);
        }
    }
    return files;
}

DeskWeapon loadDeskWeapon(const std::string& nativeFile, const std::string& named,
                          const DeskChecks& checks) {
    DeskWeapon weapon;
    weapon.file = nativeFile;
    weapon.named = named;
    std::string bytes;
    Expected<LoadOutcome, Failure> loaded =
        loadNativeWeaponFile(nativeFile, checks.rows, bytes, &weapon.readAs);
    weapon.source = fingerprint(bytes);
    if (!loaded) {
        weapon.failure = std::move(loaded.error());
        addGameCheck(weapon, bytes, checks);
        return weapon;
    }
    for (const LoadWarning& warning : loaded->warnings) {
        weapon.problems.push_back(latin1ToUtf8(warning.text));
    }
    if (checks.weaponFireFolders) {
        for (std::string& warning : dataWarnings(loaded->state, *checks.weaponFireFolders)) {
            weapon.problems.push_back(std::move(warning));
        }
    }
    addGameCheck(weapon, bytes, checks);
    weapon.state = loaded->state;
    weapon.rows = loaded->rows;
    weapon.loaded = std::move(loaded.value());
    return weapon;
}

} // namespace wepn
