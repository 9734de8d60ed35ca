#include "model/save_changes.h"

#include "model/fields.h"
#include "model/number_text.h"
#include "model/reader_support.h"
#include "model/text_tokens.h"

#include <charconv>
#include <set>
#include <unordered_set>

namespace wepn::detail {
namespace {

// The names of a warning, at most `limit` of them, then "and N more".
std::string listed(const std::vector<std::string>& names, std::size_t limit) {
    std::string text;
    for (std::size_t k = 0; k < names.size() && k < limit; ++k) {
        text += (k == 0 ? "" : "; ") + names[k];
    }
    if (names.size() > limit) {
        text += " and " + std::to_string(names.size() - limit) + " more";
    }
    return text;
}

void warn(std::vector<LoadWarning>& warnings, const std::string& lead,
          const std::vector<std::string>& names, std::set<std::string> statements) {
    if (names.empty()) {
        return;
    }
    constexpr std::size_t kNamesInBrief = 20;
    LoadWarning warning{LoadWarning::Kind::SaveChangesValues,
                        lead + listed(names, names.size()),
                        lead + listed(names, kNamesInBrief),
                        {statements.begin(), statements.end()}};
    if (warning.brief == warning.text) {
        warning.brief.clear();
    }
    warnings.push_back(std::move(warning));
}

// Collects the numbers a save writes as another number.
class Precision {
  public:
    void check(double value, std::string what, std::string statement) {
        const std::string written = numberText(value);
        const auto back = readNumber(written);
        if (back && *back == value) {
            return;
        }
        char exact[32];
        const auto end = std::to_chars(exact, exact + sizeof exact, value).ptr;
        m_names.push_back(what + " " + std::string(exact, end) + " becomes " + written);
        m_statements.insert(std::move(statement));
    }
    void report(std::vector<LoadWarning>& warnings) const {
        warn(warnings,
             "a save writes numbers to 15 significant digits, so the game would receive other "
             "values: ",
             m_names, m_statements);
    }

  private:
    std::vector<std::string> m_names;
    std::set<std::string> m_statements;
};

void checkNumbers(const WeaponState& state, std::vector<LoadWarning>& warnings) {
    Precision precision;
    for (const ScalarField& field : scalarFields()) {
        const ValueRef value = field.at(state);
        const auto* real = std::get_if<double*>(&value);
        if (real != nullptr && statementWritten(field.statement, state)) {
            precision.check(**real, std::string(field.name), std::string(field.statement));
        }
    }
    for (std::size_t i = 0; i < state.Results.size(); ++i) {
        const std::string which = " of impact result " + std::to_string(i + 1);
        precision.check(state.Results[i].fMinEffect, "fMinEffect" + which, "AddWeaponResult");
        precision.check(state.Results[i].fMaxEffect, "fMaxEffect" + which, "AddWeaponResult");
    }
    const PenetrationSet& p = state.Penetration;
    for (std::size_t i = 0; i < p.sFamilies.size() && i < p.fValues.size(); ++i) {
        precision.check(p.fValues[i], "penetration family " + p.sFamilies[i], "setPenetration");
    }
    const AccuracySet& a = state.Accuracy;
    for (std::size_t i = 0; i < a.sFamilies.size() && i < a.fValues.size(); ++i) {
        precision.check(a.fValues[i], "accuracy family " + a.sFamilies[i], "setAccuracy");
    }
    precision.report(warnings);
    std::vector<std::string> damage;
    for (std::size_t i = 0; i < a.sFamilies.size() && i < a.iAlwaysDamage.size(); ++i) {
        if (a.iAlwaysDamage[i] != 0 && a.iAlwaysDamage[i] != 1) {
            damage.push_back("accuracy family " + a.sFamilies[i] +
                             " damage=" + integerText(a.iAlwaysDamage[i]));
        }
    }
    warn(warnings, "a save writes every damage part as damage=1: ", damage, {"setAccuracy"});
}

void checkStatements(std::uint8_t found, std::vector<LoadWarning>& warnings) {
    std::vector<std::string> missing;
    for (const auto& [bit, name] : {std::pair{kStartWeaponConfig, "StartWeaponConfig"},
                                    {kSetAngles, "setAngles"},
                                    {kSetPenetration, "setPenetration"},
                                    {kSetAccuracy, "setAccuracy"}}) {
        if ((found & bit) == 0) {
            missing.emplace_back(name);
        }
    }
    warn(warnings,
         "the file lacks statements that a save writes with the values the editor shows, "
         "which the game did not receive before: ",
         missing, {missing.begin(), missing.end()});
}

// Families the file names twice, ignoring case: a save writes one row each.
void checkTwice(const std::vector<std::string>& families, const std::string& table,
                const std::string& statement, std::vector<std::string>& names,
                std::set<std::string>& statements) {
    std::unordered_set<std::string> seen;
    for (const std::string& family : families) {
        if (!seen.insert(toLowerLatin1(family)).second) {
            names.push_back(table + " family " + family);
            statements.insert(statement);
        }
    }
}

} // namespace

void warnOfSaveChanges(const WeaponState& state, std::uint8_t found, bool tablesFromRows,
                       const std::vector<std::size_t>& unreadSpawns,
                       std::vector<LoadWarning>& warnings) {
    std::vector<std::string> lines;
    for (const std::size_t line : unreadSpawns) {
        lines.push_back("line " + std::to_string(line));
    }
    warn(warnings,
         "an impact result whose effect is not SpawnWeaponFire names a spawned effect, which "
         "the editor does not read and a save writes empty: ",
         lines, {"AddWeaponResult"});
    checkNumbers(state, warnings);
    checkStatements(found, warnings);
    if (tablesFromRows) {
        std::vector<std::string> names;
        std::set<std::string> statements;
        checkTwice(state.Penetration.sFamilies, "penetration", "setPenetration", names, statements);
        checkTwice(state.Accuracy.sFamilies, "accuracy", "setAccuracy", names, statements);
        warn(warnings,
             "the file names families twice (letter case aside); the editor shows the first "
             "value and a save writes only it: ",
             names, statements);
    }
}

} // namespace wepn::detail
