#pragma once

#include "editor/collect_error.h"
#include "editor/field_value.h"
#include "editor/window_controls.h"

#include <QHash>
#include <QObject>
#include <optional>
#include <vector>

namespace wepn {

class MessageSink;
class WindowHistory;

/// The scalar fields of the window as editors of the weapon state. A change
/// the user makes (typing, a drop-down choice) becomes a command that stores
/// the value in the state; typed text that reads as the field's value is
/// stored as it is typed. When the field is committed (focus leaves it, or
/// Enter) text that does not read is rejected with a message naming the
/// field, and the field stays marked until it holds a value again.
class FieldEditor : public QObject {
    Q_OBJECT
  public:
    FieldEditor(const WindowControls& controls, WeaponState& state, WindowHistory& history,
                MessageSink& messages, QObject* parent);

    /// Stores `value` in the state and shows what follows from it; the field
    /// itself too unless it shows the value already (as typed).
    void store(const FieldBinding& binding, const FieldValue& value, bool showField);
    /// Commits every field the user has changed since it was last committed.
    void commitAll();
    /// Shows the state in every field; the marks go.
    void presentAll();
    /// The first field, in the field table's order, whose text was rejected.
    const CollectError* firstRejected() const;
    /// The undo step's name for a field: its label without the colon.
    static QString stepName(const FieldBinding& binding);

  signals:
    /// A field was marked or its mark went.
    void rejectionsChanged();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void watch(std::size_t index);
    /// Stores the value the field's text reads as, when it differs from the
    /// state's; false when the text does not read.
    bool take(std::size_t index, bool typed);
    void commit(std::size_t index);
    void mark(std::size_t index, std::optional<CollectError> rejection);
    std::size_t indexOf(const FieldBinding& binding) const;

    const WindowControls& m_controls;
    WeaponState& m_state;
    WindowHistory& m_history;
    MessageSink& m_messages;
    QHash<QObject*, std::size_t> m_fieldOf; // a text box (a drop-down's too) and its field
    std::vector<std::optional<CollectError>> m_rejected;
};

} // namespace wepn
