#pragma once

// The C interface of the XLSX module (wepn_xlsx.so), which holds the code that
// needs the ZIP and workbook libraries. `wepn` loads it only when a workbook
// is read or written, so that every other run starts without loading them.
// Buffers handed out are allocated with malloc and freed by the caller.

#include <cstddef>

extern "C" {

// Status of a module call.
enum WepnXlsxStatus { WepnXlsxDone = 0, WepnXlsxAbsent = 1, WepnXlsxFailed = 2 };

// Copies the part `name` of the ZIP archive `zip` into `*out`; WepnXlsxAbsent
// when the archive has no such part; on failure `*out` holds the reason.
int wepn_xlsx_unzip_part(const char* zip, std::size_t size, const char* name,
                         std::size_t maxPartBytes, char** out, std::size_t* outSize);

// Writes a workbook of `rowCount` rows; row r holds `rowLengths[r]` cells,
// taken in order from `texts` (with `lengths`) and `numbers` (non-zero: a
// number cell). `*out` holds the workbook, or on failure the reason.
int wepn_xlsx_write_workbook(const char* const* texts, const std::size_t* lengths,
                             const unsigned char* numbers, const std::size_t* rowLengths,
                             std::size_t rowCount, char** out, std::size_t* outSize);
}

namespace wepn {
inline constexpr const char* kXlsxModuleName = "wepn_xlsx.so";
}
