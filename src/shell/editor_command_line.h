#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace wepn {

// The editor's command line: --help, --version, --seed-data-dir DIR and the
// weapon script to open.
class EditorCommandLine {
  public:
    // Read once before the application exists, for --help and --version
    // only, so these need no display; then again on the arguments Qt leaves,
    // where an unknown option is an error.
    enum class Pass { Information, Full };

    // `arguments` starts with the program name. Prints the help or version to
    // standard output, or a usage error to standard error, and then sets the
    // exit code.
    EditorCommandLine(const QStringList& arguments, Pass pass);

    // Set when the program ends here: 0 after --help or --version, 2 after a
    // usage error.
    std::optional<int> exitCode() const { return m_exitCode; }
    // The arguments left for the editor: --seed-data-dir and its directory,
    // then the positional arguments.
    QStringList editorArguments() const { return m_editorArguments; }

  private:
    std::optional<int> m_exitCode;
    QStringList m_editorArguments;
};

} // namespace wepn
