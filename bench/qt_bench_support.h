#pragma once

// What the benchmarks of the window and the dialogs share: a message sink
// that shows nothing, reading a sample file, and a main() that runs the
// registered benchmarks off screen.

#include "editor/message_sink.h"

#include <QApplication>
#include <QFile>
#include <benchmark/benchmark.h>
#include <string>

namespace wepn::bench {

class DiscardingSink : public MessageSink {
  public:
    void show(const QString&) override {}
    bool confirm(const QString&) override { return false; }
};

inline std::string readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

// Runs the benchmarks with a QApplication on the off-screen platform unless
// another is asked for.
inline int runQtBenchmarks(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace wepn::bench
