#include "shell_fixture.h"

#include "editor/wepn_editor_main.h"
#include "files/path_mapping.h"
#include "shell/directory_browser.h"
#include "shell/editor_shell.h"
#include "shell/frm_open.h"
#include "shell/path_text.h"

#include <QAction>
#include <QFile>
#include <QListWidget>
#include <QSettings>
#include <QTest>
#include <filesystem>
#include <test_support.h>

namespace wepn {
namespace {

void copyTree(const QString& from, const QString& to) {
    QDir().mkpath(to);
    const QDir source(from);
    for (const QFileInfo& entry :
         source.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)) {
        const QString target = to + QLatin1Char('/') + entry.fileName();
        if (entry.isDir()) {
            copyTree(entry.filePath(), target);
        } else {
            QFile::copy(entry.filePath(), target);
        }
    }
}

} // namespace

ShellTest::ShellTest() : m_root(m_temp.filePath(QStringLiteral("check, out\\here"))) {
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, native("settings"));
    m_root.mkpath(QStringLiteral("home"));
    setHomeDirectoryOverride(toFileBytes(native("home")));
    copySampleData();
}

void ShellTest::copySampleData() const {
    copyTree(QStringLiteral(WEPN_EXAMPLES_DIR), native("Data"));
}

ShellTest::~ShellTest() {
    m_app.reset();
    setHomeDirectoryOverride(std::nullopt);
    // QTemporaryDir cannot remove names that are not valid UTF-8.
    std::error_code ec;
    std::filesystem::remove_all(nativeBytes(QString()), ec);
}

QString ShellTest::dataDir() const {
    return native("Data");
}

std::string ShellTest::nativeBytes(const QString& relative) const {
    return toFileBytes(native(relative));
}

void ShellTest::writeFile(const QString& relative, const QByteArray& bytes) const {
    const QString path = native(relative);
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << relative.toStdString();
    file.write(bytes);
}

void ShellTest::storeDataDirectory(const QString& directory) const {
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Vyrdesk"));
    settings.setValue(QStringLiteral("Directories/Decompiled_Data"), directory);
}

bool ShellTest::settingsFileExists() const {
    return QFileInfo::exists(native("settings/Vyrdesk.ini"));
}

EditorApplication& ShellTest::app() {
    if (!m_app) {
        m_app = std::make_unique<EditorApplication>(&messages);
        m_app->start({});
    }
    return *m_app;
}

void ShellTest::startOnSampleData() {
    storeDataDirectory(dataDir());
    app();
}

void ShellTest::restart() {
    m_app.reset();
    app();
}

void ShellTest::triggerOpen() {
    window().openAction()->trigger();
}

void ShellTest::triggerSaveAs() {
    window().saveAsAction()->trigger();
}

void ShellTest::clickRow(QListWidget* list, const QString& text) {
    const QList<QListWidgetItem*> found = list->findItems(text, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << text.toStdString();
    const QRect rect = list->visualItemRect(found.front());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
}

QStringList ShellTest::rows(const QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i) {
        texts << list->item(i)->text();
    }
    return texts;
}

QList<QStringList> ShellTest::table(const char* fixture) {
    QList<QStringList> rows;
    for (const QString& line : QString::fromStdString(test::fixture(fixture))
                                   .split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        if (!line.startsWith(QLatin1Char('#'))) {
            rows << line.split(QLatin1Char('|'));
        }
    }
    return rows;
}

std::string ShellTest::bytes(const QString& cell) {
    return QByteArray::fromPercentEncoding(cell.toUtf8()).toStdString();
}

QListWidget* ShellTest::openList() {
    return shell().frmOpen()->browser()->files();
}

} // namespace wepn
