#include "editor/family_editor.h"

#include "editor/digit_key_filter.h"
#include "editor/latin1_text.h"
#include "editor/list_selection.h"
#include "editor/message_sink.h"
#include "editor/number_field.h"
#include "editor/window_history.h"
#include "model/family_edit.h"
#include "model/number_text.h"
#include "model/text_tokens.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <string>
#include <vector>

namespace wepn {
namespace {

// How the value fields are named in messages.
const char* const kPenetrationValue = "Penetration Value:";
const char* const kAccuracyValue = "Accuracy Value:";

// Field `index` of the row's text, empty when the row has fewer fields.
QString rowField(const QListWidgetItem* item, std::size_t index) {
    const std::string row = latin1ForReading(item->text());
    const std::vector<std::string_view> fields = rowFields(row);
    return index < fields.size() ? fromLatin1(fields[index]) : QString();
}

} // namespace

FamilyEditor::FamilyEditor(const FamilyControls& controls, WeaponState& state,
                           WindowHistory& history, MessageSink& messages, QObject* parent)
    : QObject(parent), m_state(state), m_history(history), m_messages(messages),
      m_controls(controls) {
    DigitKeyFilter::install(controls.penetration);
    connect(controls.penetrationList, &QListWidget::itemSelectionChanged, this,
            &FamilyEditor::penetrationRowSelected);
    connect(controls.penetrationApply, &QPushButton::clicked, this,
            &FamilyEditor::applyPenetration);
    connect(controls.accuracyList, &QListWidget::itemSelectionChanged, this,
            &FamilyEditor::accuracyRowSelected);
    connect(controls.accuracyApply, &QPushButton::clicked, this, &FamilyEditor::applyAccuracy);
}

void FamilyEditor::penetrationRowSelected() {
    const int k = selectedRow(m_controls.penetrationList);
    if (k >= 0) {
        m_controls.penetration->setText(rowField(m_controls.penetrationList->item(k), 1));
    }
}

void FamilyEditor::applyPenetration() {
    const int k = selectedRow(m_controls.penetrationList);
    if (k < 0 || static_cast<std::size_t>(k) >= m_state.Penetration.fValues.size()) {
        return;
    }
    QLineEdit* field = m_controls.penetration;
    const std::optional<double> value =
        readNumberField({field, QString::fromLatin1(kPenetrationValue)}, m_messages);
    if (!value) {
        return;
    }
    WeaponState scratch; // the table only: the model makes the row
    scratch.Penetration = m_state.Penetration;
    const auto row = setFamilyValue(scratch, FamilyTable::Penetration, std::size_t(k), *value,
                                    latin1ForReading(field->text()));
    push("Apply Penetration", FamilyTable::Penetration, std::size_t(k), {*value, 0, *row});
}

void FamilyEditor::accuracyRowSelected() {
    const int k = selectedRow(m_controls.accuracyList);
    if (k < 0) {
        return;
    }
    const QListWidgetItem* item = m_controls.accuracyList->item(k);
    m_controls.accuracy->setText(rowField(item, 1));
    m_controls.alwaysDamage->setChecked(readNumber(latin1ForReading(rowField(item, 2))) == 1.0);
}

void FamilyEditor::applyAccuracy() {
    const int k = selectedRow(m_controls.accuracyList);
    if (k < 0 || static_cast<std::size_t>(k) >= m_state.Accuracy.fValues.size() ||
        static_cast<std::size_t>(k) >= m_state.Accuracy.iAlwaysDamage.size()) {
        return;
    }
    QLineEdit* field = m_controls.accuracy;
    const std::optional<double> value =
        readNumberField({field, QString::fromLatin1(kAccuracyValue)}, m_messages);
    if (!value) {
        return;
    }
    const std::int16_t damage = m_controls.alwaysDamage->isChecked() ? 1 : 0;
    WeaponState scratch; // the table only: the model decides and makes the row
    scratch.Accuracy = m_state.Accuracy;
    const auto row = setFamilyValue(scratch, FamilyTable::Accuracy, std::size_t(k), *value,
                                    latin1ForReading(field->text()), damage);
    if (!row) {
        m_messages.show(fromLatin1(row.error().message));
        field->setText(fromLatin1(integerText(1)));
        return;
    }
    push("Apply Accuracy", FamilyTable::Accuracy, std::size_t(k), {*value, damage, *row});
}

void FamilyEditor::push(const char* label, FamilyTable table, std::size_t index,
                        FamilyEntry after) {
    FamilyEntry before = entry(table, index);
    if (after != before) {
        m_history.push(new FamilyEditCommand(*this, QString::fromLatin1(label), table, index,
                                             std::move(before), std::move(after)));
    }
}

QListWidget* FamilyEditor::list(FamilyTable table) const {
    return table == FamilyTable::Penetration ? m_controls.penetrationList : m_controls.accuracyList;
}

FamilyEntry FamilyEditor::entry(FamilyTable table, std::size_t index) const {
    const std::string row = latin1ForReading(list(table)->item(int(index))->text());
    if (table == FamilyTable::Penetration) {
        return {m_state.Penetration.fValues[index], 0, row};
    }
    return {m_state.Accuracy.fValues[index], m_state.Accuracy.iAlwaysDamage[index], row};
}

void FamilyEditor::store(FamilyTable table, std::size_t index, const FamilyEntry& entry) {
    if (table == FamilyTable::Penetration) {
        m_state.Penetration.fValues[index] = entry.value;
    } else {
        m_state.Accuracy.fValues[index] = entry.value;
        m_state.Accuracy.iAlwaysDamage[index] = entry.damage;
    }
    list(table)->item(int(index))->setText(fromLatin1(entry.row));
}

} // namespace wepn
