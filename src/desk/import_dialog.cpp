#include "desk/import_dialog.h"

#include "desk/utf8_text.h"
#include "desk/weapon_table_model.h"
#include "sheet/desk_export.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUndoStack>
#include <QVBoxLayout>

namespace wepn {

ImportDialog::ImportDialog(WeaponTableModel& model, QUndoStack& history, const QString& tableName,
                           const std::vector<ImportPreviewRow>& preview, QWidget* parent)
    : QDialog(parent), m_model(model), m_history(history) {
    setObjectName(QStringLiteral("ImportDialog"));
    setWindowTitle(QStringLiteral("Import %1").arg(tableName));
    std::size_t weapons = 0;
    int refused = 0;
    for (const ImportPreviewRow& row : preview) {
        for (const std::string& problem : row.problems) {
            m_text += QStringLiteral("%1:%2: %3\n").arg(tableName).arg(row.line).arg(utf8(problem));
        }
        refused += row.problems.empty() ? 0 : 1;
        if (!row.problems.empty() || !row.weapon || row.cells.empty()) {
            continue;
        }
        for (const EditChange& change : row.changes) {
            m_text += QStringLiteral("%1: %2 %3 -> %4\n")
                          .arg(utf8(row.shown), utf8(change.name), utf8(change.before),
                               utf8(change.after));
        }
        const int modelRow = static_cast<int>(*row.weapon);
        for (const auto& [column, value] : row.cells) {
            const int c = m_model.columnNamed(column);
            m_changes.push_back({modelRow, column,
                                 c < 0 ? std::string() : m_model.cell(modelRow, c).toStdString(),
                                 value});
        }
        ++weapons;
    }
    m_stepName = QStringLiteral("Import %1 (%2 %3)")
                     .arg(tableName)
                     .arg(weapons)
                     .arg(weapons == 1 ? QStringLiteral("weapon") : QStringLiteral("weapons"));

    auto* text = new QPlainTextEdit(m_text, this);
    text->setReadOnly(true);
    text->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setEnabled(!m_changes.empty());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(
        QStringLiteral("%1 weapons to change, %2 rows refused").arg(weapons).arg(refused), this));
    layout->addWidget(text);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &ImportDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ImportDialog::reject);
    resize(640, 420);
}

void ImportDialog::accept() {
    if (!m_changes.empty()) {
        m_history.push(new DeskEditCommand(m_model, m_stepName, std::move(m_changes)));
        m_changes.clear();
    }
    QDialog::accept();
}

} // namespace wepn
