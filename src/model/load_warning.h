#pragma once

#include <string>
#include <vector>

namespace wepn {

struct LoadWarning {
    enum class Kind {
        UnknownFireType,
        FamiliesNotInList,
        LaterTable,
        HashLineRunsOn,
        SaveChangesValues,
    };
    Kind kind;
    std::string text;  ///< the whole warning, every name it concerns included
    std::string brief; ///< a box's form: at most 20 names a list, then "and N more";
                       ///< empty when it is `text` itself
    /// The statements whose calls a save without edits changes for the game
    /// ("setAngles"); empty when it changes none.
    std::vector<std::string> statements = {};
};

} // namespace wepn
