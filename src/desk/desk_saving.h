#pragma once

#include <QString>
#include <QStringList>
#include <vector>

class QUndoStack;
class QWidget;

namespace wepn {

class MessageSink;
class WeaponTableModel;

// Saving the desk's changed weapons, letting them go, and the question
// before the table closes with unsaved weapons.
class DeskSaving {
  public:
    // What one Save All did, each line naming the weapon's file.
    struct Report {
        QStringList saved;
        QStringList refused; // with the reason
        QStringList skipped; // changed on disk and not overwritten, or after Cancel
        bool cancelled = false;
    };

    // Writes each changed weapon through the one writer, file by file. A file
    // changed on disk since it was read is overwritten only when the user
    // says so (Overwrite / Skip / Cancel); a refused weapon stays changed,
    // marked with the reason. The report is shown as a summary and returned.
    // Messages go to `messages`, or to message boxes over `parent` when null.
    static Report saveAll(QWidget* parent, WeaponTableModel& model,
                          MessageSink* messages = nullptr);

    // Gives the weapons of the rows (all changed weapons when `rows` is
    // empty) back as they were loaded or last saved, as one undoable step.
    static void revertRows(WeaponTableModel& model, QUndoStack& history, std::vector<int> rows);

    // Whether the table may close: asks as the main window does when weapons
    // are unsaved (Save / Discard / Cancel); Save saves all and lets the table
    // close only when every weapon was saved.
    static bool confirmClose(QWidget* parent, WeaponTableModel& model,
                             MessageSink* messages = nullptr);
};

} // namespace wepn
