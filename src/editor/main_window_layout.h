#pragma once

#include "editor/control_table.h"
#include "editor/window_controls.h"

#include <span>

class QWidget;

namespace wepn {

/// Builds the three columns and six frames of the main window from the
/// control table, in Qt layouts so captions never get cut off.
class MainWindowLayout {
  public:
    /// Fills `central` with every control, sets the tab order and resolves
    /// the controls the code uses, field bindings included. A name in the
    /// table that does not resolve (a field the model lacks, a field shown
    /// twice, a control missing or of another kind) ends the program with a
    /// message naming the control: the table and the code disagree.
    static WindowControls build(QWidget* central,
                                std::span<const ControlSpec> controls = controlSpecs());
};

} // namespace wepn
