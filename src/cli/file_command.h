#pragma once

#include "cli/command.h"
#include "cli/failure.h"
#include "model/family_list.h"

#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace CLI {
class Option;
}

namespace wepn {

// One verb that works on weapon files: what they share is the data directory
// (--data DIR), the family rows read from it, and printing each file's failure
// under the file's name.
class FileCommand : public Command {
  protected:
    // What one file's work wrote; its failure, if any.
    using FailingWork = std::function<std::optional<Failure>(const std::string& file,
                                                             std::ostream& out, std::ostream& err)>;

    // Adds --data DIR to the verb's subcommand.
    CLI::Option* addDataOption(CLI::App* sub, const std::string& help);

    // Reads the family rows of --data into m_rows (none without it). On
    // failure prints why and returns false.
    bool readFamilyRows(std::ostream& err);

    // Runs `work` on one file and prints its failure; whether it succeeded.
    static bool runOne(const std::string& file, std::ostream& out, std::ostream& err,
                       const FailingWork& work);
    // The same for each of several distinct files, in their order (several in
    // flight at once); whether every file succeeded.
    static bool runEach(const std::vector<std::string>& files, std::ostream& out, std::ostream& err,
                        const FailingWork& work);

    std::optional<std::string> m_dataDir;
    std::optional<FamilyRows> m_rows;
};

} // namespace wepn
