#pragma once
// A review's plan: the JSON report of a count that lists every change
// (--dry-run --report plan.json), which --apply reads back. What a plan
// holds of each change, which changes can be chosen, and reading a plan
// whole or not at all are answered here.
#include "run/runcore.h"

#include <QJsonArray>

#include <memory>

namespace vantrelle {

// A change the user can tick or untick: one the engine made in a story.
bool choosable(const automation::Change &change);
// A change handed back to the engine with the choices: any in a story (those
// its rules left, it leaves again for the same reason).
bool inStory(const automation::Change &change);

// Whether a review's change is made as the ticks stand: ticked, and the
// change whose new text it was found in made too.
bool isMade(const ReviewedDocument &review, int pair, qsizetype index);
// The changes of a pair the count made that the ticks now leave.
qint64 untickedCount(const ReviewedDocument &review, int pair);

// The changes of a document as a plan lists them: id, pair, story,
// position and within, before and after, left, place, dependsOn (the id of
// the earlier change it exists by) and apply for those that can be chosen.
QJsonArray planChanges(const DocumentResult &document);

// A plan is not used: which line and why, in the user's language.
struct PlanError {
    QString text;
};

// A plan checked whole before anything is written. Each document's choices
// are read from the file again when the run comes to it, so a long plan
// does not wait in memory.
class Plan final : public ReviewSource {
public:
    // Throws PlanError for an unreadable line, a value of the wrong type, an
    // unknown pair, an id twice, a change that is not its document's, and
    // a plan that does not list every change.
    static std::shared_ptr<const Plan> read(const QString &path);

    // The plan's pairs and matching, and the plan as its review.
    static void applyTo(const std::shared_ptr<const Plan> &plan, RunRequest &request);
    const QStringList &sources() const { return m_sources; }
    std::optional<ReviewedDocument> find(const QString &source) const override;

private:
    struct Place {
        qint64 offset = 0;
        qint64 length = 0;
        qint64 line = 0;
    };
    QString m_path;
    QStringList m_sources;
    QHash<QString, Place> m_places;
    QStringList m_finds;
    QStringList m_replacements;
    bool m_inLinks = false;
    bool m_inProperties = false;
    MatchOptions m_matching;
};

} // namespace vantrelle
