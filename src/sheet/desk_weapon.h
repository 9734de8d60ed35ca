#pragma once

#include "files/file_identity.h"
#include "model/load.h"
#include "sheet/weapon_file.h"

#include <optional>
#include <string>
#include <vector>

namespace wepn {

// One weapon file on the balancing desk: as it was loaded, as it is edited
// now, or why it did not load. A file that fails to load stays a row.
struct DeskWeapon {
    std::string file;   // the native path the file was read from
    std::string named;  // the path as a table names it: relative to the desk's folder
    std::string source; // the fingerprint of the bytes as loaded
    FileStamp readAs;   // the file as it was read, to tell a change on disk

    std::optional<Failure> failure; // why the file did not load; nothing below is set then

    LoadOutcome loaded; // as loaded: state, family rows, warnings, later tables
    WeaponState state;  // as edited
    FamilyRows rows;    // the family rows kept in step with `state`'s tables

    std::vector<std::string> problems; // what the checks found, in UTF-8, one per line
    std::string refused;               // why the last save was refused; empty otherwise

    bool failed() const { return failure.has_value(); }
    bool changed() const { return !failed() && !(state == loaded.state && rows == loaded.rows); }
};

} // namespace wepn
