#include "game/code_lines.h"

#include <algorithm>
#include <array>
#include <string>

namespace wepn::game {
namespace {

std::string lower(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; });
    return out;
}

std::string_view trimmed(std::string_view line) {
    line.remove_prefix(std::min(line.find_first_not_of(" \t\v\f"), line.size()));
    return line;
}

// "setpenetration" or "setaccuracy" when the line starts that statement.
std::string_view tableStatement(std::string_view line) {
    const std::string text = lower(trimmed(line));
    for (const std::string_view word : {"setpenetration", "setaccuracy"}) {
        if (!text.starts_with(word)) {
            continue;
        }
        const std::string_view rest = trimmed(std::string_view(text).substr(word.size()));
        if (rest.empty() || rest.starts_with('(')) {
            return word;
        }
    }
    return {};
}

bool editorStatement(std::string_view line) {
    static constexpr std::array<std::string_view, 4> kWords{"startweaponconfig", "addweaponresult",
                                                            "setangles", "setmiscvalues"};
    const std::string text = lower(line);
    return std::any_of(kWords.begin(), kWords.end(),
                       [&](std::string_view word) { return text.find(word) != std::string::npos; });
}

} // namespace

std::vector<std::string_view> codeLines(std::string_view script) {
    if (script.starts_with("\xEF\xBB\xBF")) {
        script.remove_prefix(3);
    }
    if (script.starts_with('#')) {
        const std::size_t lineFeed = script.find('\n');
        script.remove_prefix(lineFeed == std::string_view::npos ? script.size() : lineFeed + 1);
    }
    std::vector<std::string_view> lines;
    for (std::size_t at = 0; at < script.size();) {
        const std::size_t end = std::min(script.find_first_of("\r\n", at), script.size());
        lines.push_back(script.substr(at, end - at));
        at = end + (script.substr(end, 2) == "\r\n" ? 2 : 1);
    }
    std::vector<std::string_view> code;
    std::array<bool, 2> tableRead{};
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string_view line = lines[i];
        while (line.starts_with("--")) {
            const std::size_t level = line.find_first_not_of('=', 3);
            if (!line.substr(2).starts_with('[') || level == std::string_view::npos ||
                line[level] != '[') {
                line = {};
                break;
            }
            const std::string closing = "]" + std::string(level - 3, '=') + "]";
            std::size_t close = line.find(closing, level + 1);
            std::size_t last = i;
            while (close == std::string_view::npos && last + 1 < lines.size()) {
                close = lines[++last].find(closing);
            }
            if (close == std::string_view::npos) {
                line = {};
                break;
            }
            line = (last == i ? line : lines[last]).substr(close + closing.size());
            i = last;
        }
        // A line that holds another statement is that statement, table or not.
        if (editorStatement(line)) {
            continue;
        }
        const std::string_view table = tableStatement(line);
        if (!table.empty() && !tableRead[table == "setaccuracy"]) {
            tableRead[table == "setaccuracy"] = true;
            // Lines of other statements and comments amid the table are no part of it.
            bool closed = line.find(')') != std::string_view::npos;
            while (!closed && i + 1 < lines.size() &&
                   (tableStatement(lines[i + 1]).empty() || editorStatement(lines[i + 1]))) {
                const std::string_view next = lines[++i];
                closed = !editorStatement(next) && !next.starts_with("--") &&
                         next.find(')') != std::string_view::npos;
            }
            continue;
        }
        if (!trimmed(line).empty()) {
            code.push_back(line);
        }
    }
    return code;
}

} // namespace wepn::game
