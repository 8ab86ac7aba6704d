// Load Sets of a full 32,767-line file and Save Sets of 32,767 pairs, on real
// files and real lists.
#include "app/shell/settings.h"
#include "sets/form2.h"
#include "sets/setsfile.h"
#include "sets/setslist.h"
#include "tests/support/scripteddialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using namespace vantrelle;

QString sampleLine(int i)
{
    return QStringLiteral("find text %1 caf\u00e9::replacement %1 na\u00efve").arg(i);
}

// The pairs of a full list; with wide, texts that only UTF-16 can hold.
void fillPairs(QComboBox &find, QComboBox &replace, bool wide)
{
    QStringList finds;
    QStringList replaces;
    for (int i = 0; i < kMaxSets; ++i) {
        const QStringList pair = sampleLine(i).split(QStringLiteral("::"));
        finds << pair[0] + (wide ? QStringLiteral(" \u6771") : QString());
        replaces << pair[1];
    }
    appendEntries(find, finds);
    appendEntries(replace, replaces);
}

void BM_LoadSets(benchmark::State &state, bool wide)
{
    QTemporaryDir dir;
    SettingsStore settings(dir.filePath(QStringLiteral("settings.ini")));
    test::ScriptedDialogs dialogs;
    QComboBox find;
    QComboBox replace;
    const QString path = dir.filePath(QStringLiteral("sets.txt"));
    fillPairs(find, replace, wide);
    SaveSetsToFile(dialogs, path, find, replace);
    for (auto _ : state) {
        state.PauseTiming();
        find.clear();
        replace.clear();
        Form2 form(dialogs, settings, &find, &replace);
        form.Form_Load();
        form.Text1->setText(path);
        state.ResumeTiming();
        form.PushButton1_Click();
        if (find.count() != kMaxSets || replace.count() != kMaxSets)
            state.SkipWithError("not every line was loaded");
    }
}
BENCHMARK_CAPTURE(BM_LoadSets, windows1252, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LoadSets, utf16, true)->Unit(benchmark::kMillisecond);

void BM_SaveSets(benchmark::State &state, bool wide)
{
    QTemporaryDir dir;
    test::ScriptedDialogs dialogs;
    QComboBox find;
    QComboBox replace;
    fillPairs(find, replace, wide);
    int n = 0;
    for (auto _ : state) {
        const QString path = dir.filePath(QStringLiteral("out%1.txt").arg(n++));
        SaveSetsToFile(dialogs, path, find, replace);
    }
}
BENCHMARK_CAPTURE(BM_SaveSets, windows1252, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SaveSets, utf16, true)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
