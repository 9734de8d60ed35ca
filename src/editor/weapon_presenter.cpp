#include "editor/weapon_presenter.h"

#include "editor/latin1_text.h"
#include "model/burst_shots.h"
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
    for (const FieldBinding& binding : m_controls.fields) {
        presentField(binding, state);
    }
    presentBurstShots(state);
}

void WeaponPresenter::presentField(const FieldBinding& binding, const WeaponState& state) const {
    const std::string text = fieldText(*binding.field, state);
    if (binding.edit != nullptr) {
        binding.edit->setText(fromLatin1(text));
        binding.edit->setCursorPosition(0);
    } else if (binding.field->storage == ChoiceStorage::Index) {
        selectIndex(binding.combo, readInt32(text).value_or(-1));
    } else if (binding.combo->isEditable()) {
        binding.combo->setEditText(fromLatin1(text));
        binding.combo->lineEdit()->setCursorPosition(0);
    } else {
        binding.combo->setCurrentIndex(
            binding.combo->findText(fromLatin1(text), Qt::MatchExactly | Qt::MatchCaseSensitive));
    }
}

void WeaponPresenter::presentBurstShots(const WeaponState& state) const {
    const std::optional<std::string> shots =
        burstShotsText(state.CurrentWeapon.fFireTime, state.CurrentWeapon.fBurstFireTime);
    if (shots) {
        m_controls.burst.shots->setText(fromLatin1(*shots));
        m_controls.burst.shots->setCursorPosition(0);
    }
}

void WeaponPresenter::presentRows(const std::vector<std::string>& resultRows,
                                  const FamilyRows& familyRows) const {
    QListWidget* results = m_controls.results.list;
    fillList(results, resultRows);
    results->setToolTip(QString());
    fillList(m_controls.families.penetrationList, familyRows.armour);
    fillList(m_controls.families.accuracyList, familyRows.attack);
}

void WeaponPresenter::presentWeaponFireNames(const QStringList& names) const {
    QComboBox* combo = m_controls.weaponEffects;
    const QSignalBlocker blocker(combo);
    combo->clear();
    combo->addItems(names);
    combo->setCurrentIndex(-1);
}

} // namespace wepn
