// Faults while the editor saves with its own writer: each shows the
// save-failure message with the reason, leaves the old file byte for byte and
// no temporary file behind. (The file layer's writer, which the application
// uses, meets the same faults in the files and `wepn` tests.)
#include "editor/wepn_editor_main.h"
#include "files/file_io.h"
#include "model/family_list.h"
#include "recording_sink.h"
#include "test_support.h"

#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

namespace wepn::test {
namespace {

const std::string kWeapon = fixture("weapon.wepn");
const std::string kFamilyList = fixture("familylist.lua");

const QString kSaveFailed = QStringLiteral(
    "Save failed, please inform Brenn and post your *.wepn file in the Korvex thread.");

// Caps the size of files this process writes while it lives, so writes beyond
// the cap fail part-way with EFBIG instead of raising SIGXFSZ.
class FileSizeCap {
  public:
    explicit FileSizeCap(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit cap{bytes, m_old.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &cap);
    }
    ~FileSizeCap() {
        ::setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }

  private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
};

struct Fault {
    const char* name;
    bool needsNonRoot;
    const char* message; // "%1" stands for the target
    // Prepares the fault and gives the path to save to.
    std::string (*arrange)(const TempDir& dir, const std::string& old);
    rlim_t fileSizeCap = RLIM_INFINITY;
};

const Fault kFaults[] = {
    {"read-only target", false, "'%1' is read-only",
     [](const TempDir&, const std::string& old) {
         ::chmod(old.c_str(), 0444);
         return old;
     }},
    {"read-only directory", true, "cannot write '%1': the folder '%1/..' is not writable",
     [](const TempDir& dir, const std::string&) {
         ::chmod((dir / "w").c_str(), 0555);
         return dir / "w/new.wepn";
     }},
    {"missing directory", false, "cannot write '%1': No such file or directory",
     [](const TempDir& dir, const std::string&) { return dir / "w/missing/gun.wepn"; }},
    {"name too long", false, "cannot write '%1': File name too long",
     [](const TempDir& dir, const std::string&) {
         return dir / ("w/" + std::string(300, 'n') + ".wepn");
     }},
    {"write fails part-way", false, "cannot write '%1': File too large",
     [](const TempDir&, const std::string& old) { return old; }, 100},
};

class EditorSaveFault : public ::testing::Test {
  protected:
    // Saves the opened weapon under each fault.
    void saveUnderEveryFault() {
        for (const Fault& fault : kFaults) {
            if (fault.needsNonRoot && runningAsRoot()) {
                continue; // permission checks do not apply to root
            }
            const std::string what = fault.name;
            const TempDir dir;
            const std::string old = dir.write("w/gun.wepn", kWeapon);
            ASSERT_TRUE(window.openFile(QString::fromStdString(old), kWeapon,
                                        readFamilyList(kFamilyList), {}))
                << what;
            const std::string target = fault.arrange(dir, old);
            messages.texts.clear();
            bool saved = true;
            {
                const FileSizeCap cap(fault.fileSizeCap);
                saved = window.saveFile(QString::fromStdString(target));
            }
            EXPECT_FALSE(saved) << what;
            ASSERT_EQ(messages.texts.size(), 1) << what;
            EXPECT_EQ(messages.texts.last(),
                      kSaveFailed + "\n" +
                          QString(fault.message)
                              .replace("%1/..", QString::fromStdString(dir / "w"))
                              .replace("%1", QString::fromStdString(target)))
                << what;
            EXPECT_EQ(readFile(old), kWeapon) << what << ": the old file is intact";
            EXPECT_EQ(entryNames(dir / "w"), std::set<std::string>{"gun.wepn"})
                << what << ": no temporary file";
        }
    }

    void SetUp() override {
        // The writer the application gives the window.
        window.setFileWriter([](const QString& path, std::string_view bytes) {
            const auto error = writeNativeFileSafely(path.toStdString(), bytes);
            return error ? std::optional<QString>(QString::fromStdString(*error)) : std::nullopt;
        });
    }

    RecordingSink messages;
    WepnEditor_Main window{&messages};
};

TEST_F(EditorSaveFault, FileLayerWriterKeepsTheOldFile) {
    saveUnderEveryFault();
}

// Saving over a weapon kept as a symbolic link rewrites the linked file, as
// `wepn` does, and the link stays a link.
TEST_F(EditorSaveFault, SavingThroughALinkWritesTheLinkedFile) {
    const TempDir dir;
    const std::string real = dir.write("real.wepn", "old");
    const std::string link = dir / "link.wepn";
    std::filesystem::create_symlink("real.wepn", link);
    ASSERT_TRUE(
        window.openFile(QString::fromStdString(link), kWeapon, readFamilyList(kFamilyList), {}));
    EXPECT_TRUE(window.saveFile(QString::fromStdString(link)));
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_TRUE(readFile(real).starts_with("StartWeaponConfig("));
    EXPECT_EQ(entryNames(dir.path()), (std::set<std::string>{"link.wepn", "real.wepn"}));
}

} // namespace
} // namespace wepn::test
