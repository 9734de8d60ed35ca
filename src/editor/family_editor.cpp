#include "editor/family_editor.h"

#include "editor/collect_error.h"
#include "editor/digit_key_filter.h"
#include "editor/latin1_text.h"
#include "editor/list_selection.h"
#include "editor/message_sink.h"
#include "model/list_rows.h"
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

// Field `index` of the row's text, empty when the row has fewer fields.
QString rowField(const QListWidgetItem* item, std::size_t index) {
    const std::string row = latin1ForReading(item->text());
    const std::vector<std::string_view> fields = rowFields(row);
    return index < fields.size() ? fromLatin1(fields[index]) : QString();
}

std::optional<double> readValue(const QLineEdit* field, const char* name, MessageSink& messages) {
    const std::optional<double> value = readNumber(latin1ForReading(field->text()));
    if (!value) {
        messages.show(CollectError{QString::fromLatin1(name), field->text(),
                                   QStringLiteral("is not a number")}
                          .describe());
    }
    return value;
}

} // namespace

FamilyEditor::FamilyEditor(const Controls& controls, WeaponState& state, MessageSink& messages,
                           QObject* parent)
    : QObject(parent), m_state(state), m_messages(messages),
      m_penetrationList(controls.get<QListWidget>(QStringLiteral("lstArmorFamilies"))),
      m_penetration(controls.get<QLineEdit>(QStringLiteral("txtPenetration"))),
      m_accuracyList(controls.get<QListWidget>(QStringLiteral("lstAccuracy"))),
      m_accuracy(controls.get<QLineEdit>(QStringLiteral("txtAccuracy"))),
      m_alwaysDamage(controls.get<QCheckBox>(QStringLiteral("chkAlwaysDMG"))) {
    DigitKeyFilter::install(m_penetration);
    connect(m_penetrationList, &QListWidget::itemSelectionChanged, this,
            &FamilyEditor::penetrationRowSelected);
    connect(controls.get<QPushButton>(QStringLiteral("cmdPenApply")), &QPushButton::clicked, this,
            &FamilyEditor::applyPenetration);
    connect(m_accuracyList, &QListWidget::itemSelectionChanged, this,
            &FamilyEditor::accuracyRowSelected);
    connect(controls.get<QPushButton>(QStringLiteral("cmdAccApply")), &QPushButton::clicked, this,
            &FamilyEditor::applyAccuracy);
}

void FamilyEditor::penetrationRowSelected() {
    const int k = selectedRow(m_penetrationList);
    if (k >= 0) {
        m_penetration->setText(rowField(m_penetrationList->item(k), 1));
    }
}

void FamilyEditor::applyPenetration() {
    const int k = selectedRow(m_penetrationList);
    if (k < 0 || static_cast<std::size_t>(k) >= m_state.Penetration.fValues.size()) {
        return;
    }
    const std::optional<double> value = readValue(m_penetration, "Penetration Value:", m_messages);
    if (!value) {
        return;
    }
    QListWidgetItem* item = m_penetrationList->item(k);
    const std::string family = latin1ForReading(rowField(item, 0));
    item->setText(fromLatin1(penetrationRow(family, latin1ForReading(m_penetration->text()))));
    m_state.Penetration.fValues[static_cast<std::size_t>(k)] = *value;
}

void FamilyEditor::accuracyRowSelected() {
    const int k = selectedRow(m_accuracyList);
    if (k < 0) {
        return;
    }
    const QListWidgetItem* item = m_accuracyList->item(k);
    m_accuracy->setText(rowField(item, 1));
    m_alwaysDamage->setChecked(readNumber(latin1ForReading(rowField(item, 2))) == 1.0);
}

void FamilyEditor::applyAccuracy() {
    const int k = selectedRow(m_accuracyList);
    if (k < 0 || static_cast<std::size_t>(k) >= m_state.Accuracy.fValues.size() ||
        static_cast<std::size_t>(k) >= m_state.Accuracy.iAlwaysDamage.size()) {
        return;
    }
    const std::optional<double> value = readValue(m_accuracy, "Accuracy Value:", m_messages);
    if (!value) {
        return;
    }
    if (*value > 1 || *value < 0) {
        m_messages.show(QStringLiteral("Accuracy must be a value between 1 and 0."));
        m_accuracy->setText(fromLatin1(integerText(1)));
        return;
    }
    const std::int16_t damage = m_alwaysDamage->isChecked() ? 1 : 0;
    QListWidgetItem* item = m_accuracyList->item(k);
    const std::string family = latin1ForReading(rowField(item, 0));
    item->setText(fromLatin1(accuracyRow(family, latin1ForReading(m_accuracy->text()), damage)));
    m_state.Accuracy.fValues[static_cast<std::size_t>(k)] = *value;
    m_state.Accuracy.iAlwaysDamage[static_cast<std::size_t>(k)] = damage;
}

} // namespace wepn
