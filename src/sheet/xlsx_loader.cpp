#include "sheet/xlsx_loader.h"

#include "sheet/xlsx_module.h"
#include "sheet/xlsx_table.h"

#include <cstdlib>
#include <dlfcn.h>
#include <filesystem>
#include <memory>
#include <vector>

namespace wepn {
namespace {

struct XlsxModule {
    decltype(&wepn_xlsx_unzip_part) unzipPart = nullptr;
    decltype(&wepn_xlsx_write_workbook) writeWorkbook = nullptr;
    std::string error; // why the module could not be loaded
};

// Where the module may lie: WEPN_XLSX_MODULE (set by the tests), beside the
// program (`wepn` in a build tree), beside `wepn` for the editor in a build
// tree, or in the package's private library folder.
std::vector<std::string> candidates() {
    std::vector<std::string> paths;
    if (const char* given = std::getenv("WEPN_XLSX_MODULE"); given != nullptr && *given != '\0') {
        paths.emplace_back(given);
    }
    std::error_code ec;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (!ec) {
        const std::filesystem::path dir = program.parent_path();
        paths.push_back((dir / kXlsxModuleName).string());
        paths.push_back((dir.parent_path() / "cli" / kXlsxModuleName).string());
        paths.push_back(
            (dir.parent_path() / "lib" / "vyr-weapon-editor" / kXlsxModuleName).string());
    }
    return paths;
}

XlsxModule load() {
    XlsxModule module;
    for (const std::string& path : candidates()) {
        void* handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (handle == nullptr) {
            if (module.error.empty()) {
                const char* reason = ::dlerror();
                module.error = reason != nullptr ? reason : path;
            }
            continue;
        }
        // The module stays loaded for the rest of the run.
        module.unzipPart =
            reinterpret_cast<decltype(module.unzipPart)>(::dlsym(handle, "wepn_xlsx_unzip_part"));
        module.writeWorkbook = reinterpret_cast<decltype(module.writeWorkbook)>(
            ::dlsym(handle, "wepn_xlsx_write_workbook"));
        if (module.unzipPart != nullptr && module.writeWorkbook != nullptr) {
            module.error.clear();
            return module;
        }
        module.error = path + " lacks the XLSX functions";
    }
    if (module.error.empty()) {
        module.error = "no " + std::string(kXlsxModuleName) + " was found";
    }
    return module;
}

const XlsxModule& module() {
    static const XlsxModule loaded = load();
    return loaded;
}

std::string unavailable() {
    return "XLSX workbooks cannot be read or written: " + module().error;
}

// Takes over a buffer the module handed out.
std::string takeBuffer(char* buffer, std::size_t size) {
    const std::unique_ptr<char, decltype(&std::free)> owned(buffer, std::free);
    return buffer == nullptr ? std::string() : std::string(buffer, size);
}

} // namespace

Expected<std::optional<std::string>, std::string> unzipPart(std::string_view zip, const char* name,
                                                            std::size_t maxPartBytes) {
    if (module().unzipPart == nullptr) {
        return unavailable();
    }
    char* out = nullptr;
    std::size_t size = 0;
    const int status = module().unzipPart(zip.data(), zip.size(), name, maxPartBytes, &out, &size);
    std::string text = takeBuffer(out, size);
    if (status == WepnXlsxAbsent) {
        return std::optional<std::string>();
    }
    if (status != WepnXlsxDone) {
        return text.empty() ? std::string("the workbook could not be read") : text;
    }
    return std::optional<std::string>(std::move(text));
}

std::optional<std::string> xlsxBytes(const std::vector<std::vector<SheetCell>>& rows,
                                     std::string& bytes) {
    if (module().writeWorkbook == nullptr) {
        return unavailable();
    }
    std::vector<const char*> texts;
    std::vector<std::size_t> lengths;
    std::vector<unsigned char> numbers;
    std::vector<std::size_t> rowLengths;
    for (const std::vector<SheetCell>& row : rows) {
        rowLengths.push_back(row.size());
        for (const SheetCell& cell : row) {
            texts.push_back(cell.text.c_str());
            lengths.push_back(cell.text.size());
            numbers.push_back(cell.number ? 1 : 0);
        }
    }
    char* out = nullptr;
    std::size_t size = 0;
    const int status = module().writeWorkbook(texts.data(), lengths.data(), numbers.data(),
                                              rowLengths.data(), rows.size(), &out, &size);
    std::string result = takeBuffer(out, size);
    if (status != WepnXlsxDone) {
        return result.empty() ? std::string("the workbook could not be written") : result;
    }
    bytes = std::move(result);
    return std::nullopt;
}

} // namespace wepn
