// The weapon table on 2,000 generated weapons, off screen: the table shown
// from loaded weapons, sorting a column, one filter keystroke; the peak
// resident memory is reported with each.

#include "desk/frozen_column_view.h"
#include "desk/weapon_filter_proxy.h"
#include "desk/weapon_table_model.h"
#include "desk/weapon_table_window.h"
#include "qt_bench_support.h"
#include "weapon_generator.h"

#include <QApplication>
#include <QLineEdit>
#include <array>
#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sys/resource.h>

namespace {

constexpr int kWeapons = 2000;

// The generated weapons as the table loads them, made once.
const std::vector<wepn::DeskWeapon>& weapons() {
    static const std::vector<wepn::DeskWeapon> loaded = [] {
        const std::filesystem::path folder =
            std::filesystem::temp_directory_path() / "wepn_desk_bench";
        std::filesystem::create_directories(folder);
        wepn::test::WeaponGenerator generator(24);
        const std::array<std::string_view, 5> types{"Bullet", "InstantHit", "Missile",
                                                    "SphereBurst", "Mine"};
        std::vector<wepn::DeskWeapon> result;
        const wepn::DeskChecks checks =
            *wepn::readDeskChecks(std::string(WEPN_EXAMPLES_DIR), false);
        for (int k = 0; k < kWeapons; ++k) {
            const std::string name = "w" + std::to_string(k) + ".wepn";
            std::ofstream(folder / name, std::ios::binary)
                << generator.script(types[static_cast<std::size_t>(k) % types.size()]);
            result.push_back(wepn::loadDeskWeapon((folder / name).string(), name, checks));
        }
        std::filesystem::remove_all(folder);
        return result;
    }();
    return loaded;
}

void reportPeakMemory(benchmark::State& state) {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void BM_TableShown(benchmark::State& state) {
    const std::vector<wepn::DeskWeapon>& loaded = weapons();
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<wepn::DeskWeapon> copy = loaded;
        state.ResumeTiming();
        auto table = std::make_unique<wepn::WeaponTableWindow>();
        table->model().setWeapons(std::move(copy));
        table->show();
        // Laid out and drawn as the screen would show it.
        benchmark::DoNotOptimize(table->grab());
        state.PauseTiming();
        table.reset();
        state.ResumeTiming();
    }
    reportPeakMemory(state);
}
BENCHMARK(BM_TableShown)->Unit(benchmark::kMillisecond);

struct ShownTable {
    wepn::WeaponTableWindow window;
    ShownTable() {
        window.model().setWeapons(weapons());
        window.show();
        QApplication::processEvents();
    }
};

void BM_SortColumn(benchmark::State& state) {
    ShownTable table;
    const int range = table.window.model().columnNamed("fWeaponFireRange");
    bool ascending = true;
    for (auto _ : state) {
        table.window.view().sortByColumn(range,
                                         ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
        ascending = !ascending;
    }
    reportPeakMemory(state);
}
BENCHMARK(BM_SortColumn)->Unit(benchmark::kMillisecond);

// One keystroke: the line gains or loses its last digit, and every row is
// tested again.
void BM_FilterKeystroke(benchmark::State& state) {
    ShownTable table;
    QLineEdit& line = table.window.filterLine();
    line.setText(QStringLiteral("fWeaponFireRange > 300"));
    bool longer = true;
    for (auto _ : state) {
        line.setText(longer ? QStringLiteral("fWeaponFireRange > 3000")
                            : QStringLiteral("fWeaponFireRange > 300"));
        longer = !longer;
    }
    state.counters["shown"] = table.window.proxy().rowCount();
    reportPeakMemory(state);
}
BENCHMARK(BM_FilterKeystroke)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return wepn::bench::runQtBenchmarks(argc, argv);
}
