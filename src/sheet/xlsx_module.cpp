#include "sheet/xlsx_module.h"

#include "sheet/xlsx_table.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <unistd.h>
#include <xlsxwriter.h>
#include <zip.h>

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

std::optional<std::string> writeWorkbook(const std::vector<std::vector<SheetCell>>& rows,
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

// A copy of `text` in memory of malloc's, as the module hands buffers out.
int handOut(int status, const std::string& text, char** out, std::size_t* outSize) {
    *out = static_cast<char*>(std::malloc(text.empty() ? 1 : text.size()));
    if (*out == nullptr) {
        *outSize = 0;
        return WepnXlsxFailed;
    }
    std::memcpy(*out, text.data(), text.size());
    *outSize = text.size();
    return status;
}

} // namespace
} // namespace wepn

extern "C" __attribute__((visibility("default"))) int
wepn_xlsx_write_workbook(const char* const* texts, const std::size_t* lengths,
                         const unsigned char* numbers, const std::size_t* rowLengths,
                         std::size_t rowCount, char** out, std::size_t* outSize) {
    try {
        std::vector<std::vector<wepn::SheetCell>> rows(rowCount);
        std::size_t k = 0;
        for (std::size_t r = 0; r < rowCount; ++r) {
            for (std::size_t c = 0; c < rowLengths[r]; ++c, ++k) {
                rows[r].push_back({std::string(texts[k], lengths[k]), numbers[k] != 0});
            }
        }
        std::string bytes;
        if (std::optional<std::string> error = wepn::writeWorkbook(rows, bytes)) {
            return wepn::handOut(WepnXlsxFailed, *error, out, outSize);
        }
        return wepn::handOut(WepnXlsxDone, bytes, out, outSize);
    } catch (const std::exception& e) {
        return wepn::handOut(WepnXlsxFailed, e.what(), out, outSize);
    }
}

extern "C" __attribute__((visibility("default"))) int
wepn_xlsx_unzip_part(const char* zip, std::size_t size, const char* name, std::size_t maxPartBytes,
                     char** out, std::size_t* outSize) {
    try {
        zip_error_t error;
        zip_error_init(&error);
        zip_source_t* source = zip_source_buffer_create(zip, size, 0, &error);
        zip_t* archive =
            source != nullptr ? zip_open_from_source(source, ZIP_RDONLY, &error) : nullptr;
        if (archive == nullptr) {
            const std::string reason =
                std::string("not an XLSX workbook: ") + zip_error_strerror(&error);
            if (source != nullptr) {
                zip_source_free(source);
            }
            zip_error_fini(&error);
            return wepn::handOut(WepnXlsxFailed, reason, out, outSize);
        }
        zip_error_fini(&error);
        std::unique_ptr<zip_t, decltype(&zip_discard)> owned(archive, zip_discard);
        zip_stat_t stat;
        if (zip_stat(archive, name, 0, &stat) != 0) {
            return wepn::handOut(WepnXlsxAbsent, "", out, outSize);
        }
        if ((stat.valid & ZIP_STAT_SIZE) == 0 || stat.size > maxPartBytes) {
            return wepn::handOut(WepnXlsxFailed,
                                 std::string(name) + " is larger than " +
                                     std::to_string(maxPartBytes) + " bytes",
                                 out, outSize);
        }
        std::unique_ptr<zip_file_t, decltype(&zip_fclose)> file(zip_fopen(archive, name, 0),
                                                                zip_fclose);
        std::string bytes(stat.size, '\0');
        if (!file ||
            zip_fread(file.get(), bytes.data(), stat.size) != static_cast<zip_int64_t>(stat.size)) {
            return wepn::handOut(WepnXlsxFailed,
                                 std::string(name) + " cannot be read: " + zip_strerror(archive),
                                 out, outSize);
        }
        return wepn::handOut(WepnXlsxDone, bytes, out, outSize);
    } catch (const std::exception& e) {
        return wepn::handOut(WepnXlsxFailed, e.what(), out, outSize);
    }
}
