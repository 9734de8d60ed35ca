#pragma once

#include "model/expected.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace wepn {

/// The part `name` of a ZIP archive, read through the XLSX module; nothing
/// when the archive has no such part, the reason when it cannot be read (or
/// the module cannot be loaded).
Expected<std::optional<std::string>, std::string> unzipPart(std::string_view zip, const char* name,
                                                            std::size_t maxPartBytes);

} // namespace wepn
