#include "desk/cell_edit_delegate.h"

#include "desk/column_headings.h"
#include "desk/desk_edit_command.h"
#include "desk/source_index.h"
#include "desk/utf8_text.h"
#include "desk/weapon_table_model.h"
#include "editor/digit_key_filter.h"
#include "editor/message_box_sink.h"
#include "model/fields.h"
#include "sheet/bulk_edit.h"

#include <QComboBox>
#include <QLineEdit>
#include <QUndoStack>

namespace wepn {
namespace {

// The field's choices when the window picks it from a drop-down of them.
const ScalarField* choiceField(const std::string& column) {
    const ScalarField* field = findScalarField(column);
    return field != nullptr && field->storage != ChoiceStorage::None ? field : nullptr;
}

// A cell names the choice by its index where the file stores the index.
bool choiceByIndex(const std::string& column) {
    const ScalarField* field = choiceField(column);
    return field != nullptr && field->storage == ChoiceStorage::Index;
}

// The window's penetration value takes digits only.
bool digitsOnly(const std::string& column) {
    return column.starts_with("penetration.");
}

} // namespace

CellEditDelegate::CellEditDelegate(WeaponTableModel& model, QUndoStack& history, QWidget* parent,
                                   MessageSink* messages)
    : QStyledItemDelegate(parent), m_model(model), m_history(history), m_messages(messages) {
    if (m_messages == nullptr) {
        m_ownMessages = std::make_unique<MessageBoxSink>(parent);
        m_messages = m_ownMessages.get();
    }
}

CellEditDelegate::~CellEditDelegate() = default;

QWidget* CellEditDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                        const QModelIndex& index) const {
    const std::string& column = m_model.columnName(sourceIndex(index).column());
    if (const ScalarField* field = choiceField(column)) {
        auto* combo = new QComboBox(parent);
        for (std::string_view choice : field->choices) {
            combo->addItem(utf8(choice));
        }
        return combo;
    }
    auto* edit = new QLineEdit(parent);
    edit->setFrame(false);
    if (digitsOnly(column)) {
        DigitKeyFilter::install(edit);
    }
    return edit;
}

void CellEditDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    const QModelIndex source = sourceIndex(index);
    const QString text = m_model.cell(source.row(), source.column());
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        const bool byIndex = choiceByIndex(m_model.columnName(source.column()));
        bool number = false;
        const int index = text.toInt(&number);
        combo->setCurrentIndex(byIndex ? (number && index < combo->count() ? index : -1)
                                       : combo->findText(text, Qt::MatchFixedString));
    } else if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
        edit->setText(text);
    }
}

void CellEditDelegate::setModelData(QWidget* editor, QAbstractItemModel*,
                                    const QModelIndex& index) const {
    const QModelIndex source = sourceIndex(index);
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        // No row picked (the cell holds a text that is no choice): the value stays.
        const int index = combo->currentIndex();
        if (index >= 0) {
            commit(source.row(), source.column(),
                   choiceByIndex(m_model.columnName(source.column())) ? QString::number(index)
                                                                      : combo->currentText());
        }
    } else if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
        commit(source.row(), source.column(), edit->text());
    }
}

bool CellEditDelegate::commit(int row, int column, const QString& text) const {
    const QString before = m_model.cell(row, column);
    if (text == before || !m_model.isEditableColumn(column) || m_model.weapon(row).failed()) {
        return text == before;
    }
    const std::string& name = m_model.columnName(column);
    // Tried on a copy: a refused value leaves the weapon as it was.
    DeskWeapon trial = m_model.weapon(row);
    const auto change = setDeskCell(trial, name, text.toStdString());
    if (!change) {
        m_messages->show(
            QStringLiteral("Cannot set %1 of '%2': %3")
                .arg(columnHeading(name), utf8(m_model.weapon(row).named), utf8(change.error())));
        return false;
    }
    m_history.push(new DeskEditCommand(m_model, DeskEditCommand::typedStepText(name),
                                       {{row, name, before.toStdString(), text.toStdString()}}));
    return true;
}

} // namespace wepn
