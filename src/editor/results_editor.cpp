#include "editor/results_editor.h"

#include "editor/collect_error.h"
#include "editor/digit_key_filter.h"
#include "editor/latin1_text.h"
#include "editor/list_selection.h"
#include "editor/message_sink.h"
#include "editor/number_field.h"
#include "editor/window_history.h"
#include "model/list_rows.h"
#include "model/number_text.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

namespace wepn {
namespace {

constexpr int kSpawnWeaponFireRow = 3;
const char* const kTarget = "Target";

} // namespace

ResultsEditor::ResultsEditor(const ResultControls& controls, WeaponState& state,
                             WindowHistory& history, MessageSink& messages, QObject* parent)
    : QObject(parent), m_state(state), m_history(history), m_messages(messages),
      m_controls(controls) {
    DigitKeyFilter::install(m_controls.minimum.edit);
    DigitKeyFilter::install(m_controls.maximum.edit);
    connect(m_controls.effect, &QComboBox::currentIndexChanged, this,
            &ResultsEditor::effectChanged);
    connect(m_controls.list, &QListWidget::itemSelectionChanged, this, &ResultsEditor::rowSelected);
    connect(m_controls.add, &QPushButton::clicked, this, &ResultsEditor::add);
    connect(m_controls.apply, &QPushButton::clicked, this, &ResultsEditor::apply);
    connect(m_controls.remove, &QPushButton::clicked, this, &ResultsEditor::remove);
}

void ResultsEditor::effectChanged(int row) {
    const bool spawns = row == kSpawnWeaponFireRow;
    m_controls.spawned.edit->setEnabled(spawns);
    m_controls.minimum.edit->setEnabled(!spawns);
    m_controls.maximum.edit->setEnabled(!spawns);
    if (spawns) {
        m_controls.minimum.edit->setText(QStringLiteral("0"));
        m_controls.maximum.edit->setText(QStringLiteral("0"));
    }
}

void ResultsEditor::rowSelected() {
    const int k = selectedRow(m_controls.list);
    if (k < 0 || static_cast<std::size_t>(k) >= m_state.Results.size()) {
        return;
    }
    const WeaponResult& result = m_state.Results[static_cast<std::size_t>(k)];
    m_controls.minimum.edit->setText(fromLatin1(numberText(result.fMinEffect)));
    m_controls.maximum.edit->setText(fromLatin1(numberText(result.fMaxEffect)));
    m_controls.spawned.edit->setText(QString());

    const QString condition = fromLatin1(result.sCondition);
    const int conditionRow =
        m_controls.condition->findText(condition, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (conditionRow >= 0) {
        m_controls.condition->setCurrentIndex(conditionRow);
    } else {
        m_messages.show(QStringLiteral("Unknown condition '%1'").arg(condition));
    }

    const QString effect = fromLatin1(result.sEffect);
    const int effectRow =
        m_controls.effect->findText(effect, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (effectRow >= 0) {
        m_controls.effect->setCurrentIndex(effectRow);
        if (effectRow == kSpawnWeaponFireRow) {
            m_controls.spawned.edit->setText(fromLatin1(result.sSpawnedWeaponEffect));
        }
    } else {
        m_messages.show(QStringLiteral("Unknown effect '%1'").arg(effect));
    }

    m_controls.apply->setEnabled(true);
    m_controls.list->setToolTip(m_controls.list->item(k)->text());
}

std::optional<WeaponResult> ResultsEditor::resultFromFields(std::string target) const {
    const std::optional<double> minimum = readNumberField(m_controls.minimum, m_messages);
    if (!minimum) {
        return std::nullopt;
    }
    const std::optional<double> maximum = readNumberField(m_controls.maximum, m_messages);
    if (!maximum) {
        return std::nullopt;
    }
    WeaponResult result;
    result.sCondition = latin1ForReading(m_controls.condition->currentText());
    result.sEffect = latin1ForReading(m_controls.effect->currentText());
    result.sTarget = std::move(target);
    result.fMinEffect = *minimum;
    result.fMaxEffect = *maximum;
    if (m_controls.effect->currentIndex() == kSpawnWeaponFireRow) {
        const std::optional<std::string> spawned = toLatin1(m_controls.spawned.edit->text());
        if (!spawned) {
            m_messages.show(CollectError{m_controls.spawned.label, m_controls.spawned.edit->text(),
                                         QStringLiteral("holds characters that cannot be stored "
                                                        "in the file")}
                                .describe());
            return std::nullopt;
        }
        result.sSpawnedWeaponEffect = *spawned;
    }
    return result;
}

void ResultsEditor::add() {
    for (QLineEdit* field : {m_controls.minimum.edit, m_controls.maximum.edit}) {
        if (field->text().isEmpty()) {
            field->setText(QStringLiteral("0"));
        }
    }
    std::optional<WeaponResult> result = resultFromFields(kTarget);
    if (result) {
        push("Add Result", {m_state.Results.size(), std::nullopt, std::move(result)});
    }
}

void ResultsEditor::apply() {
    const int k = selectedRow(m_controls.list);
    if (k < 0 || static_cast<std::size_t>(k) >= m_state.Results.size()) {
        return;
    }
    const WeaponResult& stored = m_state.Results[static_cast<std::size_t>(k)];
    std::optional<WeaponResult> result = resultFromFields(stored.sTarget);
    if (result && *result != stored) {
        push("Apply Result", {std::size_t(k), stored, std::move(result)});
    }
}

void ResultsEditor::remove() {
    const int k = selectedRow(m_controls.list);
    if (k >= 0 && static_cast<std::size_t>(k) < m_state.Results.size()) {
        push("Remove Result", {std::size_t(k), m_state.Results[std::size_t(k)], std::nullopt});
    }
}

void ResultsEditor::push(const char* label, ResultChange change) {
    m_history.push(new ResultEditCommand(*this, QString::fromLatin1(label), std::move(change)));
}

void ResultsEditor::change(const ResultChange& change, bool fromHistory) {
    QListWidget* list = m_controls.list;
    const QSignalBlocker blocker(list);
    const auto at = m_state.Results.begin() + static_cast<std::ptrdiff_t>(change.index);
    const int row = static_cast<int>(change.index);
    if (!change.after) {
        m_state.Results.erase(at);
        delete list->takeItem(row);
    } else if (!change.before) {
        m_state.Results.insert(at, *change.after);
        list->insertItem(row, fromLatin1(resultRow(*change.after)));
    } else {
        *at = *change.after;
        list->item(row)->setText(fromLatin1(resultRow(*change.after)));
    }
    if (fromHistory || !change.after) {
        list->setCurrentRow(-1);
        list->clearSelection();
    }
}

} // namespace wepn
