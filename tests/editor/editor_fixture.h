#pragma once

#include "editor/wepn_editor_main.h"
#include "recording_sink.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

class QAbstractButton;
class QLineEdit;
class QListWidget;

namespace wepn {

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
    static QStringList rows(const QListWidget* list);

    static std::string sampleBytes(const QString& weaponFile);
    static FamilyRows sampleFamilies();
    static QStringList sampleFireNames();
    static QString samplePath(const QString& weaponFile);

    /// Opens a sample weapon; the test fails when the load does.
    void openSample(const QString& weaponFile);
    /// Opens script text given here, with the sample family list.
    bool openScript(const QByteArray& script, const QString& path = QStringLiteral("test.wepn"));

    /// Selects row `row` of a list as a mouse click does.
    static void clickRow(QListWidget* list, int row);
    static void click(QAbstractButton* button);
    /// Replaces the text as the user does: selects it all and types over it.
    static void retype(QLineEdit* edit, const QString& text);

    RecordingSink messages;
    WepnEditor_Main window{&messages};
};

/// The fixture editor_weapon.wepn, a script with every statement, with its
/// weapon type and fire type given.
QByteArray scriptWith(const char* weaponType, const char* fireType);

} // namespace wepn
