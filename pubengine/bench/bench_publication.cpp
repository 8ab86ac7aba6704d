// Open + replace 10 pairs + save of a real publication, against the floor of
// reading and writing the same bytes.
#include "pubengine/publication.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>

using vantrelle::pubengine::Publication;

namespace {

QString corpusFile(const char *name)
{
    const QByteArray env = qgetenv("VANTRELLE_CORPUS_DIR");
    return QDir(env.isEmpty() ? QStringLiteral(VANTRELLE_CORPUS_DIR) : QString::fromLocal8Bit(env))
        .filePath(QString::fromLatin1(name));
}

const std::pair<const char *, const char *> kPairs[] = {
    {"the", "teh"},
    {"and", "&"},
    {"experience", "practice"},
    {"care", "caring care"},
    {"patients", "clients"},
    {"unit", "department"},
    {"work", "job"},
    {"RN", "Registered Nurse"},
    {"hours", "hrs"},
    {"a", "aaa"},
};

void BM_ReadWriteFloor(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString source = corpusFile("60685.pub");
    const QString target = dir.filePath(QStringLiteral("out.pub"));
    for (auto _ : state) {
        QFile in(source);
        if (!in.open(QIODevice::ReadOnly))
            state.SkipWithError("corpus file missing");
        const QByteArray bytes = in.readAll();
        QSaveFile out(target);
        out.open(QIODevice::WriteOnly);
        out.write(bytes);
        out.commit();
    }
}
BENCHMARK(BM_ReadWriteFloor)->Unit(benchmark::kMicrosecond);

// The same without the atomic save (no temporary file, rename or sync): a
// lower floor than the engine's save can reach, for reference.
void BM_ReadWritePlain(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString source = corpusFile("60685.pub");
    const QString target = dir.filePath(QStringLiteral("out.pub"));
    for (auto _ : state) {
        QFile in(source);
        if (!in.open(QIODevice::ReadOnly))
            state.SkipWithError("corpus file missing");
        const QByteArray bytes = in.readAll();
        QFile out(target);
        out.open(QIODevice::WriteOnly | QIODevice::Truncate);
        out.write(bytes);
    }
}
BENCHMARK(BM_ReadWritePlain)->Unit(benchmark::kMicrosecond);

void BM_OpenReplaceSave(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString source = corpusFile("60685.pub");
    const QString target = dir.filePath(QStringLiteral("out.pub"));
    std::size_t replaced = 0;
    for (auto _ : state) {
        Publication pub = Publication::open(source);
        for (const auto &[find, replace] : kPairs)
            replaced +=
                pub.replaceAll(QString::fromLatin1(find), QString::fromLatin1(replace), true)
                    .replaced;
        pub.saveAs(target);
    }
    state.counters["replaced/doc"] =
        benchmark::Counter(double(replaced), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_OpenReplaceSave)->Unit(benchmark::kMicrosecond);

void BM_InMemoryReplace(benchmark::State &state)
{
    QFile in(corpusFile("60685.pub"));
    in.open(QIODevice::ReadOnly);
    const QByteArray bytes = in.readAll();
    for (auto _ : state) {
        Publication pub = Publication::fromBytes(bytes, QStringLiteral("60685.pub"));
        for (const auto &[find, replace] : kPairs)
            pub.replaceAll(QString::fromLatin1(find), QString::fromLatin1(replace), true);
        benchmark::DoNotOptimize(pub.toBytes());
    }
}
BENCHMARK(BM_InMemoryReplace)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    // Every case reads this publication; without it the numbers mean nothing.
    const QString source = corpusFile("60685.pub");
    if (!QFile::exists(source)) {
        std::fprintf(stderr,
                     "no publication at %s: set VANTRELLE_CORPUS_DIR to the folder of the "
                     "corpus (the one that holds 60685.pub)\n",
                     qPrintable(source));
        return 2;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
