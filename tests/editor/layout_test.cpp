#include "editor/control_table.h"
#include "editor/main_window_layout.h"
#include "editor/message_box_sink.h"
#include "editor_fixture.h"
#include "model/fields.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <vector>

#ifdef WEPN_COVERAGE
extern "C" void __gcov_dump();
#endif

namespace wepn {
namespace {

bool isKind(const QWidget* w, WidgetKind kind) {
    const char* const classes[] = {"QLabel",    "QLineEdit",   "QLineEdit",   "QComboBox",
                                   "QComboBox", "QListWidget", "QPushButton", "QCheckBox"};
    return w->inherits(classes[static_cast<std::size_t>(kind)]);
}

// The rows a drop-down shows: the choices of the field it shows, else its own.
QStringList expectedRows(const ControlSpec& control) {
    QStringList rows;
    const ScalarField* field = findScalarField(control.field);
    for (std::string_view row : field ? field->choices : control.rows) {
        rows << QString::fromLatin1(row.data(), qsizetype(row.size()));
    }
    return rows;
}

// The window's part the table names: the name the window is known by.
template <class T = QWidget> T* named(const QWidget& window, const char* name) {
    T* widget = window.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

TEST_F(EditorTest, WindowShowsEveryControlOfTheTableAsItSays) {
    for (const ControlSpec& entry : controlSpecs()) {
        QWidget* w = named(window, entry.name);
        ASSERT_NE(w, nullptr);
        EXPECT_TRUE(isKind(w, entry.kind)) << entry.name;
        EXPECT_EQ(w->toolTip().toStdString(), entry.tooltip) << entry.name;
        // Every frame starts disabled, so the control's own flag is what counts.
        EXPECT_EQ(w->testAttribute(Qt::WA_ForceDisabled), !entry.enabled) << entry.name;
        if (auto* label = qobject_cast<QLabel*>(w)) {
            EXPECT_EQ(label->text().toStdString(), entry.caption) << entry.name;
            EXPECT_GE(label->width(), label->sizeHint().width()) << entry.name << " is cut off";
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            EXPECT_EQ(button->text().toStdString(), entry.caption) << entry.name;
        } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
            EXPECT_EQ(edit->text().toStdString(), entry.text) << entry.name;
            EXPECT_EQ(edit->isReadOnly(), entry.kind == WidgetKind::ReadOnlyTextBox) << entry.name;
        } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
            QStringList shown;
            for (int i = 0; i < combo->count(); ++i) {
                shown << combo->itemText(i);
            }
            EXPECT_EQ(shown, expectedRows(entry)) << entry.name;
            EXPECT_EQ(combo->isEditable(), entry.kind == WidgetKind::EditableCombo) << entry.name;
            // The impact-result fields start on their first row, the others on none.
            EXPECT_EQ(combo->currentIndex(), entry.rows.empty() ? -1 : 0) << entry.name;
        }
    }
    for (const FrameSpec& entry : frameSpecs()) {
        auto* frame = named<QGroupBox>(window, entry.name);
        EXPECT_EQ(frame->title().toStdString(), entry.caption) << entry.name;
        EXPECT_FALSE(frame->isEnabled()) << entry.name;
    }
}

TEST_F(EditorTest, TabWalksTheControlsInTheTablesOrder) {
    std::map<int, std::string> expected;
    for (const ControlSpec& entry : controlSpecs()) {
        if (entry.tab > 0) {
            expected.emplace(entry.tab, entry.name);
        }
    }
    std::vector<std::string> walked;
    QWidget* w = named(window, expected.begin()->second.c_str());
    for (int i = 0; i < 200 && walked.size() < expected.size(); ++i) {
        // The edit field inside the editable drop-down is reached through it.
        if ((w->focusPolicy() & Qt::TabFocus) && !w->objectName().isEmpty()) {
            walked.push_back(w->objectName().toStdString());
        }
        w = w->nextInFocusChain();
    }
    std::vector<std::string> order;
    for (const auto& [tab, name] : expected) {
        order.push_back(name);
    }
    EXPECT_EQ(walked, order);
}

// Each control the code uses is the one the table gives its role.
TEST_F(EditorTest, ControlsResolveByTheirRoles) {
    for (const ControlSpec& entry : controlSpecs()) {
        if (QWidget* control = byRole(entry.role)) {
            EXPECT_EQ(control->objectName().toStdString(), entry.name) << roleName(entry.role);
        }
    }
    const auto turret = std::find_if(frameSpecs().begin(), frameSpecs().end(),
                                     [](const FrameSpec& frame) { return frame.turret; });
    EXPECT_EQ(c().turretFrame->objectName().toStdString(), turret->name);
}

#ifdef WEPN_COVERAGE
// A coverage build writes its counters at exit, which a fatal message skips:
// they are written first.
void keepCountersOnFatal(QtMsgType type, const QMessageLogContext&, const QString& text) {
    std::fprintf(stderr, "%s\n", qPrintable(text));
    if (type == QtFatalMsg) {
        __gcov_dump();
    }
}
#endif

// A table the code cannot use ends the program at once, naming the control
// (a control that is missing altogether by its role).
TEST(MainWindowLayoutDeathTest, ATableThatDoesNotResolveNamesTheControl) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    using Table = std::vector<ControlSpec>;
    const auto at = [](Table& t, auto is) { return std::find_if(t.begin(), t.end(), is); };
    const auto field = [](const char* name) {
        return [name](const ControlSpec& s) { return std::string_view(s.field) == name; };
    };
    const auto role = [](ControlRole r) {
        return [r](const ControlSpec& s) { return s.role == r; };
    };
    // Each case breaks the table, returns the control's name and gives the message.
    const std::pair<std::function<const char*(Table&)>, const char*> cases[] = {
        {[&](Table& t) {
             const auto e = at(t, field("fWeaponFireRange"));
             return e->field = "fRange", e->name;
         },
         " shows a field the model does not"},
        {[&](Table& t) {
             const auto e = at(t, field("fWeaponFireRadius"));
             return e->field = "fWeaponFireRange", e->name;
         },
         " shows a field another"},
        {[&](Table& t) {
             const auto e = at(t, role(ControlRole::Add));
             return e->field = "fFiringArc", e->name;
         },
         " shows a field but is neither"},
        {[&](Table& t) { return t.erase(at(t, role(ControlRole::MinEffect))), "MinEffect"; },
         " is missing"},
        {[&](Table& t) {
             const auto e = at(t, role(ControlRole::AlwaysDamage));
             return e->kind = WidgetKind::Button, e->name;
         },
         " is missing or of another kind"},
        // A field's control without a label on its row cannot be named in messages.
        {[&](Table& t) {
             const ControlSpec range = *at(t, field("fWeaponFireRange"));
             t.erase(at(t, [&](const ControlSpec& s) {
                 return s.frame == range.frame && s.row == range.row && s.kind == WidgetKind::Label;
             }));
             return range.name;
         },
         " has no label on its row"},
    };
    for (const auto& [breakTable, message] : cases) {
        Table table(controlSpecs().begin(), controlSpecs().end());
        const std::string name = breakTable(table);
        EXPECT_DEATH(
            {
#ifdef WEPN_COVERAGE
                qInstallMessageHandler(keepCountersOnFatal);
#endif
                QWidget central;
                MainWindowLayout::build(&central, table);
            },
            QRegularExpression::escape(QString::fromStdString(name)).toStdString() + message)
            << message;
    }
}

TEST_F(EditorTest, MenusCarryAccessKeysAndShortcuts) {
    const std::tuple<QAction*, const char*, const char*, bool> cases[] = {
        {window.openAction(), "&Open", "Ctrl+O", true},
        {window.saveAsAction(), "&Save As...", "Ctrl+S", false},
        {window.exitAction(), "E&xit", "Ctrl+Q", true},
        {window.decompiledDataAction(), "&Decompiled Data", "", true},
    };
    for (const auto& [action, caption, shortcut, enabled] : cases) {
        EXPECT_EQ(action->text().toStdString(), caption);
        EXPECT_EQ(action->shortcut(), QKeySequence(QString::fromLatin1(shortcut))) << caption;
        EXPECT_EQ(action->isEnabled(), enabled) << caption;
    }
    QStringList menus;
    for (QAction* menu : window.menuBar()->actions()) {
        menus << menu->text();
    }
    EXPECT_EQ(menus, (QStringList{"&File", "&Edit", "&Settings", "&Help"}));
}

TEST_F(EditorTest, WindowOpensWithVersionCaptionAndDefaultSize) {
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Vyr Weapon Editor 1.4.4"));
    EXPECT_EQ(window.objectName(), QStringLiteral("WepnEditor_Main"));
    EXPECT_FALSE(window.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(window.centralWidget()->width(), 824) << "client width at 96 dpi";
    EXPECT_EQ(window.centralWidget()->height(), 599) << "client height at 96 dpi";
    const auto* scroll = qobject_cast<const QScrollArea*>(window.centralWidget());
    ASSERT_NE(scroll, nullptr);
    EXPECT_EQ(scroll->widget()->size(), scroll->viewport()->size()) << "nothing to scroll";
    // A screen smaller than that: the window fits it and its content scrolls.
    window.resize(400, 300);
    QApplication::processEvents();
    EXPECT_LE(window.minimumSizeHint().height(), 300);
    EXPECT_EQ(window.height(), 300);
    EXPECT_GT(scroll->widget()->height(), scroll->viewport()->height());
}

// A question about a long name wraps the name: its end and the question
// mark stay inside the box, on the screen.
TEST(MessageBoxLayout, ALongNameWrapsAndTheQuestionStaysInView) {
    QWidget parent;
    MessageBoxSink sink(&parent);
    const QString question = QStringLiteral("Save changes to '%1.wepn'?").arg(QString(200, 'w'));
    bool inspected = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        inspected = true;
        const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        EXPECT_EQ(label->text().remove(QChar(0x200B)), question);
        EXPECT_LE(box->width(), box->screen()->availableGeometry().width());
        EXPECT_GE(label->width(), label->minimumSizeHint().width()) << "nothing cut off";
        EXPECT_GE(label->height(), label->heightForWidth(label->width()));
        box->done(QMessageBox::No);
    });
    EXPECT_FALSE(sink.confirm(question));
    EXPECT_TRUE(inspected);
}

} // namespace
} // namespace wepn
