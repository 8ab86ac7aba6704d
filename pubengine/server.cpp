#include "pubengine/server.h"

#include "pubengine/enginetext.h"
#include "pubengine/publication.h"

#include <algorithm>
#include <limits>
#include <optional>

namespace vantrelle::pubengine {

namespace {

constexpr int kReplaceScopeNone = 0;

// What the application and its documents share: the one open publication.
struct Session {
    std::optional<Publication> publication;
    bool quit = false;
    // Why a replacement asked of the open publication failed; a publication
    // that lacks an edit asked of it is never saved.
    QString failedEdit;
    // Changes listed for the open publication so far, against the limit.
    qint64 listed = 0;
    qint64 listLimit = automation::kMaxChangesPerDocument;
    // The fit check, and what it needs of the publication as opened: its
    // path (read again only when a story grew) and each story's length.
    std::shared_ptr<const FitChecker> fit;
    QString openedPath;
    // The stories as opened, for what the fit check compares.
    std::vector<std::u16string> openedTexts;

    Publication &active()
    {
        if (quit)
            throw Failure(
                EngineText::tr("The publication engine has quit; create a new instance."));
        if (!publication)
            throw Failure(EngineText::tr("No publication is open."));
        return *publication;
    }
};

class EngineFindReplace final : public NativeFindReplace,
                                public automation::CountingFindReplace,
                                public automation::PatternFindReplace,
                                public automation::PlacesFindReplace,
                                public automation::ReviewFindReplace {
public:
    explicit EngineFindReplace(std::shared_ptr<Session> session) : m_session(std::move(session)) {}

    void Clear() override
    {
        m_find.clear();
        m_replacement.clear();
        m_scope = kReplaceScopeNone;
        m_matchCase = false;
        m_wholeWord = false;
        m_regex = false;
        m_keepCase = false;
        m_places = {};
        m_choices.reset();
    }
    void SetFindText(const QString &text) override { m_find = text; }
    void SetReplaceWithText(const QString &text) override { m_replacement = text; }
    void SetReplaceScope(int scope) override { m_scope = scope; }
    void SetMatchCase(bool on) override { m_matchCase = on; }
    void SetMatchWholeWord(bool on) override { m_wholeWord = on; }
    void SetMatchRegularExpression(bool on) override { m_regex = on; }
    void SetKeepCase(bool on) override { m_keepCase = on; }
    void SetListEveryChange(bool on) override
    {
        m_session->listLimit = on ? std::numeric_limits<qint64>::max()
                                  : automation::kMaxChangesPerDocument;
    }
    void SetChosenChanges(const QList<automation::ChosenChange> &changes) override
    {
        auto &chosen = m_choices.emplace();
        for (const automation::ChosenChange &c : changes) {
            ChangeKey key{0, std::size_t(c.story), {std::uint32_t(c.position)}};
            for (const qint64 v : c.within)
                key.anchor.push_back(std::uint32_t(v));
            chosen.push_back({std::move(key), c.found.toStdU16String(), c.apply});
        }
    }
    void SetReplaceInLinkAddresses(bool on) override { m_places.linkAddresses = on; }
    void SetReplaceInDocumentProperties(bool on) override { m_places.documentProperties = on; }

    bool Execute() override
    {
        m_replaced = 0;
        m_inLinks = 0;
        m_inProperties = 0;
        m_left = 0;
        m_leftReason.clear();
        m_changes.clear();
        Publication &pub = m_session->active();
        const MatchOptions options{m_matchCase, m_wholeWord, m_regex, m_keepCase};
        ReplaceResult result;
        if (m_scope == automation::kReplaceScopeAll) {
            try {
                result =
                    pub.replaceAll(m_find, m_replacement, options,
                                   std::size_t(std::max<qint64>(
                                       0, m_session->listLimit - m_session->listed)),
                                   m_places, false, m_choices ? &*m_choices : nullptr);
            } catch (const Failure &e) {
                m_session->failedEdit = e.description();
                throw;
            }
            m_replaced = result.replaced;
            listChanges(result);
        } else if (m_scope == kReplaceScopeNone) {
            // Find only: the document stays as it is. The replacement is
            // still checked, so a count refuses what a run would refuse.
            result = pub.replaceAll(m_find, m_replacement, options, 0, m_places, true);
        } else {
            throw Failure(EngineText::tr("Cannot search “%1”: only replacing every occurrence is "
                                         "supported (scope %2).")
                              .arg(pub.name())
                              .arg(m_scope));
        }
        m_inLinks = result.inLinks;
        m_inProperties = result.inProperties;
        m_left = result.leftTotal();
        m_leftReason = describeLeft(result, m_find);
        // Occurrences in WordArt are told, not failed: the result is still
        // everything that was asked of the editable text.
        if (m_scope == automation::kReplaceScopeAll && result.leftBlocking() > 0) {
            m_session->failedEdit = EngineText::tr("In “%1”, %2").arg(pub.name(), m_leftReason);
            throw Failure(m_session->failedEdit);
        }
        return result.replaced + result.inLinks + result.inProperties + result.leftTotal() > 0;
    }

    std::size_t lastReplaced() const override { return m_replaced; }
    std::size_t lastLeft() const override { return m_left; }
    automation::ExecuteCounts lastCounts() const override
    {
        automation::ExecuteCounts counts;
        counts.replaced = qint64(m_replaced);
        counts.inLinks = qint64(m_inLinks);
        counts.inProperties = qint64(m_inProperties);
        counts.left = qint64(m_left);
        counts.leftReason = m_leftReason;
        counts.changes = m_changes;
        return counts;
    }

private:
    void listChanges(const ReplaceResult &result)
    {
        auto text = [](const std::u16string &s) {
            return QString::fromUtf16(s.data(), qsizetype(s.size()));
        };
        auto context = [&](const ContextText &c) {
            return automation::ChangeContext{text(c.lead), text(c.text), text(c.trail)};
        };
        const auto within = [](const ChangeKey &key) {
            return QList<qint64>(key.anchor.begin() + std::min<std::size_t>(1, key.anchor.size()),
                                 key.anchor.end());
        };
        for (const ReplaceChange &c : result.changes) {
            automation::Change &change = m_changes.emplace_back(
                automation::Change{int(c.story), c.position, context(c.before), context(c.after),
                                   c.left ? leftReasonText(c.reason) : QString(), text(c.place),
                                   within(c.key), std::nullopt});
            if (c.dependsOn)
                change.dependsOn = automation::ChangeRef{
                    int(c.dependsOn->round), c.dependsOn->anchor.at(0), within(*c.dependsOn)};
        }
        m_session->listed += m_changes.size();
    }

    std::shared_ptr<Session> m_session;
    QString m_find;
    QString m_replacement;
    int m_scope = kReplaceScopeNone;
    bool m_matchCase = false;
    bool m_wholeWord = false;
    bool m_regex = false;
    bool m_keepCase = false;
    Places m_places;
    std::optional<std::vector<ChosenChange>> m_choices;
    std::size_t m_replaced = 0;
    std::size_t m_inLinks = 0;
    std::size_t m_inProperties = 0;
    std::size_t m_left = 0;
    QString m_leftReason;
    QList<automation::Change> m_changes;
};

// The stories longer now than when the publication was opened.
std::vector<std::size_t> grownStories(const Session &session, const Publication &pub)
{
    std::vector<std::size_t> grown;
    for (std::size_t k = 0; k < pub.storyCount(); ++k) {
        if (k >= session.openedTexts.size() || pub.story(k).size() > session.openedTexts[k].size())
            grown.push_back(k);
    }
    return grown;
}

class EngineDocument final : public automation::Document,
                             public automation::FitCheckingDocument {
public:
    explicit EngineDocument(std::shared_ptr<Session> session) : m_session(std::move(session)) {}

    std::shared_ptr<automation::FindReplace> Find() override
    {
        m_session->active();
        return std::make_shared<EngineFindReplace>(m_session);
    }

    void SaveAs(const QString &fileName, int format, bool) override
    {
        Publication &pub = m_session->active();
        if (format != automation::kFormatPublication)
            throw Failure(EngineText::tr("Cannot save “%1” as “%2”: format %3 is not supported, "
                                         "only publications (format %4).")
                              .arg(pub.name(), fileName)
                              .arg(format)
                              .arg(automation::kFormatPublication));
        if (!m_session->failedEdit.isEmpty())
            throw Failure(EngineText::tr("Cannot save “%1” as “%2”: not every replacement asked "
                                         "for could be made, so nothing was written (%3)")
                              .arg(pub.name(), fileName, m_session->failedEdit));
        pub.saveAs(fileName);
    }

    QList<automation::FitNote> CheckFit() override
    {
        const Publication &pub = m_session->active();
        if (!m_session->fit)
            return {};
        const std::vector<std::size_t> grown = grownStories(*m_session, pub);
        if (grown.empty())
            return {};
        // The publication as it was is read again rather than kept, and
        // only when a story comes near its box's edge: most do not.
        std::optional<Publication> before;
        const auto opened = [&]() -> const Publication & {
            if (!before)
                before.emplace(Publication::open(m_session->openedPath));
            return *before;
        };
        return m_session->fit->checkAsOpened(m_session->openedTexts, opened, pub, grown);
    }

private:
    std::shared_ptr<Session> m_session;
};

class EngineApplication final : public automation::Application,
                                public automation::DigestingApplication {
public:
    explicit EngineApplication(std::shared_ptr<const FitChecker> fit)
    {
        m_session->fit = std::move(fit);
    }

    void SetExpectedDigest(const QByteArray &sha256) override { m_expected = sha256; }
    QByteArray LastDigest() const override { return m_digest; }

    QString name() override { return QString::fromUtf8(kEngineName); }

    std::shared_ptr<automation::Document> Open(const QString &fileName, bool, bool, int) override
    {
        if (m_session->quit)
            throw Failure(
                EngineText::tr("The publication engine has quit; create a new instance."));
        // A failed open leaves no document active, never the previous one.
        m_session->publication.reset();
        m_session->failedEdit.clear();
        m_session->listed = 0;
        m_session->listLimit = automation::kMaxChangesPerDocument;
        m_digest.clear();
        Publication pub = Publication::open(fileName, m_expected ? &m_digest : nullptr);
        if (m_expected && !m_expected->isEmpty() && m_digest != *m_expected)
            throw PlainFailure(
                EngineText::tr("Cannot open “%1”: it changed since it was reviewed.")
                    .arg(pub.name()));
        m_session->publication.emplace(std::move(pub));
        m_session->openedPath = fileName;
        m_session->openedTexts.clear();
        if (m_session->fit) {
            for (std::size_t k = 0; k < m_session->publication->storyCount(); ++k)
                m_session->openedTexts.emplace_back(m_session->publication->story(k));
        }
        return std::make_shared<EngineDocument>(m_session);
    }

    std::shared_ptr<automation::Document> ActiveDocument() override
    {
        m_session->active();
        return std::make_shared<EngineDocument>(m_session);
    }

    void Quit() override
    {
        m_session->publication.reset();
        m_session->quit = true;
    }

private:
    std::shared_ptr<Session> m_session = std::make_shared<Session>();
    std::optional<QByteArray> m_expected;
    QByteArray m_digest;
};

class EngineServer final : public automation::Server {
public:
    explicit EngineServer(std::shared_ptr<const FitChecker> fit) : m_fit(std::move(fit)) {}
    std::shared_ptr<automation::Application> CreateInstance() override
    {
        return std::make_shared<EngineApplication>(m_fit);
    }
    std::shared_ptr<automation::Application> RunningInstance() override { return nullptr; }

private:
    std::shared_ptr<const FitChecker> m_fit;
};

} // namespace

std::shared_ptr<automation::Server> makePublisherServer(std::shared_ptr<const FitChecker> fit)
{
    return std::make_shared<EngineServer>(std::move(fit));
}

} // namespace vantrelle::pubengine
