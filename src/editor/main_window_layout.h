#pragma once

#include "editor/controls.h"

class QWidget;

namespace wepn {

/// Builds the three columns and six frames of the main window from the
/// control table, in Qt layouts so captions never get cut off.
class MainWindowLayout {
  public:
    /// Fills `central` with every control, sets the tab order and returns the
    /// controls by name (frames included).
    static Controls build(QWidget* central);
};

} // namespace wepn
