#include "cli/data_check.h"

#include "cli/failure.h"
#include "cli/files_in_order.h"
#include "cli/game_check.h"
#include "cli/parallel_for.h"
#include "cli/weapon_io.h"
#include "sheet/weapon_checks.h"

namespace wepn {

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
