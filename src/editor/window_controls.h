#pragma once

#include <QString>
#include <string_view>
#include <vector>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QWidget;

namespace wepn {

struct ScalarField;

/// A text box with the caption of the label on its row, which names it in
/// messages.
struct LabelledEdit {
    QLineEdit* edit = nullptr;
    QString label;
};

/// A scalar field and the control that shows it: a text box or a drop-down.
struct FieldBinding {
    const ScalarField* field = nullptr;
    QLineEdit* edit = nullptr;
    QComboBox* combo = nullptr;
    QString label; ///< caption of the label on the control's row

    QWidget* control() const;
    /// What the control shows, as the field table's conversion reads it: a
    /// drop-down bound by index gives its row number.
    QString shownText() const;
};

/// The "Weapon Impact Results" frame's controls.
struct ResultControls {
    QListWidget* list = nullptr;
    QComboBox* condition = nullptr;
    QComboBox* effect = nullptr;
    LabelledEdit minimum;
    LabelledEdit maximum;
    LabelledEdit spawned;
    QPushButton* add = nullptr;
    QPushButton* apply = nullptr;
    QPushButton* remove = nullptr;
};

/// The "Penetration" and "Accuracy" frames' family controls.
struct FamilyControls {
    QListWidget* penetrationList = nullptr;
    QLineEdit* penetration = nullptr;
    QPushButton* penetrationApply = nullptr;
    QListWidget* accuracyList = nullptr;
    QLineEdit* accuracy = nullptr;
    QCheckBox* alwaysDamage = nullptr;
    QPushButton* accuracyApply = nullptr;
};

/// The burst fields: burst shots follows the fire delay and the burst length.
struct BurstControls {
    QLineEdit* fireDelay = nullptr;
    QLineEdit* burstLength = nullptr;
    QLineEdit* shots = nullptr;
};

/// The window's controls as the code uses them, resolved once when the
/// window is built.
struct WindowControls {
    std::vector<FieldBinding> fields; ///< in the order of the field table
    std::vector<QGroupBox*> frames;   ///< in the order of the frame table
    QGroupBox* turretFrame = nullptr;
    QComboBox* weaponEffects = nullptr; ///< offers the weapon-fire names
    ResultControls results;
    FamilyControls families;
    BurstControls burst;

    /// The binding of the named field; null when the window does not show it.
    const FieldBinding* binding(std::string_view fieldName) const;
};

} // namespace wepn
