#pragma once

#include "model/expected.h"
#include "model/family_list.h"

#include <ostream>
#include <string>
#include <vector>

namespace wepn {

// How `check --data` judges and reports each file.
struct DataCheckOptions {
    bool strict = false; // warnings fail the file
    bool game = false;   // also run each file as the game does
    bool quiet = false;  // no "FILE: ok" lines
};

// `wepn check --data DIR`: loads each file with the data directory's family
// list and warns, as "FILE: warning: ...", about what the game would trip
// over: a weapon-fire effect without its folder under Scripts\Weaponfire
// (matched ignoring case, as the game's platform does), families the list
// lacks, and impact results whose condition or effect the window does not
// offer. With `strict` a warning fails the file. With `game` each file is
// also run as the game does. The data directory is read once; files are
// checked in batches.
class DataCheck {
  public:
    // Reads the family list and the weapon-fire folders, or says why not.
    static Expected<DataCheck, std::string> read(const std::string& dataDir,
                                                 const DataCheckOptions& options);

    // Checks the files over the cores and prints each file's lines in the
    // files' order. False when a file failed.
    bool check(const std::vector<std::string>& files, std::ostream& out, std::ostream& err) const;

  private:
    bool checkFile(const std::string& file, std::ostream& out, std::ostream& err) const;

    DataCheckOptions m_options;
    FamilyRows m_rows;
    std::vector<std::string> m_weaponFireFolders;
};

} // namespace wepn
