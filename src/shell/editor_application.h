#pragma once

#include <QString>
#include <QStringList>
#include <memory>

namespace wepn {

class EditorShell;
class MessageSink;
class WepnEditor_Main;

// Everything the program is between its start and its end: the main window
// and the shell around it. main() makes one and runs the event loop.
class EditorApplication {
  public:
    // `messages` receives every message text; without one, message boxes.
    explicit EditorApplication(MessageSink* messages = nullptr);
    ~EditorApplication();

    // Shows the main window and opens the weapon script named in `arguments`
    // (those after the program name), if any, and the weapon table on a folder named there.
    void start(const QStringList& arguments);

    // The first argument that names a ".wepn" file, made absolute; "" if none.
    static QString weaponArgument(const QStringList& arguments);

    // The first argument that names a folder, made absolute; "" if none. The
    // weapon table opens on it.
    static QString folderArgument(const QStringList& arguments);

    // Takes "--seed-data-dir DIR" out of the arguments and stores DIR as the
    // data directory when none is stored yet (scripts/run starts the editor on
    // the sample data this way). Call before the application is made.
    static QStringList seedDataDirectory(QStringList arguments);

    WepnEditor_Main& window() const { return *m_window; }
    EditorShell& shell() const { return *m_shell; }

  private:
    std::unique_ptr<WepnEditor_Main> m_window;
    std::unique_ptr<EditorShell> m_shell;
};

} // namespace wepn
