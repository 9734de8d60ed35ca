#include "sheet/xlsx_table.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <unistd.h>
#include <xlsxwriter.h>

namespace wepn {
namespace {

// The library writes only to a named file: a private temporary one, removed
// again whatever happens.
class TemporaryFile {
  public:
    TemporaryFile() {
        const char* dir = std::getenv("TMPDIR");
        m_path = std::string(dir != nullptr && *dir != '\0' ? dir : "/tmp") + "/wepn-XXXXXX.xlsx";
        const int fd = mkstemps(m_path.data(), 5);
        if (fd < 0) {
            m_path.clear();
        } else {
            close(fd);
        }
    }
    ~TemporaryFile() {
        if (!m_path.empty()) {
            std::remove(m_path.c_str());
        }
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    const std::string& path() const { return m_path; }

  private:
    std::string m_path;
};

// Characters, not bytes, for the width of a UTF-8 cell.
double width(const std::string& text) {
    return static_cast<double>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

} // namespace

std::optional<std::string> xlsxBytes(const std::vector<std::vector<SheetCell>>& rows,
                                     std::string& bytes) {
    const TemporaryFile file;
    if (file.path().empty()) {
        return std::string("no temporary file for the workbook could be made");
    }
    lxw_workbook* workbook = workbook_new(file.path().c_str());
    if (workbook == nullptr) {
        return std::string("the workbook could not be started");
    }
    lxw_worksheet* sheet = workbook_add_worksheet(workbook, "weapons");
    lxw_format* text = workbook_add_format(workbook);
    format_set_num_format(text, "@");
    lxw_format* header = workbook_add_format(workbook);
    format_set_num_format(header, "@");
    format_set_bold(header);
    std::vector<double> widths;
    lxw_error error = LXW_NO_ERROR;
    for (std::size_t r = 0; r < rows.size() && error == LXW_NO_ERROR; ++r) {
        for (std::size_t c = 0; c < rows[r].size() && error == LXW_NO_ERROR; ++c) {
            const SheetCell& cell = rows[r][c];
            const auto row = static_cast<lxw_row_t>(r);
            const auto col = static_cast<lxw_col_t>(c);
            error = cell.number
                        ? worksheet_write_number(sheet, row, col,
                                                 std::strtod(cell.text.c_str(), nullptr), nullptr)
                        : worksheet_write_string(sheet, row, col, cell.text.c_str(),
                                                 r == 0 ? header : text);
            widths.resize(std::max(widths.size(), c + 1), 8);
            widths[c] = std::min(60.0, std::max(widths[c], width(cell.text) + 2));
        }
    }
    for (std::size_t c = 0; c < widths.size(); ++c) {
        worksheet_set_column(sheet, static_cast<lxw_col_t>(c), static_cast<lxw_col_t>(c), widths[c],
                             text);
    }
    worksheet_freeze_panes(sheet, 1, 0);
    const lxw_error closed = workbook_close(workbook);
    if (error != LXW_NO_ERROR || closed != LXW_NO_ERROR) {
        return std::string("the workbook could not be written: ") +
               lxw_strerror(error != LXW_NO_ERROR ? error : closed);
    }
    std::ifstream in(file.path(), std::ios::binary);
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (in.bad()) {
        return std::string("the workbook could not be read back");
    }
    return std::nullopt;
}

} // namespace wepn
