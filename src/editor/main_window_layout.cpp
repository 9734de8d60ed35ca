#include "main_window_layout.h"

#include "control_table.h"
#include "visual_style.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <map>
#include <vector>

namespace wepn {
namespace {

QWidget* createControl(const ControlSpec& entry, QWidget* parent) {
    const QString caption = QString::fromLatin1(entry.caption);
    QWidget* control = nullptr;
    switch (entry.kind) {
    case WidgetKind::Label:
        control = new QLabel(caption, parent);
        break;
    case WidgetKind::TextBox:
    case WidgetKind::ReadOnlyTextBox: {
        auto* edit = new QLineEdit(QString::fromLatin1(entry.text), parent);
        edit->setReadOnly(entry.kind == WidgetKind::ReadOnlyTextBox);
        control = edit;
        break;
    }
    case WidgetKind::PickCombo:
    case WidgetKind::EditableCombo: {
        auto* combo = new QComboBox(parent);
        combo->setEditable(entry.kind == WidgetKind::EditableCombo);
        combo->setInsertPolicy(QComboBox::NoInsert);
        if (QCompleter* completer = combo->completer()) {
            // Enter keeps the text as typed: a row that differs only in
            // letter case is another name.
            completer->setCaseSensitivity(Qt::CaseSensitive);
        }
        for (const char* row : entry.rows) {
            combo->addItem(QString::fromLatin1(row));
        }
        combo->setCurrentIndex(-1);
        control = combo;
        break;
    }
    case WidgetKind::List: {
        auto* list = new QListWidget(parent);
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->setSortingEnabled(false);
        list->setMinimumHeight(60);
        control = list;
        break;
    }
    case WidgetKind::Button: {
        auto* button = new QPushButton(caption, parent);
        // The style's usual minimum of 80 pixels would leave no room for three
        // buttons side by side in a narrow column; the caption still fits.
        button->setMinimumWidth(button->fontMetrics().horizontalAdvance(caption) + 24);
        control = button;
        break;
    }
    case WidgetKind::CheckBox:
        control = new QCheckBox(caption, parent);
        break;
    }
    control->setObjectName(QString::fromLatin1(entry.name));
    if (entry.tooltip[0] != '\0') {
        control->setToolTip(QString::fromLatin1(entry.tooltip));
    }
    control->setEnabled(entry.enabled);
    control->setFocusPolicy(entry.tab > 0 ? Qt::StrongFocus : Qt::NoFocus);
    VisualStyle::applyControl(control, entry);
    return control;
}

// A row of label and field puts them in the two grid columns; further
// controls of the row go beside the field; a row without a label spans both.
void placeRow(QGridLayout* grid, int gridRow, const std::vector<QWidget*>& row,
              const std::vector<WidgetKind>& kinds) {
    const bool labelled = kinds.front() == WidgetKind::Label && row.size() > 1;
    if (row.size() == 1) {
        // A heading wraps rather than widen its column when the font is large.
        if (auto* heading = qobject_cast<QLabel*>(row.front())) {
            heading->setWordWrap(true);
        }
        grid->addWidget(row.front(), gridRow, 0, 1, 2);
    } else if (labelled && row.size() == 2) {
        grid->addWidget(row[0], gridRow, 0);
        grid->addWidget(row[1], gridRow, 1);
    } else {
        auto* box = new QHBoxLayout;
        box->setSpacing(grid->horizontalSpacing());
        for (std::size_t i = labelled ? 1 : 0; i < row.size(); ++i) {
            box->addWidget(row[i], 1);
        }
        if (labelled) {
            grid->addWidget(row[0], gridRow, 0);
            grid->addLayout(box, gridRow, 1);
        } else {
            grid->addLayout(box, gridRow, 0, 1, 2);
        }
    }
    if (kinds.front() == WidgetKind::List) {
        grid->setRowStretch(gridRow, 1);
    }
}

QGroupBox* buildFrame(int index, const FrameSpec& frameSpec, Controls& controls,
                      std::vector<std::pair<int, QWidget*>>& focusable) {
    auto* frame = new QGroupBox(QString::fromLatin1(frameSpec.caption));
    frame->setObjectName(QString::fromLatin1(frameSpec.name));
    frame->setEnabled(false);
    VisualStyle::applyFrame(frame);
    controls.add(frame);

    auto* grid = new QGridLayout(frame);
    grid->setContentsMargins(6, 2, 6, 3);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(1);
    grid->setColumnStretch(0, 4);
    grid->setColumnStretch(1, 3);

    std::map<int, std::pair<std::vector<QWidget*>, std::vector<WidgetKind>>> rows;
    for (const ControlSpec& entry : controlSpecs()) {
        if (entry.frame != index) {
            continue;
        }
        QWidget* control = createControl(entry, frame);
        controls.add(control);
        rows[entry.row].first.push_back(control);
        rows[entry.row].second.push_back(entry.kind);
        if (entry.tab > 0) {
            focusable.emplace_back(entry.tab, control);
        }
    }
    int gridRow = 0;
    for (const auto& [rowIndex, row] : rows) {
        placeRow(grid, gridRow++, row.first, row.second);
    }
    return frame;
}

} // namespace

Controls MainWindowLayout::build(QWidget* central) {
    Controls controls;
    std::vector<std::pair<int, QWidget*>> focusable;

    auto* columns = new QHBoxLayout(central);
    columns->setContentsMargins(8, 0, 8, 4);
    columns->setSpacing(7);
    std::vector<QVBoxLayout*> columnLayouts;
    for (int i = 0; i < 3; ++i) {
        auto* column = new QVBoxLayout;
        column->setSpacing(7);
        columns->addLayout(column, 1);
        columnLayouts.push_back(column);
    }

    const auto frames = frameSpecs();
    for (std::size_t i = 0; i < frames.size(); ++i) {
        QGroupBox* frame = buildFrame(static_cast<int>(i), frames[i], controls, focusable);
        columnLayouts[frames[i].column]->addWidget(frame);
    }
    // The middle column's frames keep their natural height; the space that is
    // left stays empty below them.
    columnLayouts[1]->addStretch(1);

    std::sort(focusable.begin(), focusable.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < focusable.size(); ++i) {
        QWidget::setTabOrder(focusable[i - 1].second, focusable[i].second);
    }
    return controls;
}

} // namespace wepn
