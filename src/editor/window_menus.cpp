#include "editor/window_menus.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace wepn {
namespace {

QMenu* addMenu(QWidget* parent, const char* name, const char* caption) {
    auto* menu = new QMenu(QString::fromLatin1(caption), parent);
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

QAction* addAction(QMenu* menu, const char* name, const char* caption,
                   const QKeySequence& shortcut = {}) {
    QAction* action = menu->addAction(QString::fromLatin1(caption));
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    return action;
}

} // namespace

WindowMenus::WindowMenus(QMenuBar* menuBar) {
    QMenu* file = addMenu(menuBar, "File", "&File");
    menuBar->addMenu(file);
    m_open = addAction(file, "Open", "&Open", QKeySequence(Qt::CTRL | Qt::Key_O));
    m_saveAs = addAction(file, "Save", "&Save As...", QKeySequence(Qt::CTRL | Qt::Key_S));
    m_saveAs->setEnabled(false);
    file->addSeparator()->setObjectName(QStringLiteral("sep01"));
    m_exit = addAction(file, "Exit", "E&xit", QKeySequence(Qt::CTRL | Qt::Key_Q));

    QMenu* settings = addMenu(menuBar, "Settings", "&Settings");
    menuBar->addMenu(settings);
    QMenu* directories = addMenu(settings, "ManageDirectories", "&Manage Directories");
    settings->addMenu(directories);
    m_decompiledData = addAction(directories, "DecompiledData", "&Decompiled Data");
}

} // namespace wepn
