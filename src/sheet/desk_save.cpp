#include "sheet/desk_save.h"

#include "files/file_io.h"
#include "model/script_lines.h"
#include "sheet/fingerprint.h"
#include "sheet/save_checks.h"
#include "sheet/table_root.h"

#include <filesystem>
#include <sys/stat.h>

namespace wepn {
namespace {

// The weapon as the written bytes load: the values as edited (the writer
// proved they load back), the lines where the written text puts them.
void markSaved(DeskWeapon& weapon, std::string_view saved) {
    Expected<LoadOutcome, Failure> written = loadWeaponBytes(saved, std::nullopt);
    if (written) {
        weapon.state.strLines = std::move(written->state.strLines);
        weapon.state.strLoadedEscapes = std::move(written->state.strLoadedEscapes);
        weapon.loaded.laterTables = std::move(written->laterTables);
    }
    weapon.loaded.state = weapon.state;
    weapon.loaded.rows = weapon.rows;
}

} // namespace

DeskSaveResult saveDeskWeapon(DeskWeapon& weapon, bool overwriteChangedFile) {
    const std::string shown = "'" + weapon.named + "'";
    const auto refused = [&](std::string message) {
        weapon.refused = std::move(message);
        return DeskSaveResult{DeskSaveResult::Kind::Refused, weapon.refused};
    };
    const auto refuse = [&](const std::string& reason, std::size_t line = 0) {
        return refused(shown + (line == 0 ? "" : ":" + std::to_string(line)) + ": " + reason);
    };
    if (weapon.failed()) {
        return refused(shown + " did not load, so there is nothing to save");
    }
    if (!weapon.changed()) {
        return {DeskSaveResult::Kind::Unchanged, {}};
    }
    std::string bytes;
    FileStamp readAs;
    if (std::optional<std::string> error =
            readNativeFileInto(weapon.file, kMaxScriptBytes, bytes, &readAs)) {
        return refused(shown + " cannot be read again: " + *error);
    }
    if (fingerprint(bytes) != weapon.source && !overwriteChangedFile) {
        return {DeskSaveResult::Kind::ChangedOnDisk,
                shown + " changed on disk since it was loaded: revert to load it again, or "
                        "overwrite the changes made there"};
    }
    if (!endsInWeaponSuffix(std::filesystem::path(weapon.file).filename().string())) {
        return refused(shown + " is not a weapon script: its name does not end in .wepn");
    }
    if (std::optional<Failure> failure = notWeaponScript(weapon.named, bytes)) {
        return refused(failure->message);
    }
    const std::vector<EditChange> dropped = droppedEntries(bytes, weapon.loaded);
    if (!dropped.empty()) {
        return refuse(
            droppingFailure(dropped, "add the families to the family list to keep them").message);
    }
    const WeaponState& loaded = weapon.loaded.state;
    if (std::optional<Failure> failure = settleLaterTables(
            weapon.state, loaded.Penetration, loaded.Accuracy, weapon.loaded.laterTables, false,
            "remove the later statements from the file to edit the table here")) {
        return refuse(failure->message, failure->line);
    }
    const Expected<std::string, Failure> saved = savedBytes(weapon.state);
    if (!saved) {
        return refuse(saved.error().message);
    }
    if (std::optional<std::string> error = writeNativeFileSafely(
            weapon.file, *saved, LowLevelFileOps::system(), SaveConditions{readAs, false})) {
        return refuse(*error);
    }
    markSaved(weapon, *saved);
    weapon.source = fingerprint(*saved);
    struct stat status {};
    weapon.readAs = ::stat(weapon.file.c_str(), &status) == 0 ? fileStamp(status) : FileStamp{};
    weapon.refused.clear();
    return {DeskSaveResult::Kind::Saved, {}};
}

} // namespace wepn
