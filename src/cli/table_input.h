#pragma once

#include "cli/failure.h"
#include "sheet/table_file.h"
#include "model/expected.h"

#include <string>

namespace wepn {

// Reads the table `wepn apply` is given ("-": standard input): XLSX by its
// signature, otherwise CSV, TSV or JSON. Fails when it cannot be read, has
// no path column or names a column no weapon has.
Expected<TableFile, Failure> readTableInput(const std::string& path);

} // namespace wepn
