#pragma once

#include <QString>
#include <memory>
#include <string>

class QUndoStack;
class QWidget;

namespace wepn {

class ImportDialog;
class MessageSink;
class WeaponTableModel;

// The desk's table to and from files, on `wepn table`'s and `wepn apply`'s
// rules. Messages go to `messages`, or to message boxes over `parent`.
class TableExchange {
  public:
    // Writes the desk's weapons as edited to `path` (asked for when empty)
    // as the file `wepn table` writes: a workbook for ".xlsx", TSV for
    // ".tsv", CSV otherwise. False after saying why when nothing was written.
    static bool exportTable(QWidget* parent, const WeaponTableModel& model, QString path = {},
                            MessageSink* messages = nullptr);

    // Reads a table (CSV, TSV, JSON or XLSX) and previews it against the
    // desk whose files lie under `folder`; nothing, after saying why, when
    // the file cannot be read as a table.
    static std::unique_ptr<ImportDialog> previewImport(QWidget* parent, WeaponTableModel& model,
                                                       QUndoStack& history,
                                                       const std::string& folder, bool familyList,
                                                       const QString& path,
                                                       MessageSink* messages = nullptr);

    // Asks for a table, shows its preview, and on OK makes its changes one
    // step of the history (written only by Save All).
    static void importTable(QWidget* parent, WeaponTableModel& model, QUndoStack& history,
                            const std::string& folder, bool familyList);
};

} // namespace wepn
