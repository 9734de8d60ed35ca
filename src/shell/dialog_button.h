#pragma once

class QPushButton;
class QWidget;

namespace wepn {

// A push button of the file dialogs: named, and deaf to Enter.
QPushButton* makeDialogButton(QWidget* parent, const char* name, const char* caption);

} // namespace wepn
