#include "editor/weapon_collector.h"

#include "editor/latin1_text.h"
#include "model/fields.h"
#include "model/number_text.h"

#include <QComboBox>
#include <QLineEdit>

namespace wepn {
namespace {

QString reasonFor(ValueKind kind) {
    switch (kind) {
    case ValueKind::Int16:
        return QStringLiteral("is not a number from -32768 to 32767");
    case ValueKind::Int32:
        return QStringLiteral("is not a number from -2147483648 to 2147483647");
    case ValueKind::Real:
    case ValueKind::Text:
        break;
    }
    return QStringLiteral("is not a number");
}

} // namespace

Expected<WeaponState, CollectError> WeaponCollector::collect(WeaponState state) const {
    for (const ScalarField& field : scalarFields()) {
        if (field.controlKind == ControlKind::None) {
            continue;
        }
        const QString name = fromLatin1(field.control);
        QString text;
        switch (field.controlKind) {
        case ControlKind::TextBox:
        case ControlKind::ReadOnlyTextBox:
            text = m_controls.get<QLineEdit>(name)->text();
            break;
        case ControlKind::EditableCombo:
        case ControlKind::TextCombo:
            text = m_controls.get<QComboBox>(name)->currentText();
            break;
        case ControlKind::IndexCombo:
            text = QString::number(m_controls.get<QComboBox>(name)->currentIndex());
            break;
        case ControlKind::None:
            break;
        }
        const QString label = fromLatin1(field.label);
        const std::optional<std::string> bytes = toLatin1(text);
        if (!bytes) {
            return CollectError{
                label, text, QStringLiteral("holds characters that cannot be stored in the file")};
        }
        if (!setFieldFromText(field, state, *bytes)) {
            return CollectError{label, text, reasonFor(field.kind)};
        }
    }
    return state;
}

} // namespace wepn
