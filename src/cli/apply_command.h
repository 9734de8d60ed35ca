#pragma once

#include "sheet/edit.h"
#include "cli/failure.h"
#include "cli/file_command.h"
#include "sheet/table_file.h"
#include "sheet/table_root.h"

#include <optional>
#include <string>
#include <vector>

namespace wepn {

// `wepn apply [--data DIR] [--dry-run] [--force] [-q] TABLE`: reads a weapon
// table back and, row by row, makes `wepn set`'s edits for the cells that
// differ from the file. Rows edit only weapon files under the table's folder
// (or DIR) that are unchanged since the table was made. A row with a bad cell
// leaves its file untouched; the others go on.
class ApplyCommand : public FileCommand {
  public:
    CLI::App* addTo(CLI::App& app) override;
    int execute(std::ostream& out, std::ostream& err) override;

  private:
    // Applies one row to its file; why it failed, cell by cell, or nothing.
    std::vector<std::string> applyRow(const std::string& file, const std::string& shown,
                                      const TableRow& row, const std::optional<FamilyRows>& rows,
                                      std::ostream& out, std::ostream& err) const;

    bool m_dryRun = false;
    bool m_force = false;
    bool m_quiet = false;
    bool m_dropMissing = false;
    bool m_dropLaterTables = false;
    std::string m_table;
    bool m_fingerprinted = false; // the table has a fingerprint column
    bool m_marked = false;        // the table's texts may carry a leading "'"
};

} // namespace wepn
