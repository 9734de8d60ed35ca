#include "desk/bulk_edit_dialog.h"

#include "desk/column_headings.h"
#include "desk/source_index.h"
#include "desk/utf8_text.h"
#include "desk/weapon_table_model.h"
#include "editor/message_sink.h"
#include "model/number_text.h"
#include "sheet/bulk_edit.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUndoStack>
#include <QVBoxLayout>
#include <algorithm>
#include <set>

namespace wepn {
namespace {

struct Operation {
    const char* caption;
    BulkOperation operation;
    const char* verb;
};

constexpr Operation kOperations[] = {
    {"Set", BulkOperation::Set, "Set"},
    {"Scale by %", BulkOperation::Scale, "Scale"},
    {"Add", BulkOperation::Add, "Add"},
};

} // namespace

BulkEditDialog::BulkEditDialog(WeaponTableModel& model, QUndoStack& history, std::vector<int> rows,
                               int column, QWidget* parent)
    : QDialog(parent), m_model(model), m_history(history), m_rows(std::move(rows)),
      m_column(column), m_operation(new QComboBox(this)), m_operand(new QLineEdit(this)),
      m_summary(new QLabel(this)), m_preview(new QPlainTextEdit(this)),
      m_buttons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this)) {
    setObjectName(QStringLiteral("BulkEditDialog"));
    const QString heading = columnHeading(m_model.columnName(m_column));
    setWindowTitle(QStringLiteral("Edit %1").arg(heading));
    for (const Operation& operation : kOperations) {
        m_operation->addItem(QString::fromLatin1(operation.caption));
    }
    m_operation->setObjectName(QStringLiteral("operation"));
    m_operand->setObjectName(QStringLiteral("operand"));
    m_preview->setObjectName(QStringLiteral("preview"));
    m_preview->setReadOnly(true);
    m_preview->setLineWrapMode(QPlainTextEdit::NoWrap);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Operation:"), m_operation);
    form->addRow(QStringLiteral("&Value:"), m_operand);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        new QLabel(QStringLiteral("%1 of %2 weapons").arg(heading).arg(m_rows.size()), this));
    layout->addLayout(form);
    layout->addWidget(m_summary);
    layout->addWidget(m_preview);
    layout->addWidget(m_buttons);

    connect(m_operation, &QComboBox::currentIndexChanged, this, &BulkEditDialog::plan);
    connect(m_operand, &QLineEdit::textChanged, this, &BulkEditDialog::plan);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &BulkEditDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &BulkEditDialog::reject);
    resize(560, 420);
    plan();
}

BulkEditDialog* BulkEditDialog::forSelection(WeaponTableModel& model, QUndoStack& history,
                                             const QModelIndexList& selected, QWidget* parent,
                                             MessageSink& messages) {
    std::set<int> columns;
    std::set<int> rows;
    for (const QModelIndex& index : selected) {
        const QModelIndex source = sourceIndex(index);
        columns.insert(source.column());
        if (!model.weapon(source.row()).failed()) {
            rows.insert(source.row());
        }
    }
    if (columns.size() > 1) {
        QStringList headings;
        for (int column : columns) {
            headings << columnHeading(model.columnName(column));
        }
        messages.show(QStringLiteral("Select cells of one column to edit them together; the "
                                     "selection spans %1.")
                          .arg(headings.join(QStringLiteral(", "))));
        return nullptr;
    }
    if (columns.empty() || rows.empty()) {
        messages.show(QStringLiteral("Select the cells of loaded weapons in one column to edit "
                                     "them together."));
        return nullptr;
    }
    const int column = *columns.begin();
    if (!model.isEditableColumn(column)) {
        messages.show(QStringLiteral("%1 is not edited in the table.")
                          .arg(columnHeading(model.columnName(column))));
        return nullptr;
    }
    return new BulkEditDialog(model, history, std::vector<int>(rows.begin(), rows.end()), column,
                              parent);
}

void BulkEditDialog::plan() {
    const Operation& operation = kOperations[std::max(0, m_operation->currentIndex())];
    const std::string& column = m_model.columnName(m_column);
    // The plan only reads the weapons; the model hands them out for changing alone.
    std::vector<DeskWeapon*> weapons;
    weapons.reserve(m_rows.size());
    for (int row : m_rows) {
        weapons.push_back(&m_model.weaponToChange(row));
    }
    m_changes.clear();
    const std::vector<BulkChange> planned =
        planBulkEdit(weapons, column, operation.operation, m_operand->text().toStdString());
    QString lines;
    int refused = 0;
    for (const BulkChange& change : planned) {
        const int row = m_rows[change.index];
        lines += utf8(m_model.weapon(row).named) + QStringLiteral(": ") + utf8(change.before);
        if (!change.problem.empty()) {
            lines += QStringLiteral(" refused: ") + utf8(change.problem) + QLatin1Char('\n');
            ++refused;
            continue;
        }
        lines += QStringLiteral(" -> ") + utf8(change.after) + QLatin1Char('\n');
        if (change.after != change.before) {
            m_changes.push_back({row, column, change.before, change.after});
        }
    }
    m_preview->setPlainText(lines);
    m_summary->setText(QStringLiteral("%1 to change, %2 refused, %3 unchanged")
                           .arg(m_changes.size())
                           .arg(refused)
                           .arg(static_cast<qsizetype>(planned.size()) - refused -
                                static_cast<qsizetype>(m_changes.size())));
    // The step names the operation as applied: +10 % scales by x1.1.
    const QString operand = m_operand->text().trimmed();
    QString detail;
    if (operation.operation == BulkOperation::Scale) {
        const double percent = readNumber(operand.toStdString()).value_or(0);
        detail = QStringLiteral(" x") + QString::fromStdString(numberText(1 + percent / 100));
    } else if (operation.operation == BulkOperation::Add) {
        const bool signed_ = operand.startsWith(u'-') || operand.startsWith(u'+');
        detail = (signed_ ? QStringLiteral(" ") : QStringLiteral(" +")) + operand;
    }
    m_stepName = DeskEditCommand::stepText(QString::fromLatin1(operation.verb), column, detail,
                                           m_changes.size());
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(!m_changes.empty());
}

QString BulkEditDialog::previewText() const {
    return m_preview->toPlainText();
}

void BulkEditDialog::accept() {
    if (!m_changes.empty()) {
        m_history.push(new DeskEditCommand(m_model, m_stepName, m_changes));
    }
    QDialog::accept();
}

} // namespace wepn
