// The balancing desk's model on 2,000 weapons (the sample weapons repeated):
// a bulk Scale's preview, a filter keystroke, and loading one file with
// every check, which the window does 20,000 times in the background.
#include "sheet/bulk_edit.h"
#include "sheet/desk_folder.h"
#include "sheet/row_filter.h"

#include <benchmark/benchmark.h>

namespace {

constexpr std::size_t kWeapons = 2000;

const wepn::DeskChecks& sampleChecks() {
    static const wepn::DeskChecks checks =
        wepn::readDeskChecks(std::string(WEPN_EXAMPLES_DIR), false).value();
    return checks;
}

std::vector<wepn::DeskWeapon>& desk() {
    static std::vector<wepn::DeskWeapon> weapons = [] {
        const std::vector<std::string> files =
            wepn::weaponFileNames(std::string(WEPN_EXAMPLES_DIR) + "/Weapon");
        std::vector<wepn::DeskWeapon> loaded;
        for (std::size_t i = 0; i < kWeapons; ++i) {
            loaded.push_back(wepn::loadDeskWeapon(files[i % files.size()], "w", sampleChecks()));
        }
        return loaded;
    }();
    return weapons;
}

std::vector<wepn::DeskWeapon*> deskPointers() {
    std::vector<wepn::DeskWeapon*> pointers;
    for (wepn::DeskWeapon& weapon : desk()) {
        pointers.push_back(&weapon);
    }
    return pointers;
}

void planBench(benchmark::State& state, const char* column, wepn::BulkOperation op,
               const char* operand) {
    const std::vector<wepn::DeskWeapon*> weapons = deskPointers();
    for (auto _ : state) {
        benchmark::DoNotOptimize(wepn::planBulkEdit(weapons, column, op, operand));
    }
}

// The preview of Scale by 10% of a field, and of a table value, on every weapon.
void BM_PlanScaleField(benchmark::State& state) {
    planBench(state, "fWeaponFireRange", wepn::BulkOperation::Scale, "10");
}
void BM_PlanScaleTable(benchmark::State& state) {
    planBench(state, "penetration.Frigate", wepn::BulkOperation::Scale, "10");
}

// Applying a planned Scale cell by cell, then undoing it the same way.
void BM_ApplyAndUndoScale(benchmark::State& state) {
    const std::vector<wepn::DeskWeapon*> weapons = deskPointers();
    const auto plan =
        wepn::planBulkEdit(weapons, "fWeaponFireRange", wepn::BulkOperation::Scale, "10");
    for (auto _ : state) {
        for (const wepn::BulkChange& change : plan) {
            benchmark::DoNotOptimize(
                wepn::setDeskCell(*weapons[change.index], "fWeaponFireRange", change.after));
        }
        for (const wepn::BulkChange& change : plan) {
            benchmark::DoNotOptimize(
                wepn::setDeskCell(*weapons[change.index], "fWeaponFireRange", change.before));
        }
    }
}

// One keystroke of the filter line: parsing it and testing every row.
void filterBench(benchmark::State& state, const char* text) {
    const std::vector<wepn::DeskWeapon>& weapons = desk();
    for (auto _ : state) {
        const wepn::RowFilter filter = wepn::RowFilter::parse(text).value();
        std::size_t shown = 0;
        for (const wepn::DeskWeapon& weapon : weapons) {
            shown += filter.matches(weapon) ? 1 : 0;
        }
        benchmark::DoNotOptimize(shown);
    }
}
void BM_FilterCondition(benchmark::State& state) {
    filterBench(state, "fWeaponFireRange > 3000");
}
void BM_FilterTableCondition(benchmark::State& state) {
    filterBench(state, "accuracy.SmallCraft >= 0.5");
}
void BM_FilterWord(benchmark::State& state) {
    filterBench(state, "missile");
}

// Loading one file for the desk with the data directory's checks, and with
// the game's too.
void loadBench(benchmark::State& state, bool game) {
    wepn::DeskChecks checks = sampleChecks();
    checks.game = game;
    const std::string file = std::string(WEPN_EXAMPLES_DIR) + "/Weapon/flak_burst.wepn";
    for (auto _ : state) {
        benchmark::DoNotOptimize(wepn::loadDeskWeapon(file, "flak_burst.wepn", checks));
    }
}
void BM_LoadWithDataChecks(benchmark::State& state) {
    loadBench(state, false);
}
void BM_LoadWithGameCheck(benchmark::State& state) {
    loadBench(state, true);
}

} // namespace

BENCHMARK(BM_PlanScaleField)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlanScaleTable)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ApplyAndUndoScale)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FilterCondition)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FilterTableCondition)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FilterWord)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadWithDataChecks)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LoadWithGameCheck)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
