#pragma once

#include "recording_sink.h"
#include "shell/editor_application.h"

#include <QDir>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>
#include <qstring_print.h>

class QListWidget;

namespace wepn {

class EditorShell;
class WepnEditor_Main;

// A private settings store, home directory and copy of the sample data for
// every test; the application starts on demand so a test can store a
// setting first.
class ShellTest : public ::testing::Test {
  public:
    // The rows of a "|"-separated table under tests/data, "#" lines left out.
    static QList<QStringList> table(const char* fixture);
    // A table cell's bytes, "%XX" standing for the byte XX.
    static std::string bytes(const QString& cell);

  protected:
    ShellTest();
    ~ShellTest() override;

    // The sample data directory, a native path under a folder whose name holds
    // a comma and a backslash.
    QString dataDir() const;
    QString native(const QString& relative) const { return m_root.filePath(relative); }
    // The file-name bytes of a path below the test's folder.
    std::string nativeBytes(const QString& relative) const;
    QString root() const { return m_root.path(); }
    // Puts the sample data back into the data directory.
    void copySampleData() const;
    void writeFile(const QString& relative, const QByteArray& bytes = "x") const;
    void storeDataDirectory(const QString& directory) const;
    bool settingsFileExists() const;

    EditorApplication& app();
    // Stores the sample data directory, then starts.
    void startOnSampleData();
    WepnEditor_Main& window() { return app().window(); }
    EditorShell& shell() { return app().shell(); }
    // Restarts the application, as a new run of the program would.
    void restart();

    void triggerOpen();
    void triggerSaveAs();
    // Selects the row of `list` showing `text`, as a mouse click does.
    void clickRow(QListWidget* list, const QString& text);
    static QStringList rows(const QListWidget* list);
    QListWidget* openList();

    RecordingSink messages;

  private:
    QTemporaryDir m_temp;
    QDir m_root;
    std::unique_ptr<EditorApplication> m_app;
};

} // namespace wepn
