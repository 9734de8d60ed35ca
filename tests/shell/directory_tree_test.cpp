#include "shell/directory_tree.h"
#include "shell/drive_list.h"
#include "shell/path_text.h"
#include "shell_fixture.h"

#include <gtest/gtest.h>

namespace wepn {
namespace {

std::string joined(const std::vector<std::string>& parts) {
    std::string text;
    for (const std::string& part : parts) {
        text += (text.empty() ? "" : ";") + part;
    }
    return text;
}

TEST(PathFunctions, AnswerAsTheTableSays) {
    const QList<DriveEntry> drives{
        {QStringLiteral("/"), "/", "/"},
        {QStringLiteral("/home/me"), "/home/me", "/home/me"},
        {QStringLiteral("C: /home/me/.wine/drive_c"),
         "/home/me/.wine/dosdevices/c:", "/home/me/.wine/drive_c"},
        {QStringLiteral("Z: /"), "/home/me/.wine/dosdevices/z:", "/"},
    };
    for (const QStringList& cell : ShellTest::table("shell/path_functions.txt")) {
        const std::string path = ShellTest::bytes(cell[1]);
        const QString& function = cell[0];
        std::string answer;
        if (function == QLatin1String("ancestors")) {
            answer = joined(directory_tree::ancestorsOf(path, ShellTest::bytes(cell[2])));
        } else if (function == QLatin1String("absolute")) {
            answer = directory_tree::absoluteOf(path);
        } else if (function == QLatin1String("child")) {
            answer = directory_tree::childOf(path, ShellTest::bytes(cell[2]));
        } else if (function == QLatin1String("last name")) {
            answer = directory_tree::lastNameOf(path);
        } else if (function == QLatin1String("drive")) {
            const std::optional<DriveMatch> match = driveHolding(drives, path);
            answer = match ? std::to_string(match->index) + ";" + match->root : "none";
        } else {
            answer = displayText(path).toStdString();
        }
        EXPECT_EQ(answer, function == QLatin1String("shown") ? cell[3].toStdString()
                                                             : ShellTest::bytes(cell[3]))
            << cell.join('|').toStdString();
    }
}

} // namespace
} // namespace wepn
