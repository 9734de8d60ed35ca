#include "cli/weapon_io.h"

#include "files/data_directory.h"
#include "files/file_identity.h"
#include "files/file_io.h"
#include "files/path_mapping.h"
#include "model/script_lines.h"
#include "sheet/latin1.h"

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <map>
#include <utility>

namespace wepn {

std::string familyListPath() {
    return std::string(data_directory::kFamilyList);
}

Expected<std::optional<FamilyRows>, std::string>
readOptionalFamilyRows(const std::optional<std::string>& dataDir) {
    if (!dataDir) {
        return std::optional<FamilyRows>();
    }
    Expected<FamilyRows, std::string> read = readFamilyRows(*dataDir);
    if (!read) {
        return read.error();
    }
    return std::optional<FamilyRows>(std::move(read.value()));
}

namespace {

ReadResult readStandardInput(std::size_t maxBytes) {
    ReadResult result;
    char buffer[1 << 16];
    while (std::cin.read(buffer, sizeof buffer) || std::cin.gcount() > 0) {
        result.bytes.append(buffer, static_cast<std::size_t>(std::cin.gcount()));
        if (result.bytes.size() > maxBytes) {
            result.error = "standard input is larger than " + std::to_string(maxBytes) + " bytes";
            return result;
        }
    }
    if (std::cin.bad()) {
        result.error = "standard input could not be read";
    }
    return result;
}

} // namespace

ReadResult readInputBytes(std::string_view path, std::size_t maxBytes) {
    return path == kStandardStream ? readStandardInput(maxBytes) : readFileBytes(path, maxBytes);
}

std::optional<std::string> standardInputTwice(const std::vector<std::string>& files) {
    if (std::count(files.begin(), files.end(), kStandardStream) > 1) {
        return "'-' (standard input) is given more than once";
    }
    return std::nullopt;
}

Expected<LoadOutcome, Failure> loadWeaponFile(std::string_view path,
                                              const std::optional<FamilyRows>& rows) {
    std::string buffer;
    return loadWeaponFile(path, rows, buffer);
}

Expected<LoadOutcome, Failure> loadWeaponFile(std::string_view path,
                                              const std::optional<FamilyRows>& rows,
                                              std::string& buffer, FileStamp* readAs) {
    if (path != kStandardStream) {
        return loadNativeWeaponFile(toNativePath(path), rows, buffer, readAs);
    }
    ReadResult read = readStandardInput(kMaxScriptBytes);
    if (!read.ok()) {
        return Failure{0, *read.error};
    }
    buffer = std::move(read.bytes);
    return loadWeaponBytes(buffer, rows);
}

std::optional<Failure> replaceFile(std::string_view path, std::string_view bytes,
                                   const SaveConditions& conditions) {
    if (std::optional<std::string> error = writeFileSafely(path, bytes, conditions)) {
        return Failure{0, std::move(*error)};
    }
    return std::nullopt;
}

std::vector<std::string> distinctFiles(const std::vector<std::string>& files, std::ostream& err) {
    std::vector<std::string> distinct;
    // Where each file was first named, by device and inode: a map keeps this
    // fast for thousands of files.
    std::map<std::pair<dev_t, ino_t>, std::size_t> seen;
    for (const std::string& file : files) {
        if (const std::optional<FileIdentity> identity = fileIdentity(file)) {
            const auto [at, first] =
                seen.emplace(std::pair(identity->device, identity->inode), distinct.size());
            if (!first) {
                err << shownName(file) << ": note: the same file as '"
                    << shownName(distinct[at->second]) << "'; it is edited once\n";
                continue;
            }
        }
        distinct.push_back(file);
    }
    return distinct;
}

void printWarnings(std::ostream& err, std::string_view file,
                   const std::vector<LoadWarning>& warnings, std::string_view label) {
    for (const LoadWarning& warning : warnings) {
        err << shownName(file) << ": " << label << ": " << latin1ToUtf8(warning.text) << '\n';
    }
}

} // namespace wepn
