#include "cli/fields_command.h"

#include "sheet/edit.h"
#include "cli/exit_code.h"

#include <CLI/CLI.hpp>
#include <iomanip>

namespace wepn {
namespace {

// One line of the list: what `set` takes as NAME, its type and its values.
struct FieldLine {
    std::string name;
    std::string type;
    std::string values;
};

FieldLine scalarLine(const ScalarField& field) {
    if (field.storage != ChoiceStorage::None) {
        return {std::string(field.name), "choice", listedChoices(field)};
    }
    switch (field.kind) {
    case ValueKind::Text:
        return {std::string(field.name), "text", "one line without a double quote"};
    case ValueKind::Real:
        return {std::string(field.name), "real", "a decimal number"};
    case ValueKind::Int16:
        return {std::string(field.name), "int16", numberRange(field.kind)};
    case ValueKind::Int32:
        return {std::string(field.name), "int32", numberRange(field.kind)};
    }
    return {};
}

// Every line: the editable scalar fields, then the tables.
std::vector<FieldLine> fieldLines() {
    std::vector<FieldLine> lines;
    for (const ScalarField& field : scalarFields()) {
        if (editableField(field)) {
            lines.push_back(scalarLine(field));
        }
    }
    lines.push_back({"penetration.FAMILY", "real",
                     "a decimal number for an armour family of the family list (--data)"});
    lines.push_back({"accuracy.FAMILY", "real",
                     "a number from 0 to 1 for an attack family of the family list (--data)"});
    lines.push_back({"accuracy.FAMILY.damage", "flag", "0 or 1"});
    return lines;
}

} // namespace

CLI::App* FieldsCommand::addTo(CLI::App& app) {
    CLI::App* sub =
        app.add_subcommand("fields", "List the names that set edits, with their values");
    sub->add_flag("--names", m_namesOnly, "Print only the names, one a line")->group("");
    return sub;
}

int FieldsCommand::execute(std::ostream& out, std::ostream& /*err*/) {
    const std::vector<FieldLine> lines = fieldLines();
    std::size_t nameWidth = 0;
    for (const FieldLine& line : lines) {
        nameWidth = std::max(nameWidth, line.name.size());
    }
    for (const FieldLine& line : lines) {
        if (m_namesOnly) {
            out << line.name << '\n';
        } else {
            out << std::left << std::setw(static_cast<int>(nameWidth) + 2) << line.name
                << std::setw(8) << line.type << line.values << '\n';
        }
    }
    return kExitOk;
}

} // namespace wepn
