// Load Sets of a full 32,767-line file and Save Sets of 32,767 pairs, on real
// files and real lists.
#include "sets/setsfile.h"
#include "sets/setslist.h"
#include "shell/dialogs.h"
#include "shell/settings.h"
#include "widgets/form2.h"

#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using namespace vantrelle;

// Answers Yes to the overwrite question and shows nothing.
class QuietDialogs final : public Dialogs {
public:
    void notice(const QString &) override {}
    bool question(const QString &, bool) override { return true; }
    void errorReport(const QString &text) override { qFatal("%s", qPrintable(text)); }
    QString inputBox(const QString &, const QString &) override { return {}; }
    QStringList openFiles(const FileDialogRequest &) override { return {}; }
    QString saveFile(const FileDialogRequest &) override { return {}; }
    QString pickFolder(const QString &, const QString &) override { return {}; }
    void openFolder(const QString &) override {}
    void openFile(const QString &) override {}
};

QString sampleLine(int i)
{
    return QStringLiteral("find text %1 caf\u00e9::replacement %1 na\u00efve").arg(i);
}

// The pairs of a full list; with wide, texts that only UTF-16 can hold.
SetsPairs fullPairs(bool wide)
{
    SetsPairs pairs;
    for (int i = 0; i < kMaxSets; ++i) {
        const QStringList pair = sampleLine(i).split(QStringLiteral("::"));
        pairs.find << pair[0] + (wide ? QStringLiteral(" \u6771") : QString());
        pairs.replace << pair[1];
    }
    return pairs;
}

void BM_LoadSets(benchmark::State &state, bool wide)
{
    QTemporaryDir dir;
    SettingsStore settings(dir.filePath(QStringLiteral("settings.ini")));
    QuietDialogs dialogs;
    SetsModel sets;
    const QString path = dir.filePath(QStringLiteral("sets.txt"));
    SaveSetsToFile(dialogs, path, fullPairs(wide));
    for (auto _ : state) {
        state.PauseTiming();
        sets.clear();
        Form2 form(dialogs, settings, sets);
        form.Form_Load();
        form.Text1->setText(path);
        state.ResumeTiming();
        form.PushButton1_Click();
        if (sets.rowCount() != kMaxSets)
            state.SkipWithError("not every line was loaded");
    }
}
BENCHMARK_CAPTURE(BM_LoadSets, windows1252, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LoadSets, utf16, true)->Unit(benchmark::kMillisecond);

void BM_SaveSets(benchmark::State &state, bool wide)
{
    QTemporaryDir dir;
    QuietDialogs dialogs;
    const SetsPairs pairs = fullPairs(wide);
    int n = 0;
    for (auto _ : state) {
        const QString path = dir.filePath(QStringLiteral("out%1.txt").arg(n++));
        SaveSetsToFile(dialogs, path, pairs);
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
