#pragma once

#include "sheet/edit.h"
#include "cli/failure.h"
#include "cli/file_command.h"

#include <optional>
#include <string>
#include <vector>

namespace wepn {

// `wepn set [--data DIR] [--dry-run] [-q] EDIT... -- FILE...`: loads each file
// as `resave` does, applies the edits in order, rewrites the file in place when
// a value changed and prints each change (-q: nothing). A file whose edits
// fail is left untouched; the other files go on.
class SetCommand : public FileCommand {
  public:
    CLI::App* addTo(CLI::App& app) override;
    std::string usageTail() const override;
    int execute(std::ostream& out, std::ostream& err) override;

    // The files come after "--", which the argument parser cannot tell from
    // the edits; the caller splits them off before parsing.
    void setFiles(std::vector<std::string> files) { m_files = std::move(files); }

  private:
    std::optional<Failure> edit(const std::string& file, const std::vector<Edit>& edits,
                                const std::optional<FamilyRows>& rows, std::ostream& out,
                                std::ostream& err) const;

    bool m_dryRun = false;
    bool m_dropLaterTables = false;
    bool m_quiet = false;
    bool m_dropMissing = false;
    bool m_force = false;
    std::vector<std::string> m_edits;
    std::vector<std::string> m_files;
};

} // namespace wepn
