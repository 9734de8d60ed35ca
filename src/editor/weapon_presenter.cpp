#include "editor/weapon_presenter.h"

#include "editor/latin1_text.h"
#include "model/family_list.h"
#include "model/fields.h"
#include "model/number_text.h"
#include "model/weapon.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>

namespace wepn {
namespace {

void fillList(QListWidget* list, const std::vector<std::string>& rows) {
    const QSignalBlocker blocker(list);
    list->clear();
    for (const std::string& row : rows) {
        list->addItem(fromLatin1(row));
    }
    list->setCurrentRow(-1);
}

void selectIndex(QComboBox* combo, int index) {
    combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
}

} // namespace

void WeaponPresenter::presentFields(const WeaponState& state) const {
    for (const ScalarField& field : scalarFields()) {
        if (field.controlKind == ControlKind::None) {
            continue;
        }
        const QString name = fromLatin1(field.control);
        const QString text = fromLatin1(fieldText(field, state));
        switch (field.controlKind) {
        case ControlKind::TextBox:
        case ControlKind::ReadOnlyTextBox:
            m_controls.get<QLineEdit>(name)->setText(text);
            break;
        case ControlKind::EditableCombo:
            m_controls.get<QComboBox>(name)->setEditText(text);
            break;
        case ControlKind::TextCombo: {
            auto* combo = m_controls.get<QComboBox>(name);
            combo->setCurrentIndex(
                combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
            break;
        }
        case ControlKind::IndexCombo:
            selectIndex(m_controls.get<QComboBox>(name),
                        readInt32(fieldText(field, state)).value_or(-1));
            break;
        case ControlKind::None:
            break;
        }
    }
}

void WeaponPresenter::presentRows(const std::vector<std::string>& resultRows,
                                  const FamilyRows& familyRows) const {
    auto* results = m_controls.get<QListWidget>(QStringLiteral("lstWeaponResults"));
    fillList(results, resultRows);
    results->setToolTip(QString());
    fillList(m_controls.get<QListWidget>(QStringLiteral("lstArmorFamilies")), familyRows.armour);
    fillList(m_controls.get<QListWidget>(QStringLiteral("lstAccuracy")), familyRows.attack);
}

void WeaponPresenter::presentWeaponFireNames(const QStringList& names) const {
    auto* combo = m_controls.get<QComboBox>(QStringLiteral("cboWeaponEffects"));
    const QSignalBlocker blocker(combo);
    combo->clear();
    combo->addItems(names);
    combo->setCurrentIndex(-1);
}

} // namespace wepn
