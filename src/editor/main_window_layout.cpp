#include "editor/main_window_layout.h"

#include "editor/visual_style.h"
#include "model/fields.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdlib>
#include <map>
#include <vector>

namespace wepn {
namespace {

using ControlsByName = QHash<QString, QWidget*>;

// The control table and the code that uses its controls disagree: no window
// can be built from it.
[[noreturn]] void unresolved(const char* control, const char* problem) {
    qFatal("Main window: the control %s %s", control, problem);
    std::abort();
}

// A drop-down answers a change of its font by building its list popup at
// once. Before the window shows, nothing needs that popup: opened later, it is
// built then, in the drop-down's font and colours.
class PopupDeferral : public QObject {
  public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        return event->type() == QEvent::FontChange || QObject::eventFilter(watched, event);
    }
};

// The scalar field a control shows, null for none.
const ScalarField* shownField(const ControlSpec& entry) {
    if (entry.field[0] == '\0') {
        return nullptr;
    }
    const ScalarField* field = findScalarField(entry.field);
    if (field == nullptr) {
        unresolved(entry.name, "shows a field the model does not have");
    }
    return field;
}

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
        const ScalarField* field = shownField(entry);
        for (std::string_view row : field ? field->choices : entry.rows) {
            combo->addItem(QString::fromLatin1(row.data(), qsizetype(row.size())));
        }
        if (QCompleter* completer = combo->completer()) {
            // Enter keeps the text as typed: a row that differs only in
            // letter case is another name.
            completer->setCaseSensitivity(Qt::CaseSensitive);
        }
        combo->setCurrentIndex(-1);
        control = combo;
        break;
    }
    case WidgetKind::List: {
        auto* list = new QListWidget(parent);
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->setSortingEnabled(false);
        // Rows are one line of text each: a repaint need not measure every row.
        list->setUniformItemSizes(true);
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
    PopupDeferral deferral;
    if (qobject_cast<QComboBox*>(control) != nullptr) {
        control->installEventFilter(&deferral);
    }
    VisualStyle::applyControl(control, entry);
    control->removeEventFilter(&deferral);
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

QGroupBox* buildFrame(int index, const FrameSpec& frameSpec, std::span<const ControlSpec> table,
                      ControlsByName& controls, std::vector<std::pair<int, QWidget*>>& focusable) {
    auto* frame = new QGroupBox(QString::fromLatin1(frameSpec.caption));
    frame->setObjectName(QString::fromLatin1(frameSpec.name));
    frame->setEnabled(false);
    VisualStyle::applyFrame(frame);

    auto* grid = new QGridLayout(frame);
    grid->setContentsMargins(6, 2, 6, 3);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(1);
    grid->setColumnStretch(0, 4);
    grid->setColumnStretch(1, 3);

    std::map<int, std::pair<std::vector<QWidget*>, std::vector<WidgetKind>>> rows;
    for (const ControlSpec& entry : table) {
        if (entry.frame != index) {
            continue;
        }
        QWidget* control = createControl(entry, frame);
        controls.insert(control->objectName(), control);
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

// The table's entry of each role that the code resolves.
const ControlSpec& specFor(std::span<const ControlSpec> table, ControlRole role) {
    const auto entry = std::find_if(table.begin(), table.end(),
                                    [&](const ControlSpec& other) { return other.role == role; });
    if (entry == table.end()) {
        unresolved(roleName(role), "is missing");
    }
    return *entry;
}

template <class T>
T* resolve(std::span<const ControlSpec> table, const ControlsByName& controls, ControlRole role) {
    const ControlSpec& entry = specFor(table, role);
    auto* control = qobject_cast<T*>(controls.value(QString::fromLatin1(entry.name)));
    if (control == nullptr) {
        unresolved(entry.name, "is missing or of another kind");
    }
    return control;
}

// The caption of the label on the control's row, which names it in messages.
QString rowLabel(std::span<const ControlSpec> table, const ControlSpec& entry) {
    for (const ControlSpec& other : table) {
        if (other.frame == entry.frame && other.row == entry.row &&
            other.kind == WidgetKind::Label) {
            return QString::fromLatin1(other.caption);
        }
    }
    unresolved(entry.name, "has no label on its row");
}

LabelledEdit labelled(std::span<const ControlSpec> table, const ControlsByName& controls,
                      ControlRole role) {
    return {resolve<QLineEdit>(table, controls, role), rowLabel(table, specFor(table, role))};
}

// Every control that shows a scalar field, in the order of the field table.
std::vector<FieldBinding> bindFields(std::span<const ControlSpec> table,
                                     const ControlsByName& controls) {
    std::vector<FieldBinding> bindings;
    for (const ControlSpec& entry : table) {
        const ScalarField* field = shownField(entry);
        if (field == nullptr) {
            continue;
        }
        if (std::any_of(bindings.begin(), bindings.end(),
                        [&](const FieldBinding& b) { return b.field == field; })) {
            unresolved(entry.name, "shows a field another control shows");
        }
        QWidget* control = controls.value(QString::fromLatin1(entry.name));
        auto* edit = qobject_cast<QLineEdit*>(control);
        auto* combo = qobject_cast<QComboBox*>(control);
        if (edit == nullptr && combo == nullptr) {
            unresolved(entry.name, "shows a field but is neither a text box nor a drop-down");
        }
        bindings.push_back({field, edit, combo, rowLabel(table, entry)});
    }
    std::sort(bindings.begin(), bindings.end(), [](const FieldBinding& a, const FieldBinding& b) {
        return a.field < b.field; // the field table is one array
    });
    return bindings;
}

WindowControls resolveControls(std::span<const ControlSpec> table, const ControlsByName& controls,
                               std::vector<QGroupBox*> frames) {
    const auto edit = [&](ControlRole role) { return resolve<QLineEdit>(table, controls, role); };
    const auto combo = [&](ControlRole role) { return resolve<QComboBox>(table, controls, role); };
    const auto list = [&](ControlRole role) { return resolve<QListWidget>(table, controls, role); };
    const auto button = [&](ControlRole role) {
        return resolve<QPushButton>(table, controls, role);
    };
    const auto field = [&](ControlRole role) { return labelled(table, controls, role); };
    using R = ControlRole;

    WindowControls window;
    window.fields = bindFields(table, controls);
    const auto turret = std::find_if(frameSpecs().begin(), frameSpecs().end(),
                                     [](const FrameSpec& frame) { return frame.turret; });
    window.turretFrame = frames[std::size_t(turret - frameSpecs().begin())];
    window.frames = std::move(frames);
    window.weaponEffects = combo(R::WeaponEffects);
    window.results = {list(R::ResultList), combo(R::Condition), combo(R::Effect),
                      field(R::MinEffect), field(R::MaxEffect), field(R::SpawnedEffect),
                      button(R::Add),      button(R::Apply),    button(R::Remove)};
    window.families = {
        list(R::PenetrationList),    edit(R::PenetrationValue),
        button(R::PenetrationApply), list(R::AccuracyList),
        edit(R::AccuracyValue),      resolve<QCheckBox>(table, controls, R::AlwaysDamage),
        button(R::AccuracyApply)};
    window.burst = {edit(R::FireDelay), edit(R::BurstLength), edit(R::BurstShots)};
    return window;
}

} // namespace

WindowControls MainWindowLayout::build(QWidget* central, std::span<const ControlSpec> table) {
    ControlsByName controls;
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

    const auto frameTable = frameSpecs();
    std::vector<QGroupBox*> frames;
    for (std::size_t i = 0; i < frameTable.size(); ++i) {
        frames.push_back(
            buildFrame(static_cast<int>(i), frameTable[i], table, controls, focusable));
        columnLayouts[frameTable[i].column]->addWidget(frames.back());
    }
    // The middle column's frames keep their natural height; the space that is
    // left stays empty below them.
    columnLayouts[1]->addStretch(1);

    std::sort(focusable.begin(), focusable.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < focusable.size(); ++i) {
        QWidget::setTabOrder(focusable[i - 1].second, focusable[i].second);
    }
    return resolveControls(table, controls, std::move(frames));
}

} // namespace wepn
