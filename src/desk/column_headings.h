#pragma once

#include <QString>
#include <string_view>

namespace wepn {

// A table column headed as the main window labels what it shows ("Firing
// Range", "Penetration: Fighter"); the column's own name is its tooltip.
QString columnHeading(std::string_view column);

} // namespace wepn
