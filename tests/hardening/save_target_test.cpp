// What `wepn` may write to, and that what it writes arrives whole: a device
// as target, and saves interrupted by a signal. (Standard output that fails,
// other targets that are no regular file and a file named twice are cases in
// tests/data/hostile/targets.cases.)
#include "test_support.h"

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace wepn::test {
namespace {

const std::string kSampleWeapon = fixture("weapon.wepn");

namespace fs = std::filesystem;

std::string quoted(const std::string& arg) {
    std::string out = "'";
    for (char c : arg) {
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return out + "'";
}

// Runs a shell command line; its exit code, or -1 when it did not exit.
int shell(const std::string& command) {
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Device nodes are made only inside a private mount namespace on a private
// tmpfs, so a fault here could never touch a device of the system.
TEST(SaveTarget, ADeviceIsRefusedAndKept) {
    if (!runningAsRoot() || shell("unshare -m true 2>/dev/null") != 0) {
        GTEST_SKIP() << "needs root and mount namespaces";
    }
    const TempDir dir;
    const std::string data = dir.dataDir("Data");
    const std::string weapon = dir.write("gun.wepn", kSampleWeapon);
    const std::string devices = dir / "dev";
    fs::create_directory(devices);
    const std::string script = "mount --make-rprivate / && mount -t tmpfs tmpfs " +
                               quoted(devices) + " && mknod " + quoted(devices + "/null.wepn") +
                               " c 1 3 && " + quoted(WEPN_EXE) + " resave --data " + quoted(data) +
                               " -o " + quoted(devices + "/null.wepn") + " " + quoted(weapon) +
                               " 2>" + quoted(dir / "err") + "; echo $? >" + quoted(dir / "code") +
                               "; test -c " + quoted(devices + "/null.wepn");
    EXPECT_EQ(shell("unshare -m sh -c " + quoted(script)), 0) << "the device is still a device";
    EXPECT_EQ(readFile(dir / "code"), "1\n");
    EXPECT_EQ(readFile(dir / "err"),
              weapon + ": error: '" + devices + "/null.wepn' is not a regular file\n");
}

// The signal is sent once the save's temporary file exists, so it lands in
// the middle of writing or committing a file of several megabytes.
TEST(Interruption, ASignalDuringASaveLeavesTheTargetWholeAndNoTemporary) {
    std::string big(kSampleWeapon);
    for (int i = 0; i < 20000; ++i) {
        big += "-- padding line " + std::string(600, 'x') + "\r\n";
    }
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        // A loaded machine may let a whole save slip between two looks at the
        // folder; such a run proves nothing, so it is tried again.
        bool interrupted = false;
        for (int attempt = 0; attempt < 10 && !interrupted; ++attempt) {
            const TempDir dir;
            const std::string weapon = dir.write("w/gun.wepn", big);
            const pid_t pid = ::fork();
            if (pid == 0) {
                ::execl(WEPN_EXE, WEPN_EXE, "set", "fWeaponFireRange=1234", "--", weapon.c_str(),
                        static_cast<char*>(nullptr));
                ::_exit(127);
            }
            int status = 0;
            bool exited = false;
            while (!interrupted && !exited) {
                for (const std::string& name : entryNames(dir / "w")) {
                    if (name.starts_with(".wepn-save-")) {
                        ::kill(pid, signal);
                        interrupted = true;
                    }
                }
                exited = !interrupted && ::waitpid(pid, &status, WNOHANG) == pid;
            }
            if (!exited) {
                ::waitpid(pid, &status, 0);
            }
            if (!interrupted) {
                continue;
            }
            EXPECT_TRUE(WIFEXITED(status)) << signal;
            // A signal that came after the rename finds the save done.
            const int code = WEXITSTATUS(status);
            EXPECT_TRUE(code == 128 + signal || code == 0) << signal << ": exit " << code;
            EXPECT_EQ(entryNames(dir / "w"), std::set<std::string>{"gun.wepn"}) << signal;
            const ToolRun check = runWepnExecutable({"check", weapon});
            EXPECT_EQ(check.code, 0) << signal;
            const std::string now = readFile(weapon);
            EXPECT_TRUE(now == big || now.find(",2500,1234,") != std::string::npos) << signal;
        }
        EXPECT_TRUE(interrupted) << "no save was caught in progress for signal " << signal;
    }
}

// Many files in flight at once: a signal at any moment of the run leaves
// every file old or new, and no temporary file, whichever thread takes it.
TEST(Interruption, ASignalAmidManySavesLeavesNoTemporary) {
    constexpr int kFiles = 600;
    for (const int delayMs : {0, 5, 15, 30, 60}) {
        const TempDir dir;
        std::vector<std::string> args{WEPN_EXE, "set", "fWeaponFireRange=1234", "--"};
        for (int i = 0; i < kFiles; ++i) {
            args.push_back(dir.write("w/g" + std::to_string(i) + ".wepn", kSampleWeapon));
        }
        const pid_t pid = ::fork();
        if (pid == 0) {
            std::vector<char*> argv;
            for (std::string& arg : args) {
                argv.push_back(arg.data());
            }
            argv.push_back(nullptr);
            ::execv(WEPN_EXE, argv.data());
            ::_exit(127);
        }
        bool started = false;
        int status = 0;
        while (!started && ::waitpid(pid, &status, WNOHANG) == 0) {
            for (const std::string& name : entryNames(dir / "w")) {
                started = started || name.starts_with(".wepn-save-");
            }
        }
        if (started) {
            std::this_thread::sleep_for(std::chrono::milliseconds(delayMs));
            ::kill(pid, SIGTERM);
            ::waitpid(pid, &status, 0);
        }
        EXPECT_TRUE(WIFEXITED(status)) << delayMs;
        for (const std::string& name : entryNames(dir / "w")) {
            ASSERT_FALSE(name.starts_with(".wepn-save-")) << delayMs << ": " << name;
            const std::string now = readFile(dir / ("w/" + name));
            EXPECT_TRUE(now == kSampleWeapon || now.find(",2500,1234,") != std::string::npos)
                << delayMs << ": " << name;
        }
        EXPECT_EQ(entryNames(dir / "w").size(), std::size_t(kFiles)) << delayMs;
    }
}

} // namespace
} // namespace wepn::test
