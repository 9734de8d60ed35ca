#pragma once

class QPushButton;
class QRect;
class QWidget;

namespace wepn {

// A push button of the file dialogs: named, placed, and deaf to Enter.
QPushButton* makeDialogButton(QWidget* parent, const char* name, const char* caption,
                              const QRect& rect);

} // namespace wepn
