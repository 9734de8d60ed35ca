#include "sheet/weapon_diff.h"

#include "model/fields.h"
#include "model/number_text.h"
#include "sheet/latin1.h"
#include "sheet/weapon_table.h"

#include <algorithm>
#include <unordered_map>

namespace wepn {
namespace {

using Differences = std::vector<WeaponDifference>;

void compare(Differences& out, const char* kind, std::string name, std::optional<std::string> a,
             std::optional<std::string> b) {
    if (a != b) {
        out.push_back({kind, std::move(name), std::move(a), std::move(b)});
    }
}

std::vector<std::string> resultValues(const WeaponResult& r) {
    return {latin1ToUtf8(r.sCondition), latin1ToUtf8(r.sEffect),
            latin1ToUtf8(r.sTarget),    numberText(r.fMinEffect),
            numberText(r.fMaxEffect),   latin1ToUtf8(r.sSpawnedWeaponEffect)};
}

void compareResults(Differences& out, const WeaponState& a, const WeaponState& b) {
    static const char* const kNames[] = {"sCondition", "sEffect",    "sTarget",
                                         "fMinEffect", "fMaxEffect", "sSpawnedWeaponEffect"};
    const std::size_t count = std::max(a.Results.size(), b.Results.size());
    for (std::size_t i = 0; i < count; ++i) {
        const std::string name = "result " + std::to_string(i + 1);
        if (i >= a.Results.size() || i >= b.Results.size()) {
            const auto shown = [&](const WeaponState& s) -> std::optional<std::string> {
                if (i >= s.Results.size()) {
                    return std::nullopt;
                }
                std::string text;
                for (const std::string& value : resultValues(s.Results[i])) {
                    text += (text.empty() ? "" : ", ") + value;
                }
                return text;
            };
            out.push_back({"result", name, shown(a), shown(b)});
            continue;
        }
        const std::vector<std::string> va = resultValues(a.Results[i]);
        const std::vector<std::string> vb = resultValues(b.Results[i]);
        for (std::size_t f = 0; f < va.size(); ++f) {
            compare(out, "result", name + " " + kNames[f], va[f], vb[f]);
        }
    }
}

// Lines of `from` that `other` lacks, each line of `other` matching once.
void unmatchedLines(Differences& out, const WeaponState& from, const WeaponState& other,
                    bool fromIsA) {
    // How often each line of `other` is still there to match.
    std::unordered_map<std::string_view, std::size_t> unused;
    for (const std::string& line : other.strLines) {
        ++unused[line];
    }
    for (std::size_t i = 0; i < from.strLines.size(); ++i) {
        const std::string& text = from.strLines[i];
        if (text.empty()) {
            continue;
        }
        const auto match = unused.find(text);
        const bool found = match != unused.end() && match->second > 0;
        if (found) {
            --match->second;
        }
        if (!found) {
            const std::string name = "line " + std::to_string(i + 1);
            std::optional<std::string> value = latin1ToUtf8(text);
            out.push_back(
                {"line", name, fromIsA ? value : std::nullopt, fromIsA ? std::nullopt : value});
        }
    }
}

} // namespace

std::vector<WeaponDifference> weaponDifferences(const WeaponState& a, const WeaponState& b) {
    Differences out;
    for (const ScalarField& field : scalarFields()) {
        compare(out, "field", std::string(field.name), latin1ToUtf8(fieldText(field, a)),
                latin1ToUtf8(fieldText(field, b)));
    }
    compare(out, "field", "bTurretProperties", integerText(a.bTurretProperties),
            integerText(b.bTurretProperties));
    compareResults(out, a, b);
    const std::vector<std::string> columns = tableColumns({&a, &b});
    const auto families = std::find(columns.begin(), columns.end(), kResultsColumn) + 1;
    const WeaponFamilies familiesA(a);
    const WeaponFamilies familiesB(b);
    for (auto column = families; column != columns.end(); ++column) {
        const TableColumn resolved = *TableColumn::named(*column);
        const auto value = [&](const WeaponState& s) -> std::optional<std::string> {
            std::string cell = resolved.cell(s, &s == &a ? familiesA : familiesB);
            return cell.empty() ? std::nullopt : std::optional<std::string>(cell);
        };
        compare(out, "family", *column, value(a), value(b));
    }
    unmatchedLines(out, a, b, true);
    unmatchedLines(out, b, a, false);
    return out;
}

} // namespace wepn
