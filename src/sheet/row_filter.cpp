#include "sheet/row_filter.h"

#include "model/family_index.h"
#include "model/number_text.h"
#include "model/text_tokens.h"
#include "sheet/latin1.h"

#include <algorithm>

namespace wepn {
namespace {

constexpr std::string_view kOperatorChars = "=!<>";
constexpr std::string_view kFix = "write COLUMN OP VALUE, e.g. fWeaponFireRange > 3000";

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::vector<std::string_view> blankSeparated(std::string_view text) {
    std::vector<std::string_view> tokens;
    std::size_t at = 0;
    while (at < text.size()) {
        if (isBlank(text[at])) {
            ++at;
            continue;
        }
        std::size_t end = at;
        while (end < text.size() && !isBlank(text[end])) {
            ++end;
        }
        tokens.push_back(text.substr(at, end - at));
        at = end;
    }
    return tokens;
}

bool startsWithOperator(std::string_view token) {
    return !token.empty() && kOperatorChars.find(token.front()) != std::string_view::npos;
}

// UTF-8 text in the Latin-1 of the weapons' texts; characters beyond it kept
// as they are, so that they match nothing.
std::string latin1Of(std::string_view text) {
    std::optional<std::string> latin1 = utf8ToLatin1(text);
    return latin1 ? std::move(*latin1) : std::string(text);
}

bool containsText(std::string_view utf8, const std::string& word) {
    return containsIgnoringCase(latin1Of(utf8), word);
}

int compareIgnoringCase(std::string_view a, std::string_view b) {
    const auto less = [](char x, char y) {
        return latin1::foldCase(static_cast<unsigned char>(x)) <
               latin1::foldCase(static_cast<unsigned char>(y));
    };
    if (std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), less)) {
        return -1;
    }
    return std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(), less) ? 1 : 0;
}

} // namespace

Expected<RowFilter, std::string> RowFilter::parse(std::string_view text) {
    RowFilter filter;
    const std::vector<std::string_view> tokens = blankSeparated(text);
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        const std::string_view token = tokens[i];
        const std::size_t op = token.find_first_of(kOperatorChars);
        if (op == 0) {
            return "'" + std::string(token) + "' has no column before its operator; " +
                   std::string(kFix);
        }
        std::string_view column = token;
        std::string_view rest;
        if (op != std::string_view::npos) {
            column = token.substr(0, op);
            rest = token.substr(op);
        } else if (i + 1 < tokens.size() && startsWithOperator(tokens[i + 1])) {
            rest = tokens[++i];
        } else {
            filter.m_words.push_back(latin1Of(token));
            continue;
        }
        std::string term(token.data(), rest.data() + rest.size() - token.data());
        // The value may stand apart: "COLUMN > VALUE" or "COLUMN> VALUE".
        if (rest.find_first_not_of(kOperatorChars) == std::string_view::npos &&
            i + 1 < tokens.size() && !startsWithOperator(tokens[i + 1])) {
            const std::string_view value = tokens[++i];
            term = std::string(token.data(), value.data() + value.size() - token.data());
            if (std::optional<std::string> problem =
                    addCondition(filter, term, column, std::string(rest) + std::string(value))) {
                return *problem;
            }
            continue;
        }
        if (std::optional<std::string> problem = addCondition(filter, term, column, rest)) {
            return *problem;
        }
    }
    return filter;
}

std::optional<std::string> RowFilter::addCondition(RowFilter& filter, std::string_view term,
                                                   std::string_view column, std::string_view rest) {
    static constexpr std::pair<std::string_view, Op> kOperators[] = {
        {"!=", Op::NotEqual}, {"<=", Op::LessOrEqual}, {">=", Op::GreaterOrEqual},
        {"==", Op::Equal},    {"=", Op::Equal},        {"<", Op::Less},
        {">", Op::Greater}};
    const std::string quoted = "'" + std::string(term) + "'";
    Condition condition;
    const auto known = std::find_if(std::begin(kOperators), std::end(kOperators),
                                    [&](const auto& op) { return rest.starts_with(op.first); });
    const std::string_view value =
        known == std::end(kOperators) ? rest : rest.substr(known->first.size());
    if (known == std::end(kOperators) || startsWithOperator(value)) {
        return quoted + " has no operator the filter knows (= != < <= > >=); " + std::string(kFix);
    }
    if (value.empty()) {
        return quoted + " has no value after its operator; " + std::string(kFix);
    }
    condition.op = known->second;
    condition.value = latin1Of(value);
    if (column == "path") {
        condition.subject = Subject::Path;
    } else if (column == "problems") {
        condition.subject = Subject::Problems;
    } else if (column == "changed") {
        condition.subject = Subject::Changed;
        if (equalsIgnoringCase(condition.value, "yes")) {
            condition.value = "1";
        } else if (equalsIgnoringCase(condition.value, "no")) {
            condition.value = "0";
        }
    } else {
        condition.column = TableColumn::named(column);
        if (!condition.column) {
            return quoted + ": unknown column '" + std::string(column) +
                   "'; use a column as the table heads it (e.g. fWeaponFireRange or "
                   "penetration.Fighter), path, problems or changed";
        }
        filter.m_familyColumns = filter.m_familyColumns || column.starts_with("penetration.") ||
                                 column.starts_with("accuracy.");
        // A choice the cell shows by its index is also found by its text.
        const ScalarField* field = findScalarField(column);
        if (field != nullptr && field->storage == ChoiceStorage::Index) {
            for (std::size_t k = 0; k < field->choices.size(); ++k) {
                if (equalsIgnoringCase(field->choices[k], condition.value)) {
                    condition.value = std::to_string(k);
                }
            }
        }
    }
    condition.number = readNumber(condition.value);
    filter.m_conditions.push_back(std::move(condition));
    return std::nullopt;
}

bool RowFilter::matches(const DeskWeapon& weapon) const {
    for (const std::string& word : m_words) {
        if (!holdsWord(word, weapon)) {
            return false;
        }
    }
    std::optional<WeaponFamilies> families;
    if (m_familyColumns && !weapon.failed()) {
        families.emplace(weapon.state);
    }
    for (const Condition& condition : m_conditions) {
        if (!holds(condition, weapon, families)) {
            return false;
        }
    }
    return true;
}

bool RowFilter::holds(const Condition& condition, const DeskWeapon& weapon,
                      const std::optional<WeaponFamilies>& families) const {
    std::string cell;
    switch (condition.subject) {
    case Subject::Path:
        cell = weapon.named;
        break;
    case Subject::Changed:
        cell = weapon.changed() ? "1" : "0";
        break;
    case Subject::Problems:
        if (!condition.number && (condition.op == Op::Equal || condition.op == Op::NotEqual)) {
            const bool found =
                (weapon.failure && containsText(weapon.failure->message, condition.value)) ||
                std::any_of(weapon.problems.begin(), weapon.problems.end(),
                            [&](const std::string& p) { return containsText(p, condition.value); });
            return found == (condition.op == Op::Equal);
        }
        cell = std::to_string(weapon.problems.size() + (weapon.failed() ? 1 : 0));
        break;
    case Subject::Column:
        if (weapon.failed()) {
            return false;
        }
        static const WeaponFamilies kNoFamilies{WeaponState{}};
        cell = latin1Of(condition.column->cell(weapon.state, families ? *families : kNoFamilies));
        break;
    }
    int order = 0;
    const std::optional<double> number = condition.number ? readNumber(cell) : std::nullopt;
    if (number) {
        order = *number < *condition.number ? -1 : *number > *condition.number ? 1 : 0;
    } else {
        order = compareIgnoringCase(cell, condition.value);
    }
    switch (condition.op) {
    case Op::Equal:
        return order == 0;
    case Op::NotEqual:
        return order != 0;
    case Op::Less:
        return order < 0;
    case Op::LessOrEqual:
        return order <= 0;
    case Op::Greater:
        return order > 0;
    case Op::GreaterOrEqual:
        return order >= 0;
    }
    return false;
}

bool RowFilter::holdsWord(const std::string& word, const DeskWeapon& weapon) const {
    if (containsIgnoringCase(weapon.named, word)) {
        return true;
    }
    if (weapon.failure && containsText(weapon.failure->message, word)) {
        return true;
    }
    for (const std::string& problem : weapon.problems) {
        if (containsText(problem, word)) {
            return true;
        }
    }
    if (weapon.failed()) {
        return false;
    }
    for (const ScalarField& field : scalarFields()) {
        if (field.kind == ValueKind::Text &&
            containsIgnoringCase(*std::get<std::string*>(field.at(weapon.state)), word)) {
            return true;
        }
    }
    return false;
}

} // namespace wepn
