// The verbs that present a weapon's tables, on weapons naming up to a million
// families: the time per family must stay the same as the tables grow.
#include "sheet/weapon_diff.h"
#include "cli/weapon_json.h"
#include "sheet/weapon_table.h"
#include "model/weapon.h"

#include <benchmark/benchmark.h>

namespace {

// A weapon whose penetration and accuracy tables each name `count` families.
wepn::WeaponState weaponWithFamilies(std::size_t count) {
    wepn::WeaponState state;
    for (std::size_t i = 0; i < count; ++i) {
        state.Penetration.sFamilies.push_back("Armour" + std::to_string(i));
        state.Penetration.fValues.push_back(0.5);
        state.Accuracy.sFamilies.push_back("Attack" + std::to_string(i));
        state.Accuracy.fValues.push_back(0.75);
        state.Accuracy.iAlwaysDamage.push_back(0);
    }
    return state;
}

void familiesBench(benchmark::State& state, void (*verb)(const wepn::WeaponState&)) {
    const wepn::WeaponState weapon = weaponWithFamilies(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        verb(weapon);
    }
    state.SetComplexityN(state.range(0));
}

// `wepn dump`: the document and its text.
void BM_DumpFamilies(benchmark::State& state) {
    familiesBench(state, [](const wepn::WeaponState& weapon) {
        benchmark::DoNotOptimize(wepn::weaponJson("gun.wepn", weapon).dump(2));
    });
}

// `wepn table`: the columns and every cell of the weapon's row.
void BM_TableFamilies(benchmark::State& state) {
    familiesBench(state, [](const wepn::WeaponState& weapon) {
        const std::vector<std::string> names = wepn::tableColumns({&weapon});
        const wepn::WeaponFamilies index(weapon);
        std::size_t length = 0;
        for (std::size_t c = 1; c < names.size(); ++c) {
            length += wepn::TableColumn::named(names[c])->cell(weapon, index).size();
        }
        benchmark::DoNotOptimize(length);
    });
}

// `wepn diff`: a weapon against itself, every family compared.
void BM_DiffFamilies(benchmark::State& state) {
    familiesBench(state, [](const wepn::WeaponState& weapon) {
        benchmark::DoNotOptimize(wepn::weaponDifferences(weapon, weapon));
    });
}

} // namespace

BENCHMARK(BM_DumpFamilies)
    ->RangeMultiplier(10)
    ->Range(10'000, 1'000'000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);
BENCHMARK(BM_TableFamilies)
    ->RangeMultiplier(10)
    ->Range(10'000, 1'000'000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);
BENCHMARK(BM_DiffFamilies)
    ->RangeMultiplier(10)
    ->Range(10'000, 1'000'000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);
