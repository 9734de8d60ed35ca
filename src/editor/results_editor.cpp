#include "editor/results_editor.h"

#include "editor/collect_error.h"
#include "editor/digit_key_filter.h"
#include "editor/latin1_text.h"
#include "editor/list_selection.h"
#include "editor/message_sink.h"
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

std::optional<double> readField(const QLineEdit* field, const char* label, MessageSink& messages) {
    const std::optional<double> value = readNumber(latin1ForReading(field->text()));
    if (!value) {
        messages.show(CollectError{QString::fromLatin1(label), field->text(),
                                   QStringLiteral("is not a number")}
                          .describe());
    }
    return value;
}

} // namespace

ResultsEditor::ResultsEditor(const Controls& controls, WeaponState& state, MessageSink& messages,
                             QObject* parent)
    : QObject(parent), m_state(state), m_messages(messages),
      m_list(controls.get<QListWidget>(QStringLiteral("lstWeaponResults"))),
      m_condition(controls.get<QComboBox>(QStringLiteral("cboCondition"))),
      m_effect(controls.get<QComboBox>(QStringLiteral("cboEffect"))),
      m_min(controls.get<QLineEdit>(QStringLiteral("txtMinEffect"))),
      m_max(controls.get<QLineEdit>(QStringLiteral("txtMaxEffect"))),
      m_spawned(controls.get<QLineEdit>(QStringLiteral("txtSpawnedWeaponEffect"))),
      m_apply(controls.get<QPushButton>(QStringLiteral("cmdApply"))) {
    DigitKeyFilter::install(m_min);
    DigitKeyFilter::install(m_max);
    connect(m_effect, &QComboBox::currentIndexChanged, this, &ResultsEditor::effectChanged);
    connect(m_list, &QListWidget::itemSelectionChanged, this, &ResultsEditor::rowSelected);
    connect(controls.get<QPushButton>(QStringLiteral("cmdAdd")), &QPushButton::clicked, this,
            &ResultsEditor::add);
    connect(m_apply, &QPushButton::clicked, this, &ResultsEditor::apply);
    connect(controls.get<QPushButton>(QStringLiteral("cmdRemove")), &QPushButton::clicked, this,
            &ResultsEditor::remove);
}

void ResultsEditor::effectChanged(int row) {
    const bool spawns = row == kSpawnWeaponFireRow;
    m_spawned->setEnabled(spawns);
    m_min->setEnabled(!spawns);
    m_max->setEnabled(!spawns);
    if (spawns) {
        m_min->setText(QStringLiteral("0"));
        m_max->setText(QStringLiteral("0"));
    }
}

void ResultsEditor::rowSelected() {
    const int k = selectedRow(m_list);
    if (k < 0 || static_cast<std::size_t>(k) >= m_state.Results.size()) {
        return;
    }
    const WeaponResult& result = m_state.Results[static_cast<std::size_t>(k)];
    m_min->setText(fromLatin1(numberText(result.fMinEffect)));
    m_max->setText(fromLatin1(numberText(result.fMaxEffect)));
    m_spawned->setText(QString());

    const QString condition = fromLatin1(result.sCondition);
    const int conditionRow =
        m_condition->findText(condition, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (conditionRow >= 0) {
        m_condition->setCurrentIndex(conditionRow);
    } else {
        m_messages.show(QStringLiteral("Unknown condition '%1'").arg(condition));
    }

    const QString effect = fromLatin1(result.sEffect);
    const int effectRow = m_effect->findText(effect, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (effectRow >= 0) {
        m_effect->setCurrentIndex(effectRow);
        if (effectRow == kSpawnWeaponFireRow) {
            m_spawned->setText(fromLatin1(result.sSpawnedWeaponEffect));
        }
    } else {
        m_messages.show(QStringLiteral("Unknown effect '%1'").arg(effect));
    }

    m_apply->setEnabled(true);
    m_list->setToolTip(m_list->item(k)->text());
}

std::optional<WeaponResult> ResultsEditor::resultFromFields(std::string target) const {
    const std::optional<double> minimum = readField(m_min, "Minimum Effect:", m_messages);
    if (!minimum) {
        return std::nullopt;
    }
    const std::optional<double> maximum = readField(m_max, "Maximum Effect:", m_messages);
    if (!maximum) {
        return std::nullopt;
    }
    WeaponResult result;
    result.sCondition = latin1ForReading(m_condition->currentText());
    result.sEffect = latin1ForReading(m_effect->currentText());
    result.sTarget = std::move(target);
    result.fMinEffect = *minimum;
    result.fMaxEffect = *maximum;
    if (m_effect->currentIndex() == kSpawnWeaponFireRow) {
        const std::optional<std::string> spawned = toLatin1(m_spawned->text());
        if (!spawned) {
            m_messages.show(CollectError{QStringLiteral("Spawned FX:"), m_spawned->text(),
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
    for (QLineEdit* field : {m_min, m_max}) {
        if (field->text().isEmpty()) {
            field->setText(QStringLiteral("0"));
        }
    }
    std::optional<WeaponResult> result = resultFromFields(kTarget);
    if (!result) {
        return;
    }
    m_list->addItem(fromLatin1(resultRow(*result)));
    m_state.Results.push_back(std::move(*result));
}

void ResultsEditor::apply() {
    const int k = selectedRow(m_list);
    if (k < 0 || static_cast<std::size_t>(k) >= m_state.Results.size()) {
        return;
    }
    WeaponResult& stored = m_state.Results[static_cast<std::size_t>(k)];
    std::optional<WeaponResult> result = resultFromFields(stored.sTarget);
    if (!result) {
        return;
    }
    stored = std::move(*result);
    m_list->item(k)->setText(fromLatin1(resultRow(stored)));
}

void ResultsEditor::remove() {
    const int k = selectedRow(m_list);
    if (k < 0 || static_cast<std::size_t>(k) >= m_state.Results.size()) {
        return;
    }
    const QSignalBlocker blocker(m_list);
    delete m_list->takeItem(k);
    m_list->setCurrentRow(-1);
    m_list->clearSelection();
    m_state.Results.erase(m_state.Results.begin() + k);
}

} // namespace wepn
