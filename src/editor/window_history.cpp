#include "editor/window_history.h"

#include "editor/field_edit_command.h"
#include "editor/list_edit_command.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

namespace wepn {
namespace {

// "Firing Range:" names the step "Firing Range".
QString stepName(const QString& label) {
    QString name = label;
    if (name.endsWith(QLatin1Char(':'))) {
        name.chop(1);
    }
    return name.trimmed();
}

QVariant shownValue(const FieldBinding& binding) {
    if (binding.edit != nullptr) {
        return binding.edit->text();
    }
    if (binding.combo->isEditable()) {
        return binding.combo->currentText();
    }
    return binding.combo->currentIndex();
}

} // namespace

WindowHistory::WindowHistory(const WindowControls& controls, WeaponState& state, QObject* parent)
    : QObject(parent), m_stack(this), m_controls(controls), m_state(state) {
    for (const FieldBinding& binding : m_controls.fields) {
        watchField(binding);
    }
    connect(qApp, &QApplication::focusChanged, this, &WindowHistory::closeStep);
    // Undo and redo end the typing step too; a push reopens it below.
    connect(&m_stack, &QUndoStack::indexChanged, this, &WindowHistory::closeStep);
    reset();
}

void WindowHistory::watchField(const FieldBinding& binding) {
    QWidget* control = binding.control();
    m_labels.insert(control, stepName(binding.label));
    QLineEdit* edit = binding.edit != nullptr ? binding.edit : binding.combo->lineEdit();
    if (edit != nullptr) {
        // The text box's own undo would bypass the window's history.
        edit->installEventFilter(this);
        // A change by the program resets isModified(); only typing sets it.
        connect(edit, &QLineEdit::textChanged, this, [this, edit, control](const QString& text) {
            if (edit->isModified()) {
                fieldChanged(control, text, true);
            }
        });
    }
    if (binding.combo != nullptr) {
        connect(binding.combo, &QComboBox::activated, this,
                [this, binding] { fieldChanged(binding.combo, shownValue(binding), false); });
    }
}

bool WindowHistory::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo) ||
            key->keyCombination() == QKeyCombination(Qt::CTRL, Qt::Key_Y)) {
            event->ignore();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void WindowHistory::fieldChanged(QWidget* control, QVariant value, bool typed) {
    QVariant before = m_shown.value(control);
    if (before == value) {
        return;
    }
    m_shown.insert(control, value);
    m_stack.push(new FieldEditCommand(*this, control, m_labels.value(control), std::move(before),
                                      std::move(value), typed && m_stepOpen));
    m_stepOpen = typed;
}

void WindowHistory::watchListButtons() {
    const std::array<std::pair<QPushButton*, const char*>, 5> buttons{{
        {m_controls.results.add, "Add Result"},
        {m_controls.results.apply, "Apply Result"},
        {m_controls.results.remove, "Remove Result"},
        {m_controls.families.penetrationApply, "Apply Penetration"},
        {m_controls.families.accuracyApply, "Apply Accuracy"},
    }};
    for (const auto& [button, label] : buttons) {
        const QString name = QString::fromLatin1(label);
        // Pressing comes before the click that makes the change.
        connect(button, &QPushButton::pressed, this, &WindowHistory::listButtonPressed);
        connect(button, &QPushButton::clicked, this, [this, name] { listButtonClicked(name); });
    }
}

void WindowHistory::listButtonPressed() {
    m_beforeButton = listSnapshot();
}

void WindowHistory::listButtonClicked(const QString& label) {
    ListSnapshot after = listSnapshot();
    if (after.state == m_beforeButton.state && after.rows == m_beforeButton.rows) {
        return;
    }
    closeStep();
    m_stack.push(new ListEditCommand(*this, label, std::move(m_beforeButton), std::move(after)));
}

std::array<QListWidget*, 3> WindowHistory::lists() const {
    return {m_controls.results.list, m_controls.families.penetrationList,
            m_controls.families.accuracyList};
}

ListSnapshot WindowHistory::listSnapshot() const {
    ListSnapshot snapshot{m_state, {}};
    const std::array<QListWidget*, 3> widgets = lists();
    for (std::size_t k = 0; k < widgets.size(); ++k) {
        for (int row = 0; row < widgets[k]->count(); ++row) {
            snapshot.rows[k] << widgets[k]->item(row)->text();
        }
    }
    return snapshot;
}

void WindowHistory::reset() {
    m_stack.clear();
    closeStep();
    m_shown.clear();
    for (const FieldBinding& binding : m_controls.fields) {
        m_shown.insert(binding.control(), shownValue(binding));
    }
}

// Restoring sets texts and rows as the program does, which the signals
// watched above do not report as the user's changes.
void WindowHistory::restoreField(QWidget* control, const QVariant& value) {
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        edit->setText(value.toString());
        edit->setCursorPosition(0);
    } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
        if (combo->isEditable()) {
            combo->setCurrentText(value.toString());
        } else {
            combo->setCurrentIndex(value.toInt());
        }
    }
    m_shown.insert(control, value);
    control->setFocus();
}

void WindowHistory::restoreLists(const ListSnapshot& snapshot) {
    m_state = snapshot.state;
    const std::array<QListWidget*, 3> widgets = lists();
    for (std::size_t k = 0; k < widgets.size(); ++k) {
        QListWidget* list = widgets[k];
        const QSignalBlocker blocker(list);
        const QStringList& rows = snapshot.rows[k];
        while (list->count() > rows.size()) {
            delete list->takeItem(list->count() - 1);
        }
        for (int row = 0; row < rows.size(); ++row) {
            if (row < list->count()) {
                list->item(row)->setText(rows[row]);
            } else {
                list->addItem(rows[row]);
            }
        }
        list->setCurrentRow(-1);
        list->clearSelection();
    }
}

} // namespace wepn
