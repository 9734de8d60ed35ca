#include "shell/dialog_button.h"

#include <QPushButton>

namespace wepn {

QPushButton* makeDialogButton(QWidget* parent, const char* name, const char* caption) {
    auto* button = new QPushButton(QString::fromLatin1(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

} // namespace wepn
