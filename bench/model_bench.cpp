#include "model/load.h"
#include "model/script_lines.h"
#include "model/script_writer.h"

#include <benchmark/benchmark.h>

#include <algorithm>

#include <fstream>
#include <sstream>

namespace {

std::string fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

const std::string kExamples = WEPN_EXAMPLES_DIR;

const wepn::FamilyRows& familyRows() {
    static const wepn::FamilyRows rows =
        wepn::readFamilyList(fileBytes(kExamples + "/Scripts/familylist.lua"));
    return rows;
}

const std::string& typicalWeapon() {
    static const std::string bytes = fileBytes(kExamples + "/Weapon/flak_burst.wepn");
    return bytes;
}

// A file of the largest accepted length: a weapon followed by its longest
// possible penetration table.
const std::string& largestWeapon() {
    static const std::string bytes = [] {
        std::string text = typicalWeapon();
        const std::size_t lines = std::count(text.begin(), text.end(), '\n');
        text += "setPenetration(NewWeaponType,5,1,\r\n";
        for (std::size_t i = lines + 2; i < wepn::kMaxScriptLines; ++i) {
            text += "{Family" + std::to_string(i) + "=0.5,},\r\n";
        }
        text += "{Last=1,})\r\n";
        return text;
    }();
    return bytes;
}

void loadBench(benchmark::State& state, const std::string& bytes) {
    for (auto _ : state) {
        auto outcome = wepn::loadWeapon({}, familyRows(), bytes);
        benchmark::DoNotOptimize(outcome);
    }
    state.SetBytesProcessed(std::int64_t(state.iterations() * bytes.size()));
}

void writeBench(benchmark::State& state, const std::string& bytes) {
    const wepn::WeaponState weapon = wepn::readWeaponScript({}, bytes).value();
    for (auto _ : state) {
        auto written = wepn::writeWeaponScript(weapon);
        benchmark::DoNotOptimize(written);
    }
}

void BM_LoadTypicalWeapon(benchmark::State& state) { loadBench(state, typicalWeapon()); }
void BM_WriteTypicalWeapon(benchmark::State& state) { writeBench(state, typicalWeapon()); }
void BM_LoadLargestWeapon(benchmark::State& state) { loadBench(state, largestWeapon()); }
void BM_WriteLargestWeapon(benchmark::State& state) { writeBench(state, largestWeapon()); }

} // namespace

BENCHMARK(BM_LoadTypicalWeapon);
BENCHMARK(BM_WriteTypicalWeapon);
BENCHMARK(BM_LoadLargestWeapon)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteLargestWeapon)->Unit(benchmark::kMillisecond);
