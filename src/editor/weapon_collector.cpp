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
    for (const FieldBinding& binding : m_controls.fields) {
        const ScalarField& field = *binding.field;
        const QString text = binding.edit != nullptr ? binding.edit->text()
                             : field.storage == ChoiceStorage::Index
                                 ? QString::number(binding.combo->currentIndex())
                                 : binding.combo->currentText();
        const std::optional<std::string> bytes = toLatin1(text);
        if (!bytes) {
            return CollectError{
                binding.label, text,
                QStringLiteral("holds characters that cannot be stored in the file")};
        }
        if (!setFieldFromText(field, state, *bytes)) {
            return CollectError{binding.label, text, reasonFor(field.kind)};
        }
    }
    return state;
}

} // namespace wepn
