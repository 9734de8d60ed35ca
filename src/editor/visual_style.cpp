#include "editor/visual_style.h"

#include <QColor>
#include <QFont>
#include <QGroupBox>
#include <QPalette>
#include <QString>
#include <QStringList>
#include <QWidget>

namespace wepn {
namespace {

QFont baseFont() {
    QFont font;
    // The nearest sans font stands in where the classic one is missing.
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.25);
    font.setWeight(QFont::Normal);
    return font;
}

QFont boldFont() {
    QFont font = baseFont();
    font.setWeight(QFont::Bold);
    return font;
}

// Disabled controls keep the platform's greyed-out colours.
void setEnabledColour(QPalette& palette, QPalette::ColorRole role, const QColor& colour) {
    palette.setColor(QPalette::Active, role, colour);
    palette.setColor(QPalette::Inactive, role, colour);
}

void colourText(QWidget* control, const QColor& text, const QColor& background) {
    QPalette palette = control->palette();
    setEnabledColour(palette, QPalette::Text, text);
    setEnabledColour(palette, QPalette::ButtonText, text);
    setEnabledColour(palette, QPalette::Base, background);
    setEnabledColour(palette, QPalette::Button, background);
    control->setPalette(palette);
}

void colourLabel(QWidget* label, const QColor& text, const QColor& background) {
    QPalette palette = label->palette();
    setEnabledColour(palette, QPalette::WindowText, text);
    palette.setColor(QPalette::Window, background);
    label->setPalette(palette);
    label->setAutoFillBackground(true);
}

void colourFace(QWidget* control) {
    QPalette palette = control->palette();
    palette.setColor(QPalette::Button, QColor(192, 192, 192));
    palette.setColor(QPalette::Window, QColor(192, 192, 192));
    setEnabledColour(palette, QPalette::ButtonText, Qt::black);
    setEnabledColour(palette, QPalette::WindowText, Qt::black);
    control->setPalette(palette);
}

// Where the user edits: light green on dark grey; dark red behind a rejected text.
const QColor kEditText(128, 255, 128);
const QColor kEditBackground(64, 64, 64);
const QColor kRejectedBackground(128, 0, 0);

} // namespace

void VisualStyle::applyWindowFont(QWidget* window) {
    window->setFont(baseFont());
}

void VisualStyle::applyFrame(QGroupBox* frame) {
    // Styles draw the caption in WindowText or Text; the controls inside set
    // their own colours and font, so neither spreads to them.
    frame->setFont(boldFont());
    QPalette palette = frame->palette();
    setEnabledColour(palette, QPalette::WindowText, QColor(0, 0, 255));
    setEnabledColour(palette, QPalette::Text, QColor(0, 0, 255));
    frame->setPalette(palette);
}

void VisualStyle::applyControl(QWidget* control, const ControlSpec& entry) {
    control->setFont(baseFont());
    switch (entry.kind) {
    case WidgetKind::Label:
        if (entry.role == ControlRole::BurstShotsLabel) {
            colourLabel(control, QColor(224, 224, 224), QColor(64, 64, 64));
        } else {
            colourLabel(control, Qt::white, Qt::black);
        }
        break;
    case WidgetKind::TextBox:
    case WidgetKind::PickCombo:
    case WidgetKind::EditableCombo:
        colourText(control, kEditText, kEditBackground);
        break;
    case WidgetKind::ReadOnlyTextBox:
        colourText(control, QColor(128, 0, 0), QColor(224, 224, 224));
        break;
    case WidgetKind::List:
        control->setFont(boldFont());
        colourText(control,
                   entry.listColour == ListTextColour::Red ? QColor(255, 0, 0)
                                                           : QColor(255, 255, 0),
                   Qt::black);
        break;
    case WidgetKind::Button:
    case WidgetKind::CheckBox:
        colourFace(control);
        break;
    }
}

void VisualStyle::markRejected(QWidget* field, bool rejected) {
    colourText(field, kEditText, rejected ? kRejectedBackground : kEditBackground);
}

bool VisualStyle::isMarkedRejected(const QWidget* field) {
    return field->palette().color(QPalette::Active, QPalette::Base) == kRejectedBackground;
}

} // namespace wepn
