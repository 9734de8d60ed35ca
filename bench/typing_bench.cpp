// Typing in a field of the editor window with the undo history attached:
// 1000 key presses into Firing Range, each recorded (and merged into one step)
// on the window's undo stack.

#include "editor/message_sink.h"
#include "editor/wepn_editor_main.h"
#include "editor/window_controls.h"
#include "model/family_list.h"
#include "qt_bench_support.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QTest>
#include <QUndoStack>
#include <benchmark/benchmark.h>
#include <string>

namespace {

using wepn::bench::DiscardingSink;
using wepn::bench::readAll;

void BM_Type1000CharactersWithUndo(benchmark::State& state) {
    const QString data = QStringLiteral(WEPN_EXAMPLES_DIR);
    const QString path = data + QStringLiteral("/Weapon/ion_lance.wepn");
    const wepn::FamilyRows families =
        wepn::readFamilyList(readAll(data + QStringLiteral("/Scripts/familylist.lua")));
    DiscardingSink messages;
    wepn::WepnEditor_Main window(&messages);
    window.show();
    if (!window.openFile(path, readAll(path), families, {})) {
        state.SkipWithError("the sample weapon did not load");
        return;
    }
    QLineEdit* field = window.controls().binding("fWeaponFireRange")->edit;
    field->setFocus();
    const QString keys = QString(1000, QLatin1Char('7'));
    for (auto _ : state) {
        state.PauseTiming();
        field->setText(QStringLiteral("1"));
        window.history().clear();
        state.ResumeTiming();
        QTest::keyClicks(field, keys);
    }
    if (window.history().count() != 1) {
        state.SkipWithError("typing did not stay one undo step");
    }
    state.SetItemsProcessed(state.iterations() * keys.size());
}
BENCHMARK(BM_Type1000CharactersWithUndo)->Unit(benchmark::kMillisecond);

// The same keys in a text box on its own, for comparison.
void BM_Type1000CharactersInABareTextBox(benchmark::State& state) {
    QLineEdit field;
    field.show();
    field.setFocus();
    const QString keys = QString(1000, QLatin1Char('7'));
    for (auto _ : state) {
        state.PauseTiming();
        field.setText(QStringLiteral("1"));
        state.ResumeTiming();
        QTest::keyClicks(&field, keys);
    }
    state.SetItemsProcessed(state.iterations() * keys.size());
}
BENCHMARK(BM_Type1000CharactersInABareTextBox)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return wepn::bench::runQtBenchmarks(argc, argv);
}
