#include "cli/file_command.h"

#include "cli/files_in_order.h"
#include "cli/weapon_io.h"

#include <CLI/CLI.hpp>

namespace wepn {

CLI::Option* FileCommand::addDataOption(CLI::App* sub, const std::string& help) {
    return sub->add_option("--data", m_dataDir, help)->type_name("DIR");
}

bool FileCommand::readFamilyRows(std::ostream& err) {
    Expected<std::optional<FamilyRows>, std::string> rows = readOptionalFamilyRows(m_dataDir);
    if (!rows) {
        printToolError(err, rows.error());
        return false;
    }
    m_rows = std::move(rows.value());
    return true;
}

bool FileCommand::runOne(const std::string& file, std::ostream& out, std::ostream& err,
                         const FailingWork& work) {
    const std::optional<Failure> failure = work(file, out, err);
    if (failure) {
        printFailure(err, file, *failure);
    }
    return !failure;
}

bool FileCommand::runEach(const std::vector<std::string>& files, std::ostream& out,
                          std::ostream& err, const FailingWork& work) {
    return eachFileInOrder(
        distinctFiles(files, err), out, err,
        [&](const std::string& file, std::ostream& fileOut, std::ostream& fileErr) {
            return runOne(file, fileOut, fileErr, work);
        });
}

} // namespace wepn
