#include "files/file_io.h"
#include "test_support.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
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

    struct Case {
        std::string path;
        std::optional<std::string> error;
        std::string bytes;
    };
    const Case cases[] = {
        {dir / "script.wepn", std::nullopt, bytes},
        {dir.path() + "\\SCRIPT.WEPN", std::nullopt, bytes},
        {dir / "missing", std::strerror(ENOENT), ""},
        {dir / "folder", "is a directory", ""},
        {huge, "is larger than 1024 bytes", ""},
    };
    for (const Case& c : cases) {
        const ReadResult result = readFileBytes(c.path, 1024);
        EXPECT_EQ(result.error, c.error) << c.path;
        EXPECT_EQ(result.bytes, c.bytes) << c.path;
    }
}

TEST(WriteFileAtomically, CreatesOrReplacesTheWholeFile) {
    test::TempDir dir;
    const std::string target = dir.write("gun.wepn", "old content that is longer");
    ::chmod(target.c_str(), 0640);

    EXPECT_EQ(writeFileAtomically(dir.path() + "\\GUN.wepn", "new\r\n"), std::nullopt) << "replace";
    EXPECT_EQ(test::readFile(target), "new\r\n") << "replaced content";
    struct stat st {};
    ::stat(target.c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0640u) << "permissions kept";

    EXPECT_EQ(writeFileAtomically(dir / "fresh.wepn", ""), std::nullopt) << "new empty file";
    EXPECT_EQ(entriesOf(dir.path()), (std::vector<std::string>{"fresh.wepn", "gun.wepn"}))
        << "no temporary file left";
}

TEST(WriteFileAtomically, MissingDirectoryFails) {
    test::TempDir dir;
    EXPECT_EQ(writeFileAtomically(dir / "missing/gun.wepn", "x"), std::strerror(ENOENT))
        << "missing directory";
    EXPECT_EQ(entriesOf(dir.path()), std::vector<std::string>{}) << "nothing created";
}

// Fails one chosen step with `m_error`; a write fails once `m_allowed` bytes are through.
class FaultyOps : public LowLevelFileOps {
  public:
    enum class Step { Write, Fsync, Rename };
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
    int rename(const std::string& from, const std::string& to) override {
        return m_step == Step::Rename ? fail() : LowLevelFileOps::rename(from, to);
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

TEST(WriteFileAtomically, FailureLeavesTheOldFileAndNoTemporary) {
    struct Case {
        const char* name;
        FaultyOps::Step step;
        std::size_t allowed;
        int error;
    };
    const Case cases[] = {
        {"write fails part-way", FaultyOps::Step::Write, 3, ENOSPC},
        {"write fails at once", FaultyOps::Step::Write, 0, ENOSPC},
        {"flush fails", FaultyOps::Step::Fsync, 0, EIO},
        {"rename fails", FaultyOps::Step::Rename, 0, EXDEV},
    };
    for (const Case& c : cases) {
        test::TempDir dir;
        const std::string old("old\r\nbytes\xFF", 11);
        const std::string target = dir.write("gun.wepn", old);
        FaultyOps ops(c.step, c.allowed, c.error);
        EXPECT_EQ(writeFileAtomically(target, std::string(100, 'n'), ops), std::strerror(c.error))
            << c.name;
        EXPECT_EQ(test::readFile(target), old) << c.name;
        EXPECT_EQ(entriesOf(dir.path()), std::vector<std::string>{"gun.wepn"}) << c.name;
    }
}

TEST(WriteFileAtomically, ReadOnlyTargetFailsAndKeepsTheFile) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "permission checks do not apply to root";
    struct Case {
        const char* name;
        bool readOnlyDirectory;
    };
    for (const Case& c : {Case{"read-only directory", true}, Case{"read-only file", false}}) {
        test::TempDir dir;
        const std::string target = dir.write("gun.wepn", "old");
        const std::string& locked = c.readOnlyDirectory ? dir.path() : target;
        ::chmod(locked.c_str(), c.readOnlyDirectory ? 0555 : 0444);
        EXPECT_EQ(writeFileAtomically(target, "new"), std::strerror(EACCES)) << c.name;
        EXPECT_EQ(test::readFile(target), "old") << c.name;
        ::chmod(dir.path().c_str(), 0755);
        EXPECT_EQ(entriesOf(dir.path()), std::vector<std::string>{"gun.wepn"}) << c.name;
    }
}

} // namespace
} // namespace wepn
