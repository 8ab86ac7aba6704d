// vantrelle-replace: find and replace text in one publication from the
// command line, through the same automation server the window program uses.
#include "cli/batchrun.h"
#include "pubengine/publication.h"
#include "pubengine/server.h"
#include "run/reportformat.h"

#include <QString>
#include <QStringList>

#include <glib.h>

#include <cstdio>
#include <exception>

using namespace vantrelle;

namespace {

constexpr int kOk = 0;
constexpr int kFailed = 1;
constexpr int kUsage = 2;

void printUtf8(std::FILE *to, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), to);
}

int usage(std::FILE *to, int code)
{
    printUtf8(to, QStringLiteral(
                      "usage: vantrelle-replace [--match-case] [--in-links] [--in-properties] "
                      "SOURCE OUTPUT\n                         FIND REPLACE [FIND REPLACE ...]\n"
                      "       vantrelle-replace --text SOURCE\n"
                      "\n"
                      "Replaces every occurrence of each FIND by its REPLACE in the publication "
                      "SOURCE,\npairs in order, and writes the result to OUTPUT. --text prints "
                      "the text of every story.\nExit status: 0 done, 1 the publication could "
                      "not be read, edited as asked or written,\n2 wrong usage.\n"));
    return code;
}

int printText(const QString &source)
{
    const pubengine::Publication pub = pubengine::Publication::open(source);
    const pubengine::QuillStream &q = pub.quill();
    QString out;
    for (std::size_t k = 0; k < q.storyCount(); ++k) {
        if (k > 0)
            out += u'\n';
        const std::u16string_view story = q.story(k);
        QString text = QString::fromUtf16(story.data(), static_cast<qsizetype>(story.size()));
        for (QChar &c : text) {
            if (c == u'\r' || c == u'\v')
                c = u'\n';
        }
        out += text;
    }
    printUtf8(stdout, out);
    return kOk;
}

std::u16string toU16(const QString &s)
{
    return std::u16string(reinterpret_cast<const char16_t *>(s.utf16()), s.size());
}

int replace(bool matchCase, pubengine::Places places, const QString &source, const QString &output,
            const QStringList &pairs)
{
    // Texts the engine would refuse are refused before anything is opened or
    // counted, for what is wrong with them.
    for (qsizetype i = 0; i + 1 < pairs.size(); i += 2) {
        for (const bool isFind : {true, false}) {
            const std::string problem =
                pubengine::unsupportedText(toU16(pairs[i + (isFind ? 0 : 1)]), isFind);
            if (!problem.empty()) {
                printUtf8(stderr, QStringLiteral("Cannot replace “%1” by “%2” in “%3”: %4. “%5” "
                                                 "was not written.\n")
                                      .arg(pairs[i], pairs[i + 1], source,
                                           QString::fromStdString(problem), output));
                return kFailed;
            }
        }
    }
    automation::Registry registry;
    registry.Register(QString::fromUtf8(automation::kPublisherProgId),
                      pubengine::makePublisherServer());
    auto app = registry.CreateObject(QString::fromUtf8(automation::kPublisherProgId));
    app->Open(source, false, false, 1);
    bool allDone = true;
    bool anyLeft = false;
    for (qsizetype i = 0; i + 1 < pairs.size(); i += 2) {
        auto find = app->ActiveDocument()->Find();
        find->Clear();
        find->SetFindText(pairs[i]);
        find->SetReplaceWithText(pairs[i + 1]);
        find->SetReplaceScope(automation::kReplaceScopeAll);
        find->SetMatchCase(matchCase);
        find->SetMatchWholeWord(false);
        if (auto *where = dynamic_cast<automation::PlacesFindReplace *>(find.get())) {
            where->SetReplaceInLinkAddresses(places.linkAddresses);
            where->SetReplaceInDocumentProperties(places.documentProperties);
        }
        QString error;
        try {
            find->Execute();
        } catch (const std::exception &e) {
            error = QString::fromUtf8(e.what());
            allDone = false;
        }
        const auto *native = dynamic_cast<const pubengine::NativeFindReplace *>(find.get());
        const auto *counting = dynamic_cast<const automation::CountingFindReplace *>(find.get());
        anyLeft |= native && native->lastLeft() > 0;
        PairResult pair;
        pair.find = pairs[i];
        pair.replacement = pairs[i + 1];
        pair.applied = true;
        pair.searchedLinks = places.linkAddresses;
        pair.searchedProperties = places.documentProperties;
        if (counting) {
            const automation::ExecuteCounts counts = counting->lastCounts();
            pair.replaced = counts.replaced;
            pair.inLinks = counts.inLinks;
            pair.inProperties = counts.inProperties;
            pair.left = counts.left;
            pair.leftReason = error.isEmpty() ? counts.leftReason : QString();
        }
        printUtf8(stdout, pairText(pair, false) + u'\n');
        if (!error.isEmpty())
            printUtf8(stderr, error + u'\n');
    }
    if (!allDone) {
        app->Quit();
        printUtf8(stderr, anyLeft ? QStringLiteral("“%1” was not written, because not every "
                                                   "occurrence could be replaced.\n")
                                        .arg(output)
                                  : QStringLiteral("“%1” was not written.\n").arg(output));
        return kFailed;
    }
    app->ActiveDocument()->SaveAs(output, automation::kFormatPublication, false);
    app->Quit();
    return kOk;
}

} // namespace

int main(int argc, char **argv)
{
    // The container library warns about damaged files on its own; the tool
    // reports every failure itself, naming the file.
    g_log_set_default_handler([](const gchar *, GLogLevelFlags, const gchar *, gpointer) {},
                              nullptr);
    if (const std::optional<int> status = cli::runBatchIfAsked(argc, argv))
        return *status;
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    bool matchCase = false;
    pubengine::Places places;
    bool text = false;
    QStringList positional;
    bool options = true;
    for (const QString &a : args) {
        if (options && a == QLatin1String("--")) {
            options = false;
        } else if (options && a == QLatin1String("--match-case")) {
            matchCase = true;
        } else if (options && a == QLatin1String("--in-links")) {
            places.linkAddresses = true;
        } else if (options && a == QLatin1String("--in-properties")) {
            places.documentProperties = true;
        } else if (options && a == QLatin1String("--text")) {
            text = true;
        } else if (options && (a == QLatin1String("--help") || a == QLatin1String("-h"))) {
            return usage(stdout, kOk);
        } else if (options && a.startsWith(u'-') && a.size() > 1) {
            printUtf8(stderr, QStringLiteral("vantrelle-replace: unknown option %1\n").arg(a));
            return usage(stderr, kUsage);
        } else {
            positional << a;
        }
    }
    try {
        if (text) {
            if (positional.size() != 1 || matchCase || places.linkAddresses ||
                places.documentProperties)
                return usage(stderr, kUsage);
            return printText(positional[0]);
        }
        if (positional.size() < 4 || positional.size() % 2 != 0)
            return usage(stderr, kUsage);
        return replace(matchCase, places, positional[0], positional[1], positional.mid(2));
    } catch (const std::exception &e) {
        printUtf8(stderr, QString::fromUtf8(e.what()) + u'\n');
        return kFailed;
    }
}
