#include "cli/diff_command.h"

#include "cli/exit_code.h"
#include "cli/failure.h"
#include "sheet/latin1.h"
#include "sheet/weapon_diff.h"
#include "cli/weapon_io.h"

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

namespace wepn {
namespace {

std::string shown(const std::optional<std::string>& value) {
    return value ? *value : "(none)";
}

nlohmann::ordered_json jsonValue(const std::optional<std::string>& value) {
    return value ? nlohmann::ordered_json(*value) : nlohmann::ordered_json(nullptr);
}

} // namespace

CLI::App* DiffCommand::addTo(CLI::App& app) {
    CLI::App* sub = app.add_subcommand("diff", "Show how two weapons differ");
    addDataOption(sub, "Data directory: compare the tables by its family list");
    sub->add_option("--format", m_format, "text (default) or json")
        ->check(CLI::IsMember({"text", "json"}))
        ->type_name("FORMAT");
    sub->add_option("A", m_a, "Weapon script (.wepn)")->required()->type_name("");
    sub->add_option("B", m_b, "Weapon script (.wepn)")->required()->type_name("");
    sub->footer("Exit status:\n  0  the weapons are the same\n  1  they differ\n  2  a file could "
                "not be read, or the command line is wrong");
    return sub;
}

int DiffCommand::execute(std::ostream& out, std::ostream& err) {
    if (!readFamilyRows(err)) {
        return kExitUsage;
    }
    Expected<LoadOutcome, Failure> a = loadWeaponFile(m_a, m_rows);
    Expected<LoadOutcome, Failure> b = loadWeaponFile(m_b, m_rows);
    if (!a || !b) {
        if (!a) {
            printFailure(err, m_a, a.error());
        }
        if (!b) {
            printFailure(err, m_b, b.error());
        }
        return kExitUsage;
    }
    const std::vector<WeaponDifference> differences = weaponDifferences(a->state, b->state);
    if (m_format == "json") {
        nlohmann::ordered_json list = nlohmann::ordered_json::array();
        for (const WeaponDifference& d : differences) {
            list.push_back(
                {{"kind", d.kind}, {"name", d.name}, {"a", jsonValue(d.a)}, {"b", jsonValue(d.b)}});
        }
        out << nlohmann::ordered_json{{"a", nameToUtf8(m_a)},
                                      {"b", nameToUtf8(m_b)},
                                      {"same", differences.empty()},
                                      {"differences", std::move(list)}}
                   .dump(2)
            << '\n';
    } else {
        for (const WeaponDifference& d : differences) {
            out << d.name << ": " << shown(d.a) << " -> " << shown(d.b) << '\n';
        }
    }
    return differences.empty() ? kExitOk : kExitFileFailed;
}

} // namespace wepn
