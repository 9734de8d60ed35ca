#include "files/file_io.h"
#include "test_support.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <functional>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace wepn {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> entriesOf(const std::string& dir) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(ReadFileBytes, ReadsBytesOrNamesTheReason) {
    test::TempDir dir;
    const std::string bytes("line 1\r\n\0\xFF\rend", 13);
    dir.write("script.wepn", bytes);
    dir.makeDir("folder");
    // Sparse: a gigabyte on paper, nothing on disk; only the size check may see it.
    const std::string huge = dir.write("huge", "");
    ASSERT_EQ(::truncate(huge.c_str(), 1LL << 30), 0);

    // A file whose size says 0 while it has text, as the kernel's files do.
    std::ifstream versionFile("/proc/version", std::ios::binary);
    const std::string version((std::istreambuf_iterator<char>(versionFile)), {});
    ASSERT_FALSE(version.empty());

    struct Case {
        std::string path;
        std::optional<std::string> error;
        std::string bytes;
    };
    const Case cases[] = {
        {dir / "script.wepn", std::nullopt, bytes},
        {"/proc/version", std::nullopt, version},
        {dir.path() + "\\SCRIPT.WEPN", std::nullopt, bytes},
        {dir / "missing", std::strerror(ENOENT), ""},
        {dir / "folder", "is a directory", ""},
        {huge, "the file is larger than 1024 bytes", ""},
    };
    for (const Case& c : cases) {
        const ReadResult result = readFileBytes(c.path, 1024);
        EXPECT_EQ(result.error, c.error) << c.path;
        EXPECT_EQ(result.bytes, c.bytes) << c.path;
    }
}

// What a save may be given, and what each becomes: the text lands in the
// file the path leads to, links stay links, anything else is refused whole.
TEST(WriteFileSafely, EachKindOfTargetGetsTheTextOrIsRefused) {
    struct Case {
        const char* name;
        std::function<std::string(const test::TempDir&)> arrange; // gives the path to save to
        std::string error;     // "" for success; "DIR" stands for the directory
        const char* landsIn;   // the file that then holds the text, relative to DIR
        const char* keptLink;  // a link that must still be a link afterwards
    };
    const Case cases[] = {
        {"new file", [](const test::TempDir& d) { return d / "fresh.wepn"; }, "", "fresh.wepn",
         nullptr},
        {"regular file in Windows form, other case",
         [](const test::TempDir& d) {
             d.write("gun.wepn", "old");
             return d.path() + "\\GUN.wepn";
         },
         "", "gun.wepn", nullptr},
        {"native name in other case is another file",
         [](const test::TempDir& d) {
             d.write("out.wepn", "precious");
             return d / "OUT.wepn";
         },
         "", "OUT.wepn", nullptr},
        {"link to a file",
         [](const test::TempDir& d) {
             d.write("real.wepn", "old");
             fs::create_symlink("real.wepn", d / "link.wepn");
             return d / "link.wepn";
         },
         "", "real.wepn", "link.wepn"},
        {"dangling link",
         [](const test::TempDir& d) {
             fs::create_symlink("nowhere.wepn", d / "dang.wepn");
             return d / "dang.wepn";
         },
         "", "nowhere.wepn", "dang.wepn"},
        {"dangling link into a missing folder",
         [](const test::TempDir& d) {
             fs::create_symlink("missing/nowhere.wepn", d / "dang.wepn");
             return d / "dang.wepn";
         },
         "cannot write 'DIR/dang.wepn': it is a link to 'DIR/missing/nowhere.wepn', whose folder "
         "does not exist",
         nullptr, "dang.wepn"},
        {"missing folder", [](const test::TempDir& d) { return d / "missing/gun.wepn"; },
         "cannot write 'DIR/missing/gun.wepn': No such file or directory", nullptr, nullptr},
        {"FIFO",
         [](const test::TempDir& d) {
             ::mkfifo((d / "p.wepn").c_str(), 0644);
             return d / "p.wepn";
         },
         "'DIR/p.wepn' is not a regular file", nullptr, nullptr},
        {"link to a FIFO",
         [](const test::TempDir& d) {
             ::mkfifo((d / "p").c_str(), 0644);
             fs::create_symlink("p", d / "l.wepn");
             return d / "l.wepn";
         },
         "'DIR/l.wepn' is not a regular file", nullptr, "l.wepn"},
        {"directory",
         [](const test::TempDir& d) { return d.makeDir("folder.wepn"); },
         "'DIR/folder.wepn' is not a regular file", nullptr, nullptr},
        {"socket",
         [](const test::TempDir& d) {
             const std::string path = d / "s.wepn";
             const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
             sockaddr_un address{};
             address.sun_family = AF_UNIX;
             std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
             ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
             ::close(fd);
             return path;
         },
         "'DIR/s.wepn' is not a regular file", nullptr, nullptr},
    };
    const std::string text = "new\r\n";
    for (const Case& c : cases) {
        test::TempDir dir;
        const std::string target = c.arrange(dir);
        const auto before = entriesOf(dir.path());
        std::string expected = c.error;
        for (std::size_t at; (at = expected.find("DIR")) != std::string::npos;) {
            expected.replace(at, 3, dir.path());
        }
        EXPECT_EQ(writeFileSafely(target, text).value_or(""), expected) << c.name;
        if (c.landsIn != nullptr) {
            EXPECT_EQ(test::readFile(dir / c.landsIn), text) << c.name;
        } else {
            EXPECT_EQ(entriesOf(dir.path()), before) << c.name << ": nothing created or removed";
        }
        if (c.keptLink != nullptr) {
            EXPECT_TRUE(fs::is_symlink(dir / c.keptLink)) << c.name;
        }
        if (std::string(c.name).starts_with("native name")) {
            EXPECT_EQ(test::readFile(dir / "out.wepn"), "precious") << c.name;
        }
        for (const std::string& name : entriesOf(dir.path())) {
            EXPECT_FALSE(name.starts_with(".wepn-save-")) << c.name << ": temporary left";
        }
    }
}

TEST(WriteFileSafely, KeepsModeOwnerAndHardLinks) {
    test::TempDir dir;
    const std::string target = dir.write("a.wepn", "old content that is longer");
    ::chmod(target.c_str(), 0640);
    ASSERT_EQ(::link(target.c_str(), (dir / "b.wepn").c_str()), 0);
    const bool root = ::geteuid() == 0;
    if (root) {
        ASSERT_EQ(::chown(target.c_str(), 12345, 23456), 0);
    }
    struct stat before {};
    ::stat(target.c_str(), &before);

    EXPECT_EQ(writeFileSafely(target, "new\r\n"), std::nullopt);
    struct stat after {};
    ::stat(target.c_str(), &after);
    EXPECT_EQ(test::readFile(dir / "b.wepn"), "new\r\n") << "the other link sees the new text";
    EXPECT_EQ(after.st_ino, before.st_ino) << "the same file, rewritten in place";
    EXPECT_EQ(after.st_nlink, 2u);
    EXPECT_EQ(after.st_mode & 07777, 0640u);
    EXPECT_EQ(entriesOf(dir.path()), (std::vector<std::string>{"a.wepn", "b.wepn"}));

    // A single link is replaced by rename; mode and (for root) owner stay.
    ::unlink((dir / "b.wepn").c_str());
    EXPECT_EQ(writeFileSafely(target, "newer"), std::nullopt);
    ::stat(target.c_str(), &after);
    EXPECT_EQ(after.st_mode & 07777, 0640u);
    if (root) {
        EXPECT_EQ(after.st_uid, 12345u);
        EXPECT_EQ(after.st_gid, 23456u);
    }
}

// Fails one chosen step with `m_error`; a write fails once `m_allowed` bytes are through.
class FaultyOps : public LowLevelFileOps {
  public:
    enum class Step { Write, Fsync, Rename, Truncate };
    FaultyOps(Step step, std::size_t allowed, int error)
        : m_step(step), m_allowed(allowed), m_error(error) {}

    ssize_t write(int fd, const void* data, std::size_t size) override {
        if (m_step == Step::Write && m_allowed == 0)
            return fail();
        const std::size_t chunk = m_step == Step::Write ? std::min(size, m_allowed) : size;
        const ssize_t n = LowLevelFileOps::write(fd, data, chunk);
        m_allowed -= m_step == Step::Write ? static_cast<std::size_t>(n) : 0;
        return n;
    }
    int fsync(int fd) override {
        return m_step == Step::Fsync ? fail() : LowLevelFileOps::fsync(fd);
    }
    int rename(const std::string& from, const std::string& to, unsigned flags) override {
        return m_step == Step::Rename ? fail() : LowLevelFileOps::rename(from, to, flags);
    }
    int truncate(int fd, off_t size) override {
        return m_step == Step::Truncate ? fail() : LowLevelFileOps::truncate(fd, size);
    }

  private:
    int fail() {
        errno = m_error;
        return -1;
    }
    Step m_step;
    std::size_t m_allowed;
    int m_error;
};

// Every failing step, on a plain file, through a link and on a hard-linked
// file (whose in-place copy fails after the temporary copy is complete).
TEST(WriteFileSafely, FailureLeavesTheOldFileAndNoTemporary) {
    struct Fault {
        const char* name;
        FaultyOps::Step step;
        std::size_t allowed;
        int error;
    };
    const Fault faults[] = {
        {"write fails part-way", FaultyOps::Step::Write, 3, ENOSPC},
        {"write fails at once", FaultyOps::Step::Write, 0, ENOSPC},
        {"in-place copy fails part-way", FaultyOps::Step::Write, 150, ENOSPC},
        {"flush fails", FaultyOps::Step::Fsync, 0, EIO},
        {"rename fails", FaultyOps::Step::Rename, 0, EXDEV},
        {"cutting fails", FaultyOps::Step::Truncate, 0, EIO},
    };
    enum class Shape { Plain, Link, HardLinked };
    for (const Shape shape : {Shape::Plain, Shape::Link, Shape::HardLinked}) {
        for (const Fault& f : faults) {
            const std::string what =
                std::string(f.name) + (shape == Shape::Plain  ? ", plain"
                                       : shape == Shape::Link ? ", through a link"
                                                              : ", hard-linked");
            test::TempDir dir;
            const std::string old("old\r\nbytes\xFF", 11);
            const std::string real = dir.write("gun.wepn", old);
            std::string target = real;
            if (shape == Shape::Link) {
                fs::create_symlink("gun.wepn", dir / "link.wepn");
                target = dir / "link.wepn";
            } else if (shape == Shape::HardLinked) {
                ASSERT_EQ(::link(real.c_str(), (dir / "other.wepn").c_str()), 0);
            }
            const auto before = entriesOf(dir.path());
            FaultyOps ops(f.step, f.allowed, f.error);
            const auto error = writeFileSafely(target, std::string(100, 'n'), ops);
            // Steps a shape never takes (rename for a hard-linked file, the
            // in-place steps otherwise) let the save succeed.
            const bool taken = shape == Shape::HardLinked ? f.step != FaultyOps::Step::Rename
                                                          : f.step != FaultyOps::Step::Truncate &&
                                                                f.allowed < 100;
            if (taken) {
                EXPECT_EQ(error, "cannot write '" + target + "': " + std::strerror(f.error))
                    << what;
                EXPECT_EQ(test::readFile(real), old) << what;
            } else {
                EXPECT_EQ(error, std::nullopt) << what;
            }
            EXPECT_EQ(entriesOf(dir.path()), before) << what << ": no temporary file";
            if (shape == Shape::HardLinked) {
                EXPECT_EQ(test::readFile(dir / "other.wepn"), test::readFile(real)) << what;
            }
        }
    }
}

// A read-only file is refused, for root too; a writable file in a folder that
// is not writable is rewritten in place.
TEST(WriteFileSafely, ReadOnlyTargetFailsAndKeepsTheFile) {
    struct Case {
        const char* name;
        mode_t directoryMode;
        mode_t fileMode;
        bool refused;
    };
    for (const Case& c : {Case{"read-only directory", 0555, 0644, false},
                          Case{"read-only file", 0755, 0444, true}}) {
        if (c.directoryMode == 0555 && ::geteuid() == 0) {
            continue; // a folder's permissions do not apply to root
        }
        test::TempDir dir;
        const std::string target = dir.write("gun.wepn", "old");
        ::chmod(target.c_str(), c.fileMode);
        ::chmod(dir.path().c_str(), c.directoryMode);
        EXPECT_EQ(writeFileSafely(target, "new"),
                  c.refused ? std::optional<std::string>("'" + target + "' is read-only")
                            : std::nullopt)
            << c.name;
        EXPECT_EQ(test::readFile(target), c.refused ? "old" : "new") << c.name;
        ::chmod(dir.path().c_str(), 0755);
        EXPECT_EQ(entriesOf(dir.path()), std::vector<std::string>{"gun.wepn"}) << c.name;
    }
}

} // namespace
} // namespace wepn
