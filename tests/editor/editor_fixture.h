#pragma once

#include "editor/wepn_editor_main.h"
#include "recording_sink.h"

#include <QByteArray>
#include <QLineEdit>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

namespace wepn {

/// A fresh window with its messages recorded, and the sample data at hand.
class EditorTest : public ::testing::Test {
  protected:
    EditorTest();

    template <class T> T* find(const char* name) {
        T* widget = window.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QString text(const char* lineEditName);

    static std::string sampleBytes(const QString& weaponFile);
    static FamilyRows sampleFamilies();
    static QStringList sampleFireNames();
    static QString samplePath(const QString& weaponFile);

    /// Opens a sample weapon; the test fails when the load does.
    void openSample(const QString& weaponFile);
    /// Opens script text given here, with the sample family list.
    bool openScript(const QByteArray& script, const QString& path = QStringLiteral("test.wepn"));

    /// Selects row `row` of a list as a mouse click does.
    void clickRow(const char* list, int row);
    void click(const char* button);
    void retype(const char* lineEdit, const QString& text);
    /// Replaces the text as the user does: selects it all and types over it.
    static void retype(QLineEdit* edit, const QString& text);

    RecordingSink messages;
    WepnEditor_Main window{&messages};
};

/// The fixture editor_weapon.wepn, a script with every statement, with its
/// weapon type and fire type given.
QByteArray scriptWith(const char* weaponType, const char* fireType);

} // namespace wepn
