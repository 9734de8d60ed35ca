#pragma once

#include "cli/failure.h"
#include "cli/file_command.h"
#include "model/family_list.h"

#include <optional>
#include <string>
#include <vector>

namespace wepn {

// `wepn resave --data DIR [-o OUT | --in-place] FILE...`: writes what the
// editor's Save As writes for each file opened with DIR as its data directory.
class ResaveCommand : public FileCommand {
  public:
    CLI::App* addTo(CLI::App& app) override;
    int execute(std::ostream& out, std::ostream& err) override;

  private:
    std::optional<Failure> resave(const std::string& file, const FamilyRows& rows,
                                  std::ostream& out, std::ostream& err) const;

    std::string m_output;
    bool m_inPlace = false;
    bool m_dropMissing = false;
    bool m_force = false;
    std::vector<std::string> m_files;
};

} // namespace wepn
