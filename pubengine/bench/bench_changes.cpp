// The listing of changes on a document with about 100,000 occurrences over
// five pairs: the time of the Executes and the peak memory, with the number
// listed, which must stay at the per-document limit.
#include "pubengine/publication.h"
#include "pubengine/server.h"

#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <sys/resource.h>

using namespace vantrelle;

namespace {

constexpr int kTargetPerPair = 20000;

QString corpusFile(const char *name)
{
    const QByteArray env = qgetenv("VANTRELLE_CORPUS_DIR");
    return QDir(env.isEmpty() ? QStringLiteral(VANTRELLE_CORPUS_DIR) : QString::fromLocal8Bit(env))
        .filePath(QString::fromLatin1(name));
}

double peakRssMb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

// A real publication whose text holds about kTargetPerPair letters "e".
QString manyOccurrences(const QTemporaryDir &dir)
{
    auto pub = pubengine::Publication::open(corpusFile("60685.pub"));
    const auto n = pub.replaceAll(QStringLiteral("e"), QStringLiteral("e"), true).replaced;
    pub.replaceAll(QStringLiteral("e"), QString(qsizetype(kTargetPerPair / n), QLatin1Char('e')),
                   true);
    const QString path = dir.filePath(QStringLiteral("many.pub"));
    pub.saveAs(path);
    return path;
}

void BM_ListChangesOf100kOccurrences(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = manyOccurrences(dir);
    automation::Registry registry;
    registry.Register(automation::kPublisherProgId, pubengine::makePublisherServer());
    qint64 occurrences = 0;
    qint64 listed = 0;
    for (auto _ : state) {
        auto app = registry.CreateObject(automation::kPublisherProgId);
        auto doc = app->Open(path, false, false, 1);
        occurrences = listed = 0;
        for (int i = 0; i < 5; ++i) {
            auto find = doc->Find();
            find->SetFindText(i % 2 ? QStringLiteral("E") : QStringLiteral("e"));
            find->SetReplaceWithText(i % 2 ? QStringLiteral("e") : QStringLiteral("E"));
            find->SetReplaceScope(automation::kReplaceScopeAll);
            find->SetMatchCase(true);
            find->Execute();
            const auto counts = dynamic_cast<automation::CountingFindReplace &>(*find).lastCounts();
            occurrences += counts.replaced + counts.left;
            listed += counts.changes.size();
        }
        app->Quit();
    }
    state.counters["occurrences"] = double(occurrences);
    state.counters["listed"] = double(listed);
    state.counters["peakRSS_MB"] = peakRssMb();
}
BENCHMARK(BM_ListChangesOf100kOccurrences)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
