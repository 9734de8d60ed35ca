#include "editor/window_controls.h"

#include "model/fields.h"

#include <QComboBox>
#include <QLineEdit>

namespace wepn {

QString FieldBinding::shownText() const {
    if (edit != nullptr) {
        return edit->text();
    }
    return field->storage == ChoiceStorage::Index ? QString::number(combo->currentIndex())
                                                  : combo->currentText();
}

QWidget* FieldBinding::control() const {
    return edit != nullptr ? static_cast<QWidget*>(edit) : combo;
}

const FieldBinding* WindowControls::binding(std::string_view fieldName) const {
    for (const FieldBinding& binding : fields) {
        if (binding.field->name == fieldName) {
            return &binding;
        }
    }
    return nullptr;
}

} // namespace wepn
