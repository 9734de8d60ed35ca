#include "sheet/save_checks.h"

#include "model/number_text.h"
#include "model/script_reader.h"
#include "model/text_tokens.h"
#include "model/weapon_config_line.h"
#include "sheet/latin1.h"

#include <algorithm>

namespace wepn {
namespace {

bool named(const std::vector<std::string>& families, std::string_view family) {
    return std::any_of(families.begin(), families.end(),
                       [&](const std::string& kept) { return equalsIgnoringCase(kept, family); });
}

} // namespace

std::optional<Failure> notWeaponScript(std::string_view file, std::string_view bytes) {
    if (holdsWeaponConfig(bytes)) {
        return std::nullopt;
    }
    return Failure{0, "'" + std::string(file) +
                          "' is not a weapon script: it has no StartWeaponConfig line"};
}

std::vector<EditChange> droppedEntries(std::string_view bytes, const LoadOutcome& loaded) {
    std::vector<EditChange> dropped;
    const bool dropping =
        std::any_of(loaded.warnings.begin(), loaded.warnings.end(), [](const LoadWarning& w) {
            return w.kind == LoadWarning::Kind::FamiliesNotInList;
        });
    if (!dropping) {
        return dropped;
    }
    // The load matched the tables against the rows; the file's own entries come from the script.
    const Expected<WeaponState, LoadError> file = readWeaponScript(WeaponState{}, bytes);
    if (!file) {
        return dropped;
    }
    const PenetrationSet& penetration = file->Penetration;
    for (std::size_t k = 0; k < penetration.sFamilies.size(); ++k) {
        if (!named(loaded.state.Penetration.sFamilies, penetration.sFamilies[k])) {
            dropped.push_back({"penetration." + latin1ToUtf8(penetration.sFamilies[k]),
                               numberText(penetration.fValues[k]), "(dropped)"});
        }
    }
    const AccuracySet& accuracy = file->Accuracy;
    for (std::size_t k = 0; k < accuracy.sFamilies.size(); ++k) {
        if (!named(loaded.state.Accuracy.sFamilies, accuracy.sFamilies[k])) {
            dropped.push_back({"accuracy." + latin1ToUtf8(accuracy.sFamilies[k]),
                               numberText(accuracy.fValues[k]) + " (damage " +
                                   integerText(accuracy.iAlwaysDamage[k]) + ")",
                               "(dropped)"});
        }
    }
    return dropped;
}

Failure droppingFailure(const std::vector<EditChange>& dropped, std::string_view remedy) {
    std::string names;
    for (const EditChange& entry : dropped) {
        names += (names.empty() ? "" : ", ") + entry.name;
    }
    return Failure{0, "a save would drop the table entries of families the family list lacks: " +
                          names + " (" + std::string(remedy) + ")"};
}

std::optional<Failure> settleLaterTables(WeaponState& edited, const PenetrationSet& penetration,
                                         const AccuracySet& accuracy,
                                         const std::vector<LaterTable>& laterTables, bool drop,
                                         std::string_view remedy) {
    for (const LaterTable& later : overriddenTables(penetration, accuracy, edited, laterTables)) {
        if (!drop) {
            return Failure{later.firstLine,
                           "a second " + std::string(later.statement) +
                               " sets the table again, so the game would not receive this "
                               "edit; " +
                               std::string(remedy)};
        }
        dropLaterTables(edited, laterTables, later.statement);
    }
    return std::nullopt;
}

} // namespace wepn
