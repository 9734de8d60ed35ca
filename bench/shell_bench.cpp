// Listing a folder of 5000 names in the open dialog: its drives, its directory
// rows and its file list, as every showing and every change of folder does.
#include "qt_bench_support.h"
#include "shell/directory_browser.h"
#include "shell/frm_open.h"

#include <QApplication>
#include <QListWidget>
#include <QWidget>
#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

namespace {

namespace fs = std::filesystem;

// A folder of `count` entries, made once per count and removed at exit. Every
// fifth name lacks ".wepn", so the filter has work to do; every seventh holds
// a Latin-1 byte; twenty are folders.
class BigFolder {
  public:
    explicit BigFolder(int count) {
        std::string pattern = (fs::temp_directory_path() / "wepn-shell-bench-XXXXXX").string();
        m_path = ::mkdtemp(pattern.data());
        for (int i = 0; i < count; ++i) {
            std::string name = (i % 5 == 0 ? "note_" : "Weapon_") + std::to_string(i);
            if (i % 7 == 0) {
                name += "_\xE9";
            }
            name += i % 5 == 0 ? ".txt" : ".WEPN";
            if (i < 20) {
                fs::create_directory(m_path + "/folder_" + std::to_string(i));
            }
            std::ofstream(m_path + "/" + name);
        }
    }
    ~BigFolder() {
        std::error_code ec;
        fs::remove_all(m_path, ec);
    }
    const std::string& path() const { return m_path; }

  private:
    std::string m_path;
};

const std::string& folderOf(int count) {
    static std::map<int, BigFolder> folders;
    return folders.try_emplace(count, count).first->second.path();
}

void BM_ListFolder(benchmark::State& state) {
    const std::string& folder = folderOf(static_cast<int>(state.range(0)));
    QWidget mainWindow;
    wepn::FrmOpen dialog(&mainWindow);
    wepn::DirectoryBrowser* browser = dialog.browser();
    for (auto _ : state) {
        browser->setPath(folder);
        benchmark::DoNotOptimize(browser->files()->count());
    }
    state.counters["rows"] = browser->files()->count();
}
BENCHMARK(BM_ListFolder)->Arg(5000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return wepn::bench::runQtBenchmarks(argc, argv);
}
