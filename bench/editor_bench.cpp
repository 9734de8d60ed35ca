// Opening a weapon in the editor window: the model's load plus presenting it
// in every field and list, drawn off screen.

#include "editor/message_sink.h"
#include "editor/wepn_editor_main.h"
#include "model/family_list.h"
#include "qt_bench_support.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <benchmark/benchmark.h>
#include <string>

namespace {

using wepn::bench::DiscardingSink;
using wepn::bench::readAll;

// With `paint`, every open is followed by drawing the whole window into a
// pixmap, as the screen would show it.
void openAndPresent(benchmark::State& state, bool paint) {
    const QString data = QStringLiteral(WEPN_EXAMPLES_DIR);
    const wepn::FamilyRows families =
        wepn::readFamilyList(readAll(data + QStringLiteral("/Scripts/familylist.lua")));
    const QStringList fireNames = QDir(data + QStringLiteral("/Scripts/Weaponfire"))
                                      .entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    // Two weapons in turn, so every open changes what the fields show.
    const QString paths[] = {data + QStringLiteral("/Weapon/ion_lance.wepn"),
                             data + QStringLiteral("/Weapon/autocannon_turret.wepn")};
    const std::string scripts[] = {readAll(paths[0]), readAll(paths[1])};

    DiscardingSink messages;
    wepn::WepnEditor_Main window(&messages);
    window.show();
    std::size_t i = 0;
    for (auto _ : state) {
        const bool opened = window.openFile(paths[i % 2], scripts[i % 2], families, fireNames);
        benchmark::DoNotOptimize(opened);
        if (!opened) {
            state.SkipWithError("the sample weapon did not load");
            break;
        }
        if (paint) {
            benchmark::DoNotOptimize(window.grab());
        }
        ++i;
    }
}

void BM_OpenAndPresentWeapon(benchmark::State& state) {
    openAndPresent(state, false);
}
void BM_OpenPresentAndPaintWeapon(benchmark::State& state) {
    openAndPresent(state, true);
}
BENCHMARK(BM_OpenAndPresentWeapon)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OpenPresentAndPaintWeapon)->Unit(benchmark::kMicrosecond);

// Opening a weapon whose penetration table nearly fills the line limit with
// families the (empty) family list lacks, presenting and drawing it.
void BM_OpenLargeFileOfUnknownFamilies(benchmark::State& state) {
    const QString data = QStringLiteral(WEPN_EXAMPLES_DIR);
    const std::string sample = readAll(data + QStringLiteral("/Weapon/ion_lance.wepn"));
    std::string script = sample.substr(0, sample.find("setPenetration"));
    script += "setPenetration(NewWeaponType,5,1,\r\n";
    constexpr int kFamilies = 32000;
    for (int k = 0; k < kFamilies; ++k) {
        script += "{Family" + std::to_string(k) + "=1,}" + (k + 1 < kFamilies ? ",\r\n" : ")\r\n");
    }
    const wepn::FamilyRows families;
    DiscardingSink messages;
    wepn::WepnEditor_Main window(&messages);
    window.show();
    for (auto _ : state) {
        if (!window.openFile(QStringLiteral("large.wepn"), script, families, {})) {
            state.SkipWithError("the large weapon did not load");
            break;
        }
        benchmark::DoNotOptimize(window.grab());
    }
}
BENCHMARK(BM_OpenLargeFileOfUnknownFamilies)->Unit(benchmark::kMillisecond);

// Drawing the window again with a 5000-row family list shown.
void BM_RepaintWith5000Families(benchmark::State& state) {
    const QString data = QStringLiteral(WEPN_EXAMPLES_DIR);
    const QString path = data + QStringLiteral("/Weapon/ion_lance.wepn");
    wepn::FamilyRows families;
    for (int k = 0; k < 5000; ++k) {
        families.armour.push_back("Family" + std::to_string(k) + " - N");
    }
    DiscardingSink messages;
    wepn::WepnEditor_Main window(&messages);
    window.show();
    window.openFile(path, readAll(path), families, {});
    for (auto _ : state) {
        window.repaint();
        benchmark::DoNotOptimize(window.grab());
    }
}
BENCHMARK(BM_RepaintWith5000Families)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return wepn::bench::runQtBenchmarks(argc, argv);
}
