#pragma once
// Helpers for the engine's tests: corpus access, a builder of small
// synthetic text streams, a structural description of a stream used as an
// oracle, and libmspub's pub2raw as an independent reader.
#include "pubengine/quill.h"

#include <QString>
#include <QStringList>
#include "tests/support/skip.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace vantrelle::pubengine::test {

QString corpusDir();
bool haveCorpus();
// The first statement of a test that reads the corpus: where it is absent
// (a plain clone) the test skips, with the reason every corpus test gives.
#define REQUIRE_CORPUS()                                                                           \
    do {                                                                                           \
        if (!::vantrelle::pubengine::test::haveCorpus())                                           \
            VANTRELLE_SKIP("corpus not found at " +                                                \
                           ::vantrelle::pubengine::test::corpusDir().toStdString());               \
    } while (false)
QString corpusFile(const QString &name);
// Every publication of the corpus except the damaged one.
QStringList corpusPublications();
QByteArray readFile(const QString &path);

struct SynthToken {
    std::uint32_t start = 0;
    std::uint32_t length = 0;
    std::int32_t kind = 1;
};

struct SynthStream {
    std::vector<std::u16string> stories;
    // Global ends of the character runs; empty means one run per story.
    std::vector<std::uint32_t> charEnds;
    // Character runs per formatting page, to get several pages.
    std::size_t runsPerPage = 20;
    std::map<std::size_t, std::vector<SynthToken>> tokens;
    std::map<std::size_t, std::vector<std::uint32_t>> cells;
};

// A well-formed text stream laid out the way the publishing program does;
// without stories it has no text chunk.
Bytes buildStream(const SynthStream &synth);

// One line per paragraph, run, token and cell of every story, each with the
// text it covers. Two streams with the same lines have the same structure.
std::vector<QString> describe(const QuillStream &q);

// The text after applying the pairs in order, each to the result of the
// ones before, the way the engine should.
QString substitute(QString text, const std::vector<std::pair<QString, QString>> &pairs,
                   bool matchCase);

// describe() of the original with every covered text substituted.
std::vector<QString> expectedDescription(const QuillStream &original,
                                         const std::vector<std::pair<QString, QString>> &pairs,
                                         bool matchCase);

// pub2raw's trace without metadata, split at '\n' only (it keeps U+000D
// inside insertText). Empty when pub2raw is unavailable or read nothing.
QStringList pub2raw(const QString &path);
// The trace with the pairs applied to the text arguments.
QStringList substituteTrace(const QStringList &trace,
                            const std::vector<std::pair<QString, QString>> &pairs, bool matchCase);

QString qs(std::u16string_view s);

// The description of the Failure action throws; empty when it throws none.
QString failureOf(const std::function<void()> &action);

} // namespace vantrelle::pubengine::test
