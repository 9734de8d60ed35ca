#include "editor/window_menus.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QUndoStack>

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

WindowMenus::WindowMenus(QMenuBar* menuBar, QUndoStack& history) {
    QMenu* file = addMenu(menuBar, "File", "&File");
    menuBar->addMenu(file);
    m_open = addAction(file, "Open", "&Open", QKeySequence(Qt::CTRL | Qt::Key_O));
    m_saveAs = addAction(file, "Save", "&Save As...", QKeySequence(Qt::CTRL | Qt::Key_S));
    m_saveAs->setEnabled(false);
    file->addSeparator()->setObjectName(QStringLiteral("sep01"));
    m_exit = addAction(file, "Exit", "E&xit", QKeySequence(Qt::CTRL | Qt::Key_Q));
    // Added below the original items, which keep their places.
    file->addSeparator();
    m_openRecent = addMenu(file, "OpenRecent", "Open &Recent");
    file->addMenu(m_openRecent);

    QMenu* edit = addMenu(menuBar, "Edit", "&Edit");
    menuBar->addMenu(edit);
    m_undo = history.createUndoAction(edit, QStringLiteral("&Undo"));
    m_undo->setObjectName(QStringLiteral("Undo"));
    m_undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    edit->addAction(m_undo);
    m_redo = history.createRedoAction(edit, QStringLiteral("&Redo"));
    m_redo->setObjectName(QStringLiteral("Redo"));
    m_redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    edit->addAction(m_redo);
    edit->addSeparator();
    m_revert = addAction(edit, "RevertToSaved", "Re&vert to Saved");
    m_revert->setEnabled(false);

    QMenu* settings = addMenu(menuBar, "Settings", "&Settings");
    menuBar->addMenu(settings);
    QMenu* directories = addMenu(settings, "ManageDirectories", "&Manage Directories");
    settings->addMenu(directories);
    m_decompiledData = addAction(directories, "DecompiledData", "&Decompiled Data");

    QMenu* help = addMenu(menuBar, "Help", "&Help");
    menuBar->addMenu(help);
    m_about = addAction(help, "About", "&About");
}

} // namespace wepn
