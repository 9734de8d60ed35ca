#pragma once

#include "cli/command.h"
#include "cli/edit.h"
#include "cli/failure.h"
#include "cli/table_file.h"

#include <optional>
#include <string>
#include <vector>

namespace wepn {

// `wepn apply [--data DIR] [--dry-run] TABLE`: reads a weapon table back and,
// row by row, makes `wepn set`'s edits for the cells that differ from the
// file. A row with a bad cell leaves its file untouched; the others go on.
class ApplyCommand : public Command {
  public:
    CLI::App* addTo(CLI::App& app) override;
    int execute(std::ostream& out, std::ostream& err) override;

  private:
    // Applies one row to its file; false when the row failed (already reported).
    bool applyRow(const std::string& file, const TableRow& row, const std::string& where,
                  const std::optional<FamilyRows>& rows, std::ostream& out,
                  std::ostream& err) const;

    std::optional<std::string> m_dataDir;
    bool m_dryRun = false;
    bool m_dropLaterTables = false;
    std::string m_table;
};

} // namespace wepn
