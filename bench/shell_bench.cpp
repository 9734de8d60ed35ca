// Filling the open dialog's file list for a directory of 5000 names.
#include "directory_browser.h"
#include "frm_open.h"
#include "path_text.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>
#include <QWidget>
#include <benchmark/benchmark.h>

namespace {

void BM_FillFileList(benchmark::State& state) {
    QTemporaryDir temp;
    const QDir root(temp.path());
    root.mkpath(QStringLiteral("big"));
    const auto count = static_cast<int>(state.range(0));
    for (int i = 0; i < count; ++i) {
        // Every fifth name lacks ".wepn", so the filter has work to do.
        const QString name = i % 5 == 0 ? QStringLiteral("note_%1.txt").arg(i)
                                        : QStringLiteral("Weapon_%1.WEPN").arg(i);
        QFile(root.filePath(QStringLiteral("big/") + name)).open(QIODevice::WriteOnly);
    }
    QWidget mainWindow;
    wepn::FrmOpen dialog(&mainWindow);
    wepn::DirectoryBrowser* browser = dialog.browser();
    const std::string big = wepn::toFileBytes(root.filePath(QStringLiteral("big")));
    for (auto _ : state) {
        // Every call lists the folder afresh: drives, directory rows, files.
        browser->setPath(big);
        benchmark::DoNotOptimize(browser->files()->count());
    }
    state.counters["rows"] = browser->files()->count();
}
BENCHMARK(BM_FillFileList)->Arg(5000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
