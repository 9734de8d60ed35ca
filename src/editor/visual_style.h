#pragma once

#include "editor/control_table.h"

class QGroupBox;
class QWidget;

namespace wepn {

/// The window's colours and fonts: bold blue frame captions, black lists with
/// coloured rows, light green on dark grey for what the user edits.
class VisualStyle {
  public:
    static void applyWindowFont(QWidget* window);
    static void applyFrame(QGroupBox* frame);
    static void applyControl(QWidget* control, const ControlSpec& entry);
    /// Marks a field whose text was rejected, or takes the mark away.
    static void markRejected(QWidget* field, bool rejected);
    static bool isMarkedRejected(const QWidget* field);
};

} // namespace wepn
