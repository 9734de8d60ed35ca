#include "cli_fixture.h"

#include "cli/wepn_cli.h"

#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <sys/wait.h>

namespace wepn::test {
namespace {

std::string shellQuoted(const std::string& arg) {
    std::string quoted = "'";
    for (char c : arg) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

} // namespace

std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void CliTest::SetUp() {
    std::random_device random;
    m_dir = std::filesystem::temp_directory_path() / ("wepn-cli-" + std::to_string(random()));
    std::filesystem::create_directories(m_dir / "Data" / "Scripts");
    write("Data/Scripts/familylist.lua", kFamilyList);
}

void CliTest::TearDown() {
    std::filesystem::remove_all(m_dir);
}

std::string CliTest::write(const std::string& name, const std::string& bytes) const {
    std::ofstream(m_dir / name, std::ios::binary) << bytes;
    return path(name);
}

RunResult CliTest::run(const std::vector<std::string>& args) {
    std::ostringstream out;
    std::ostringstream err;
    const int code = runWepn(args, out, err);
    return {code, out.str(), err.str()};
}

RunResult CliTest::runExecutable(const std::vector<std::string>& args) const {
    std::string command = shellQuoted(WEPN_EXE);
    for (const std::string& arg : args) {
        command += " " + shellQuoted(arg);
    }
    command += " >" + shellQuoted(path("stdout")) + " 2>" + shellQuoted(path("stderr"));
    const int status = std::system(command.c_str());
    const int code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return {code, readBytes(path("stdout")), readBytes(path("stderr"))};
}

} // namespace wepn::test
