#pragma once

#include <span>
#include <string_view>

namespace wepn {

/// The kinds of control the main window is built from.
enum class WidgetKind {
    Label,           ///< static text; a row holding only a label is a heading
    TextBox,         ///< single-line text field
    ReadOnlyTextBox, ///< text field the user can select and copy but not change
    PickCombo,       ///< drop-down list: the user can only pick a row
    EditableCombo,   ///< drop-down whose text the user can also type
    List,            ///< box of rows, one selectable
    Button,
    CheckBox,
};

enum class ListTextColour { None, Red, Yellow };

/// What the code does with a control beyond showing it (a field it shows is
/// named by the field). The layout resolves the window's controls by role.
enum class ControlRole {
    None,
    WeaponEffects, ///< offers the weapon-fire names
    FireDelay,
    BurstLength,
    BurstShots,
    BurstShotsLabel,
    ResultList,
    Condition,
    Effect,
    MinEffect,
    MaxEffect,
    SpawnedEffect,
    Add,
    Apply,
    Remove,
    PenetrationList,
    PenetrationValue,
    PenetrationApply,
    AccuracyList,
    AccuracyValue,
    AlwaysDamage,
    AccuracyApply,
};

/// One of the six frames, in the column it stands in (0 left, 1 middle, 2 right).
struct FrameSpec {
    const char* name;
    const char* caption;
    int column;
    bool turret = false; ///< enabled only for a weapon with turret values
};

/// One control of the main window. Controls with the same frame and row stand
/// side by side; `tab` is the control's place in the tab order (0: no focus).
/// A control that shows a scalar field names it; its drop-down rows are then
/// the field's choices, and the label on its row names it in messages.
/// `name` is the name the window's part is known by and stays as it is.
struct ControlSpec {
    int frame;
    int row;
    WidgetKind kind;
    const char* name;
    const char* caption = ""; ///< label, button or check box caption
    const char* tooltip = ""; ///< empty: none
    const char* text = "";    ///< initial text of a text box
    std::span<const std::string_view> rows =
        {}; ///< drop-down rows of a control that shows no field
    bool enabled = true;
    int tab = 0;
    ListTextColour listColour = ListTextColour::None;
    const char* field = ""; ///< the scalar field shown, e.g. "fWeaponFireRange"; empty: none
    ControlRole role = ControlRole::None;
};

/// The frames in the order they are stacked within their columns.
std::span<const FrameSpec> frameSpecs();
/// Every control, frame by frame and row by row from the top.
std::span<const ControlSpec> controlSpecs();
/// The role's name in messages about the table.
const char* roleName(ControlRole role);

} // namespace wepn
