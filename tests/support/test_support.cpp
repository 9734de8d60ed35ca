#include "test_support.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <poll.h>
#include <stdexcept>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

namespace wepn::test {

namespace fs = std::filesystem;

TempDir::TempDir() {
    std::string pattern = fs::temp_directory_path() / "wepn-test-XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("mkdtemp failed");
    }
    m_path = pattern;
}

TempDir::~TempDir() {
    // Tests make parts read-only; give the owner everything back first.
    std::error_code ec;
    for (auto it = fs::recursive_directory_iterator(m_path, ec);
         !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
        if (!it->is_symlink()) {
            fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
        }
    }
    fs::permissions(m_path, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(m_path, ec);
}

std::string TempDir::operator/(std::string_view relative) const {
    return m_path + "/" + std::string(relative);
}

std::string TempDir::write(std::string_view relative, std::string_view bytes) const {
    const std::string file = *this / relative;
    fs::create_directories(fs::path(file).parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        throw std::runtime_error("cannot write " + file);
    }
    return file;
}

std::string TempDir::makeDir(std::string_view relative) const {
    const std::string dir = *this / relative;
    fs::create_directories(dir);
    return dir;
}

std::string TempDir::dataDir(std::string_view relative, std::string_view list) const {
    write(std::string(relative) + "/Scripts/familylist.lua", list);
    return *this / relative;
}

std::string TempDir::dataDir(std::string_view relative) const {
    return dataDir(relative, fixture("familylist.lua"));
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string fixture(std::string_view name) {
    const std::string path = WEPN_TEST_DATA_DIR "/" + std::string(name);
    if (!fs::is_regular_file(path)) {
        throw std::runtime_error("no fixture " + path);
    }
    return readFile(path);
}

std::set<std::string> entryNames(const std::string& dir) {
    std::set<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(dir)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

bool runningAsRoot() {
    return ::geteuid() == 0;
}

namespace {

// Reads both pipes to their ends together, so neither can fill up and stall the child.
void readBoth(int outFd, int errFd, std::string& out, std::string& err) {
    pollfd fds[2] = {{outFd, POLLIN, 0}, {errFd, POLLIN, 0}};
    std::string* sinks[2] = {&out, &err};
    int open = 2;
    char buffer[65536];
    while (open > 0) {
        if (::poll(fds, 2, -1) < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw std::runtime_error("poll failed");
        }
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd < 0 || fds[i].revents == 0) {
                continue;
            }
            const ssize_t n = ::read(fds[i].fd, buffer, sizeof buffer);
            if (n > 0) {
                sinks[i]->append(buffer, std::size_t(n));
            } else if (n == 0 || errno != EINTR) {
                ::close(fds[i].fd);
                fds[i].fd = -1;
                --open;
            }
        }
    }
}

} // namespace

namespace {

// Runs the built `wepn`; standard input is the test's own without `input`.
ToolRun runTool(const std::vector<std::string>& args, std::optional<std::string_view> input) {
    std::vector<std::string> argStrings{WEPN_EXE};
    argStrings.insert(argStrings.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& arg : argStrings) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);

    // Everything the child needs is prepared here: between fork and exec only
    // async-signal-safe calls are made.
    int out[2];
    int err[2];
    if (::pipe2(out, O_CLOEXEC) != 0 || ::pipe2(err, O_CLOEXEC) != 0) {
        throw std::runtime_error("cannot create pipes");
    }
    // Standard input is an unnamed file holding the input, so that no write
    // to a pipe can wait for the child.
    int in = -1;
    if (input) {
        in = ::memfd_create("wepn-input", MFD_CLOEXEC);
        if (in < 0 || ::write(in, input->data(), input->size()) != ssize_t(input->size()) ||
            ::lseek(in, 0, SEEK_SET) != 0) {
            throw std::runtime_error("cannot prepare standard input");
        }
    }
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (in >= 0) {
            ::dup2(in, STDIN_FILENO);
        }
        ::dup2(out[1], STDOUT_FILENO);
        ::dup2(err[1], STDERR_FILENO);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    ::close(out[1]);
    ::close(err[1]);
    if (in >= 0) {
        ::close(in);
    }
    ToolRun run;
    readBoth(out[0], err[0], run.out, run.err);
    int status = 0;
    if (pid < 0 || ::waitpid(pid, &status, 0) != pid) {
        throw std::runtime_error("cannot run " + argStrings[0]);
    }
    run.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

} // namespace

ToolRun runWepnExecutable(const std::vector<std::string>& args) {
    return runTool(args, std::nullopt);
}

ToolRun runWepnWithInput(const std::vector<std::string>& args, std::string_view input) {
    return runTool(args, input);
}

} // namespace wepn::test
