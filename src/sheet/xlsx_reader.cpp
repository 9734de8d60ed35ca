#include "model/number_text.h"
#include "sheet/xlsx_loader.h"
#include "sheet/xlsx_table.h"

#include <cstdlib>
#include <cstring>
#include <expat.h>
#include <memory>
#include <optional>

namespace wepn {
namespace {

constexpr std::size_t kMaxPartBytes = 256 * 1024 * 1024;

// Element names without their namespace prefix.
std::string_view localName(const char* name) {
    const char* colon = std::strrchr(name, ':');
    return colon != nullptr ? colon + 1 : name;
}

const char* attribute(const char** attributes, std::string_view wanted) {
    for (std::size_t i = 0; attributes[i] != nullptr; i += 2) {
        if (localName(attributes[i]) == wanted) {
            return attributes[i + 1];
        }
    }
    return nullptr;
}

// What one parse collects: texts of <t> elements in shared strings, or cells
// of a sheet. One handler serves both; only the elements differ.
struct Parse {
    // Shared strings.
    std::vector<std::string> strings;
    bool inPhonetic = false;
    // The sheet.
    const std::vector<std::string>* shared = nullptr;
    std::vector<SheetRow> rows;
    std::string type;
    std::string ref;
    std::size_t column = 0;
    bool inCell = false;
    // Both.
    bool collecting = false;
    std::string text;
    std::string error;
};

std::optional<std::size_t> columnOf(std::string_view ref) {
    std::size_t column = 0;
    std::size_t letters = 0;
    for (; letters < ref.size() && ref[letters] >= 'A' && ref[letters] <= 'Z'; ++letters) {
        column = column * 26 + static_cast<std::size_t>(ref[letters] - 'A' + 1);
        if (column > 16384) {
            return std::nullopt;
        }
    }
    return letters == 0 ? std::nullopt : std::optional<std::size_t>(column - 1);
}

void storeCell(Parse& p) {
    std::string value = std::move(p.text);
    if (p.type == "s") {
        char* end = nullptr;
        const unsigned long index = std::strtoul(value.c_str(), &end, 10);
        if (value.empty() || *end != '\0' || index >= p.shared->size()) {
            p.error = "cell " + p.ref + " names no shared string";
            return;
        }
        value = (*p.shared)[index];
    } else if (p.type == "e") {
        p.error = "cell " + p.ref + " holds the error " + value + "; mend it in the spreadsheet";
        return;
    } else if (p.type.empty() || p.type == "n") {
        if (!value.empty()) {
            const std::optional<double> number = readNumber(value);
            if (!number) {
                p.error = "cell " + p.ref + " holds '" + value + "', which is not a number";
                return;
            }
            value = numberText(*number);
        }
    }
    std::vector<std::string>& cells = p.rows.back().cells;
    if (cells.size() <= p.column) {
        cells.resize(p.column + 1);
    }
    cells[p.column] = std::move(value);
}

void XMLCALL start(void* data, const char* name, const char** attributes) {
    Parse& p = *static_cast<Parse*>(data);
    const std::string_view element = localName(name);
    if (!p.error.empty()) {
        return;
    }
    if (p.shared == nullptr) {
        if (element == "si") {
            p.text.clear();
        } else if (element == "rPh") {
            p.inPhonetic = true;
        } else if (element == "t" && !p.inPhonetic) {
            p.collecting = true;
        }
        return;
    }
    if (element == "row") {
        const char* number = attribute(attributes, "r");
        const std::size_t previous = p.rows.empty() ? 0 : p.rows.back().number;
        p.rows.push_back(
            {number != nullptr ? std::strtoul(number, nullptr, 10) : previous + 1, {}});
    } else if (element == "c" && !p.rows.empty()) {
        const char* ref = attribute(attributes, "r");
        const char* type = attribute(attributes, "t");
        p.ref = ref != nullptr ? ref : "";
        p.type = type != nullptr ? type : "";
        const std::optional<std::size_t> column =
            ref != nullptr ? columnOf(p.ref)
                           : std::optional<std::size_t>(p.rows.back().cells.size());
        if (!column) {
            p.error = "a cell names no column ('" + p.ref + "')";
            return;
        }
        p.column = *column;
        p.inCell = true;
        p.text.clear();
    } else if (p.inCell && (element == "v" || (element == "t" && p.type == "inlineStr"))) {
        p.collecting = true;
    } else if (p.inCell && element == "rPh") {
        p.inPhonetic = true;
    }
}

void XMLCALL end(void* data, const char* name) {
    Parse& p = *static_cast<Parse*>(data);
    const std::string_view element = localName(name);
    if (!p.error.empty()) {
        return;
    }
    if (element == "rPh") {
        p.inPhonetic = false;
    } else if (element == "t" || element == "v") {
        p.collecting = false;
    } else if (p.shared == nullptr && element == "si") {
        p.strings.push_back(std::move(p.text));
        p.text.clear();
    } else if (p.shared != nullptr && element == "c" && p.inCell) {
        p.inCell = false;
        storeCell(p);
    }
}

void XMLCALL characters(void* data, const char* text, int length) {
    Parse& p = *static_cast<Parse*>(data);
    if (p.collecting && !p.inPhonetic) {
        p.text.append(text, static_cast<std::size_t>(length));
    }
}

std::optional<std::string> parse(Parse& p, const std::string& xml, const char* name) {
    std::unique_ptr<std::remove_pointer_t<XML_Parser>, decltype(&XML_ParserFree)> parser(
        XML_ParserCreate("UTF-8"), XML_ParserFree);
    if (!parser) {
        return std::string("no XML parser");
    }
    XML_SetUserData(parser.get(), &p);
    XML_SetElementHandler(parser.get(), start, end);
    XML_SetCharacterDataHandler(parser.get(), characters);
    if (XML_Parse(parser.get(), xml.data(), static_cast<int>(xml.size()), 1) == XML_STATUS_ERROR) {
        return std::string(name) + " line " +
               std::to_string(XML_GetCurrentLineNumber(parser.get())) + ": " +
               XML_ErrorString(XML_GetErrorCode(parser.get()));
    }
    if (!p.error.empty()) {
        return p.error;
    }
    return std::nullopt;
}

} // namespace

bool looksLikeXlsx(std::string_view bytes) {
    return bytes.starts_with(std::string_view("PK\x03\x04", 4));
}

Expected<std::vector<SheetRow>, std::string> readXlsx(std::string_view bytes) {
    Parse strings;
    Expected<std::optional<std::string>, std::string> shared =
        unzipPart(bytes, "xl/sharedStrings.xml", kMaxPartBytes);
    if (!shared) {
        return shared.error();
    }
    if (*shared) {
        if (std::optional<std::string> failed = parse(strings, **shared, "xl/sharedStrings.xml")) {
            return *failed;
        }
    }
    constexpr const char* kSheet = "xl/worksheets/sheet1.xml";
    Expected<std::optional<std::string>, std::string> sheetXml =
        unzipPart(bytes, kSheet, kMaxPartBytes);
    if (!sheetXml) {
        return sheetXml.error();
    }
    if (!*sheetXml) {
        return std::string("not an XLSX workbook: it has no ") + kSheet;
    }
    Parse sheet;
    sheet.shared = &strings.strings;
    if (std::optional<std::string> failed = parse(sheet, **sheetXml, kSheet)) {
        return *failed;
    }
    return std::move(sheet.rows);
}

} // namespace wepn
