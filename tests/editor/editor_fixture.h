#pragma once

#include "editor/control_table.h"
#include "editor/wepn_editor_main.h"
#include "recording_sink.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>
#include <ostream>
#include <qstring_print.h>
#include <vector>

class QAbstractButton;
class QLineEdit;
class QListWidget;

namespace wepn {

/// The cells of each line of tests/data/editor/`name` that is not a comment,
/// cut at "|" with one blank either side of a cell dropped (a line without
/// "|" is kept whole).
std::vector<QStringList> dataLines(const char* name);

/// A fresh window with its messages recorded, and the sample data at hand.
/// Controls are reached through the window's resolved controls.
class EditorTest : public ::testing::Test {
  protected:
    EditorTest();

    const WindowControls& c() const { return window.controls(); }
    /// The control showing a field, e.g. "fWeaponFireRange".
    QWidget* field(const std::string& fieldName) const;
    /// The text box of a field (a drop-down's edit field included).
    QLineEdit* edit(const std::string& fieldName) const;
    /// The resolved control the code uses for a role (null for BurstShotsLabel).
    QWidget* byRole(ControlRole role) const;
    /// The same by the role's name, e.g. "MaxEffect".
    QWidget* byRole(const QString& roleName) const;
    static QStringList rows(const QListWidget* list);
    /// Every field, list row and the burst shots as shown: "name=text"
    /// (tests/data/editor/ion_lance_shown.txt).
    QStringList form() const;

    static FamilyRows sampleFamilies();
    static QStringList sampleFireNames();
    /// Opens a sample weapon; the test fails when the load does.
    void openSample(const QString& weaponFile);
    /// Opens script text given here, with the sample family list.
    bool openScript(const QByteArray& script, const QString& path = QStringLiteral("test.wepn"));

    /// Selects row `row` of a list as a mouse click does.
    static void clickRow(QListWidget* list, int row);
    static void click(QAbstractButton* button);
    /// Replaces the text as the user does: selects it all and types over it.
    static void retype(QLineEdit* edit, const QString& text);
    /// The bytes Save writes; the test fails when it refuses.
    std::string savedBytes();
    /// Runs steps separated by ";" as the user does them and checks what they
    /// say (tests/data/editor/stories.txt describes the words).
    void run(const QString& steps);

    RecordingSink messages;
    WepnEditor_Main window{&messages};
    std::string saved; ///< what the last save wrote
};

/// The fixture editor_weapon.wepn, a script with every statement, with its
/// weapon type and fire type given.
QByteArray scriptWith(const QByteArray& weaponType, const QByteArray& fireType);

} // namespace wepn
