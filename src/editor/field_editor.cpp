#include "editor/field_editor.h"

#include "editor/field_edit_command.h"
#include "editor/latin1_text.h"
#include "editor/message_sink.h"
#include "editor/visual_style.h"
#include "editor/weapon_presenter.h"
#include "editor/window_history.h"
#include "model/fields.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace wepn {
namespace {

// The text box the user types the field's value into; null for a drop-down list.
QLineEdit* typedInto(const FieldBinding& binding) {
    return binding.edit != nullptr ? binding.edit : binding.combo->lineEdit();
}

} // namespace

FieldEditor::FieldEditor(const WindowControls& controls, WeaponState& state, WindowHistory& history,
                         MessageSink& messages, QObject* parent)
    : QObject(parent), m_controls(controls), m_state(state), m_history(history),
      m_messages(messages), m_rejected(controls.fields.size()) {
    for (std::size_t i = 0; i < controls.fields.size(); ++i) {
        watch(i);
    }
}

void FieldEditor::watch(std::size_t index) {
    const FieldBinding& binding = m_controls.fields[index];
    if (QLineEdit* edit = typedInto(binding)) {
        m_history.guard(edit);
        edit->installEventFilter(this);
        m_fieldOf.insert(edit, index);
        connect(edit, &QLineEdit::textEdited, this, [this, index] { take(index, true); });
    }
    if (binding.combo != nullptr) {
        connect(binding.combo, &QComboBox::activated, this, [this, index] {
            m_history.closeStep();
            commit(index);
            take(index, false);
        });
    }
}

bool FieldEditor::eventFilter(QObject* watched, QEvent* event) {
    const auto field = m_fieldOf.constFind(watched);
    if (field != m_fieldOf.cend()) {
        if (event->type() == QEvent::FocusOut) {
            // A window losing activation or a drop-down's own list opening is
            // no leaving the field.
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
                commit(*field);
            }
        } else if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                commit(*field);
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

bool FieldEditor::take(std::size_t index, bool typed) {
    const FieldBinding& binding = m_controls.fields[index];
    const std::optional<std::string> bytes = toLatin1(binding.shownText());
    const std::optional<FieldValue> value =
        bytes ? readFieldValue(*binding.field, *bytes) : std::nullopt;
    if (!value) {
        return false;
    }
    mark(index, std::nullopt);
    FieldValue before = fieldValue(*binding.field, m_state);
    if (before != *value) {
        const bool continues = typed && m_history.stepOpen();
        m_history.push(new FieldEditCommand(*this, binding, std::move(before), *value, continues),
                       typed);
    }
    return true;
}

void FieldEditor::commit(std::size_t index) {
    const FieldBinding& binding = m_controls.fields[index];
    QLineEdit* edit = typedInto(binding);
    if (edit == nullptr || !edit->isModified()) {
        return;
    }
    edit->setModified(false);
    m_history.closeStep();
    if (take(index, false)) {
        return;
    }
    const QString text = binding.shownText();
    const QString reason =
        toLatin1(text) ? QString::fromStdString(notANumberReason(binding.field->kind))
                       : QStringLiteral("holds characters that cannot be stored in the file");
    mark(index, CollectError{binding.label, text, reason});
    m_messages.show(m_rejected[index]->describe());
}

void FieldEditor::commitAll() {
    for (std::size_t i = 0; i < m_controls.fields.size(); ++i) {
        commit(i);
    }
}

void FieldEditor::mark(std::size_t index, std::optional<CollectError> rejection) {
    if (m_rejected[index].has_value() == rejection.has_value()) {
        m_rejected[index] = std::move(rejection);
        return;
    }
    m_rejected[index] = std::move(rejection);
    VisualStyle::markRejected(m_controls.fields[index].control(), m_rejected[index].has_value());
    emit rejectionsChanged();
}

const CollectError* FieldEditor::firstRejected() const {
    for (const std::optional<CollectError>& rejection : m_rejected) {
        if (rejection) {
            return &*rejection;
        }
    }
    return nullptr;
}

std::size_t FieldEditor::indexOf(const FieldBinding& binding) const {
    return static_cast<std::size_t>(&binding - m_controls.fields.data());
}

void FieldEditor::store(const FieldBinding& binding, const FieldValue& value, bool showField) {
    storeFieldValue(*binding.field, m_state, value);
    const WeaponPresenter presenter(m_controls);
    if (showField) {
        presenter.presentField(binding, m_state);
        mark(indexOf(binding), std::nullopt);
        binding.control()->setFocus();
    }
    QWidget* control = binding.control();
    if (control == m_controls.burst.fireDelay || control == m_controls.burst.burstLength) {
        presenter.presentBurstShots(m_state);
    }
}

void FieldEditor::presentAll() {
    WeaponPresenter(m_controls).presentFields(m_state);
    for (std::size_t i = 0; i < m_rejected.size(); ++i) {
        mark(i, std::nullopt);
    }
}

QString FieldEditor::stepName(const FieldBinding& binding) {
    // "Firing Range:" names the step "Firing Range".
    QString name = binding.label;
    if (name.endsWith(QLatin1Char(':'))) {
        name.chop(1);
    }
    return name.trimmed();
}

} // namespace wepn
