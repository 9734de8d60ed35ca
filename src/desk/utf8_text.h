#pragma once

#include <QString>
#include <string_view>

namespace wepn {

// The sheet library's texts (cells, names, reasons) are UTF-8.
inline QString utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace wepn
