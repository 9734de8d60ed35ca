#pragma once

#include "editor/list_snapshot.h"
#include "editor/window_controls.h"

#include <QHash>
#include <QObject>
#include <QUndoStack>
#include <QVariant>
#include <array>

class QListWidget;
class QPushButton;

namespace wepn {

/// The window's undo history: records each change the user makes to a field
/// or through a list's buttons on one QUndoStack, and puts changes back when
/// they are undone or redone. A clean stack is the weapon as last loaded or
/// saved.
class WindowHistory : public QObject {
    Q_OBJECT
  public:
    WindowHistory(const WindowControls& controls, WeaponState& state, QObject* parent);

    QUndoStack& stack() { return m_stack; }

    /// Records the list buttons' changes. Call after the list editors have
    /// connected their buttons, so the changes are there to record.
    void watchListButtons();
    /// Starts a new history on what the window shows now.
    void reset();
    /// Ends the typing step, so the next keystroke starts a new one.
    void closeStep() { m_stepOpen = false; }

    void restoreField(QWidget* control, const QVariant& value);
    void restoreLists(const ListSnapshot& snapshot);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void watchField(const FieldBinding& binding);
    void fieldChanged(QWidget* control, QVariant value, bool typed);
    void listButtonPressed();
    void listButtonClicked(const QString& label);
    ListSnapshot listSnapshot() const;
    std::array<QListWidget*, 3> lists() const;

    QUndoStack m_stack;
    const WindowControls& m_controls;
    WeaponState& m_state;
    // What each field showed after the last recorded, presented or restored change.
    QHash<QWidget*, QVariant> m_shown;
    QHash<QWidget*, QString> m_labels;
    ListSnapshot m_beforeButton;
    bool m_stepOpen = false;
};

} // namespace wepn
