#include "desk/table_exchange.h"

#include "desk/import_dialog.h"
#include "desk/utf8_text.h"
#include "desk/weapon_table_model.h"
#include "editor/message_box_sink.h"
#include "files/file_io.h"
#include "sheet/desk_export.h"
#include "sheet/fingerprint.h"
#include "sheet/weapon_table.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <algorithm>

namespace wepn {
namespace {

// As `wepn apply` bounds the tables it reads.
constexpr std::size_t kMaxTableBytes = 256 * 1024 * 1024;

std::string nativePath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

// Why the table's header cannot be applied, as `wepn apply` says it.
std::optional<std::string> headerProblem(const TableFile& table) {
    if (std::find(table.columns.begin(), table.columns.end(), kPathColumn) == table.columns.end()) {
        return "no 'path' column: it names each row's file";
    }
    for (const std::string& column : table.columns) {
        if (column != kPathColumn && column != kSourceColumn && !TableColumn::named(column)) {
            return "unknown column '" + column + "'";
        }
    }
    return std::nullopt;
}

} // namespace

bool TableExchange::exportTable(QWidget* parent, const WeaponTableModel& model, QString path,
                                MessageSink* messages) {
    if (path.isEmpty()) {
        path = QFileDialog::getSaveFileName(
            parent, QStringLiteral("Export Weapon Table"), {},
            QStringLiteral("Workbook (*.xlsx);;CSV (*.csv);;TSV (*.tsv)"));
        if (path.isEmpty()) {
            return false;
        }
    }
    MessageBoxSink boxes(parent);
    MessageSink& sink = messages != nullptr ? *messages : boxes;
    std::vector<const DeskWeapon*> weapons;
    for (const DeskWeapon& weapon : model.weapons()) {
        weapons.push_back(&weapon);
    }
    const QString suffix = QFileInfo(path).suffix().toLower();
    std::string bytes;
    std::optional<std::string> error;
    if (suffix == QStringLiteral("xlsx")) {
        error = deskXlsxBytes(weapons, bytes);
    } else {
        bytes = deskDelimitedBytes(weapons, suffix == QStringLiteral("tsv") ? '\t' : ',');
    }
    if (!error) {
        error = writeNativeFileSafely(nativePath(path), bytes);
    }
    if (error) {
        sink.show(QStringLiteral("The table was not exported: %1").arg(utf8(*error)));
        return false;
    }
    return true;
}

std::unique_ptr<ImportDialog> TableExchange::previewImport(QWidget* parent, WeaponTableModel& model,
                                                           QUndoStack& history,
                                                           const std::string& folder,
                                                           bool familyList, const QString& path,
                                                           MessageSink* messages) {
    MessageBoxSink boxes(parent);
    MessageSink& sink = messages != nullptr ? *messages : boxes;
    const QString name = QFileInfo(path).fileName();
    const ReadResult read = readNativeFileBytes(nativePath(path), kMaxTableBytes);
    Expected<TableFile, std::string> table =
        read.ok() ? readTableFile(read.bytes) : Expected<TableFile, std::string>(*read.error);
    std::optional<std::string> problem = table ? headerProblem(*table) : table.error();
    if (problem) {
        sink.show(QStringLiteral("'%1' cannot be imported: %2").arg(path, utf8(*problem)));
        return nullptr;
    }
    return std::make_unique<ImportDialog>(
        model, history, name, importTablePreview(*table, model.weapons(), folder, familyList),
        parent);
}

void TableExchange::importTable(QWidget* parent, WeaponTableModel& model, QUndoStack& history,
                                const std::string& folder, bool familyList) {
    const QString path = QFileDialog::getOpenFileName(
        parent, QStringLiteral("Import Weapon Table"), {},
        QStringLiteral("Tables (*.xlsx *.csv *.tsv *.json);;All files (*)"));
    if (path.isEmpty()) {
        return;
    }
    if (auto dialog = previewImport(parent, model, history, folder, familyList, path)) {
        dialog->exec();
    }
}

} // namespace wepn
