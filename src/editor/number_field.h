#pragma once

#include "editor/window_controls.h"

#include <optional>

namespace wepn {

class MessageSink;

/// The number in a text box, read strictly; nothing, after a message naming
/// the field and its text, when the text is no number.
std::optional<double> readNumberField(const LabelledEdit& field, MessageSink& messages);

} // namespace wepn
