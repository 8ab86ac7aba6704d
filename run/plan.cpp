#include "run/plan.h"

#include "fsutil/failure.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include <cmath>
#include <map>
#include <tuple>

namespace vantrelle {

bool inStory(const automation::Change &change)
{
    return change.place.isEmpty();
}

bool choosable(const automation::Change &change)
{
    return inStory(change) && change.leftReason.isEmpty();
}

namespace {

using Key = std::tuple<int, int, qint64, QList<qint64>>;

} // namespace

ReviewedDocument ReviewedDocument::of(const DocumentResult &counted)
{
    ReviewedDocument reviewed;
    reviewed.stamp = counted.stamp;
    std::map<Key, std::pair<int, qsizetype>> places;
    for (int i = 0; i < int(counted.pairs.size()); ++i) {
        QList<automation::ChosenChange> &chosen = reviewed.pairs.emplace_back();
        for (const automation::Change &c : counted.pairs[i].changes) {
            // Links and properties are not chosen one by one.
            if (!inStory(c))
                continue;
            automation::ChosenChange &choice = chosen.emplace_back(automation::ChosenChange{
                c.story, c.position, c.before.text, true, c.within, choosable(c)});
            if (c.dependsOn) {
                const auto parent = places.find(
                    {c.dependsOn->pair, c.story, c.dependsOn->position, c.dependsOn->within});
                if (parent != places.end())
                    std::tie(choice.parentPair, choice.parentIndex) = parent->second;
            }
            places.emplace(Key{i, c.story, c.position, c.within},
                           std::pair{i, chosen.size() - 1});
        }
    }
    return reviewed;
}

bool isMade(const ReviewedDocument &review, int pair, qsizetype index)
{
    const automation::ChosenChange &c = review.pairs.at(pair).at(index);
    return c.apply && (c.parentPair < 0 || isMade(review, c.parentPair, c.parentIndex));
}

qint64 untickedCount(const ReviewedDocument &review, int pair)
{
    qint64 n = 0;
    const QList<automation::ChosenChange> &chosen = review.pairs.at(pair);
    for (qsizetype k = 0; k < chosen.size(); ++k)
        n += chosen[k].choosable && !isMade(review, pair, k);
    return n;
}

namespace {

QJsonObject contextJson(const automation::ChangeContext &context)
{
    return QJsonObject{{QStringLiteral("lead"), context.lead},
                       {QStringLiteral("text"), context.text},
                       {QStringLiteral("trail"), context.trail}};
}

QJsonArray numbers(const QList<qint64> &values)
{
    QJsonArray array;
    for (const qint64 v : values)
        array.append(v);
    return array;
}

} // namespace

QJsonArray planChanges(const DocumentResult &document)
{
    QJsonArray changes;
    std::map<Key, qint64> ids;
    qint64 id = 0;
    for (qsizetype i = 0; i < document.pairs.size(); ++i) {
        for (const automation::Change &c : document.pairs[i].changes) {
            QJsonObject change{{QStringLiteral("id"), id},
                               {QStringLiteral("pair"), i},
                               {QStringLiteral("story"), c.story},
                               {QStringLiteral("position"), c.position},
                               {QStringLiteral("before"), contextJson(c.before)},
                               {QStringLiteral("after"), contextJson(c.after)}};
            if (!c.within.isEmpty())
                change.insert(QStringLiteral("within"), numbers(c.within));
            if (c.dependsOn) {
                const auto parent = ids.find(
                    {c.dependsOn->pair, c.story, c.dependsOn->position, c.dependsOn->within});
                if (parent != ids.end())
                    change.insert(QStringLiteral("dependsOn"), parent->second);
            }
            if (!c.leftReason.isEmpty())
                change.insert(QStringLiteral("left"), c.leftReason);
            if (!c.place.isEmpty())
                change.insert(QStringLiteral("place"), c.place);
            if (choosable(c))
                change.insert(QStringLiteral("apply"), true);
            if (inStory(c))
                ids.emplace(Key{int(i), c.story, c.position, c.within}, id);
            changes.append(change);
            ++id;
        }
    }
    return changes;
}

namespace {

// Where in the plan a fault is, for the message.
struct At {
    qint64 line = 0;
    QString source;
    qint64 change = -1;
};

[[noreturn]] void refuse(const QString &path, const At &at, const QString &why)
{
    QString where = RunText::tr("line %1").arg(at.line);
    if (!at.source.isEmpty())
        where = RunText::tr("%1 (the document %2)").arg(where, at.source);
    if (at.change >= 0)
        where = RunText::tr("%1, change %2").arg(where).arg(at.change);
    throw PlanError{RunText::tr("The plan %1 cannot be used: %2: %3. Nothing was written.")
                        .arg(path, where, why)};
}

// JSON numbers are doubles: a whole number is one without a fraction.
bool isWhole(const QJsonValue &v, qint64 min = 0)
{
    if (!v.isDouble())
        return false;
    const double d = v.toDouble();
    return std::floor(d) == d && d >= double(min) && d < 9.0e15;
}

// The document objects of a plan in one pass, their places in the file kept:
// a JSON object whose "documents" array holds them (as a dry run writes it,
// or reformatted), or one object per line (JSON lines).
class DocumentScanner {
public:
    explicit DocumentScanner(QFile &file) : m_file(file) {}

    // The next document's bytes and place; false at the end. Sets error for
    // a plan that ends inside a value or holds something else than objects.
    bool next(QByteArray &bytes, qint64 &offset, qint64 &line, QString &error)
    {
        for (;;) {
            if (m_at == m_buffer.size()) {
                if (m_collecting)
                    m_current.append(m_buffer.constData() + m_from, m_buffer.size() - m_from);
                m_from = 0;
                m_base += m_buffer.size();
                m_buffer = m_file.read(1 << 16);
                m_at = 0;
                if (m_buffer.isEmpty()) {
                    if (m_depth != 0 || m_inString) {
                        error = RunText::tr("the plan ends inside a value");
                        if (m_collecting)
                            m_line = m_startLine;
                    }
                    else if (m_documents == 0)
                        error = RunText::tr("it lists no documents");
                    return false;
                }
            }
            const char c = m_buffer[m_at];
            const qint64 here = m_base + m_at;
            ++m_at;
            if (c == '\n')
                ++m_line;
            if (m_inString) {
                if (m_escape)
                    m_escape = false;
                else if (c == '\\')
                    m_escape = true;
                else if (c == '"')
                    m_inString = false;
                else if (m_depth == 1)
                    m_string.append(c);
                continue;
            }
            switch (c) {
            case '"':
                m_inString = true;
                if (m_depth == 1)
                    m_string.clear();
                break;
            case '{':
            case '[':
                if (m_depth == m_documentDepth && c == '{') {
                    m_collecting = true;
                    m_current.clear();
                    m_from = m_at - 1;
                    m_start = here;
                    m_startLine = m_line;
                } else if (m_depth == m_documentDepth) {
                    error = RunText::tr("a document is not a JSON object");
                    return false;
                }
                if (m_depth == 1 && c == '[' && m_documentDepth == 0 &&
                    m_string == QByteArrayLiteral("documents")) {
                    // The whole-run form: the documents are this array's.
                    m_collecting = false;
                    m_documentDepth = 2;
                }
                ++m_depth;
                break;
            case '}':
            case ']':
                if (m_depth == 0) {
                    error = RunText::tr("a bracket closes what was never opened");
                    return false;
                }
                --m_depth;
                if (m_collecting && m_depth == m_documentDepth) {
                    m_collecting = false;
                    m_current.append(m_buffer.constData() + m_from, m_at - m_from);
                    ++m_documents;
                    bytes = std::move(m_current);
                    m_current.clear();
                    offset = m_start;
                    line = m_startLine;
                    return true;
                }
                if (m_documentDepth == 2 && m_depth == 1)
                    m_documentDepth = -1; // the array ended: no more documents
                break;
            default:
                if (m_depth == 0 && !QChar::isSpace(uchar(c))) {
                    error = RunText::tr("there is text outside any JSON object");
                    return false;
                }
                break;
            }
        }
    }
    // Where the fault is: the line reached, or that of the document cut off.
    qint64 line() const { return m_line; }

private:
    QFile &m_file;
    QByteArray m_buffer;
    qsizetype m_at = 0;
    // Where the document being collected starts in the buffer.
    qsizetype m_from = 0;
    qint64 m_base = 0;
    qint64 m_line = 1;
    int m_depth = 0;
    // The depth at which documents begin: 0 for JSON lines, 2 inside the
    // "documents" array, -1 once that array has ended.
    int m_documentDepth = 0;
    bool m_inString = false;
    bool m_escape = false;
    QByteArray m_string;
    bool m_collecting = false;
    QByteArray m_current;
    qint64 m_start = 0;
    qint64 m_startLine = 0;
    qint64 m_documents = 0;
};

struct ParsedDocument {
    QString source;
    ReviewedDocument reviewed;
    QJsonArray pairs;
    QJsonObject matching;
};

// One document of a plan, checked entry by entry; refuses with the place.
ParsedDocument parseDocument(const QString &path, const QByteArray &bytes, qint64 line)
{
    At at{line, {}, -1};
    QJsonParseError parseError{};
    const QJsonDocument json = QJsonDocument::fromJson(bytes, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        refuse(path, at, RunText::tr("the line cannot be read (%1)").arg(parseError.errorString()));
    const QJsonObject doc = json.object();
    const auto wrong = [&](const QString &name) {
        refuse(path, at, RunText::tr("“%1” is missing or has a value of the wrong type").arg(name));
    };
    ParsedDocument parsed;
    if (!doc.value(QLatin1String("source")).isString())
        wrong(QStringLiteral("source"));
    parsed.source = doc.value(QLatin1String("source")).toString();
    at.source = parsed.source;
    const QJsonValue stampValue = doc.value(QLatin1String("sourceStamp"));
    const QJsonObject stamp = stampValue.toObject();
    if (!stampValue.isObject() || !isWhole(doc.value(QLatin1String("changesNotListed"))) ||
        doc.value(QLatin1String("changesNotListed")).toDouble() != 0)
        refuse(path, at,
               RunText::tr("it does not list every change of the document; make the plan with "
                           "--dry-run --report FILE.json"));
    if (!isWhole(stamp.value(QLatin1String("size"))))
        wrong(QStringLiteral("sourceStamp.size"));
    const QDateTime modified = QDateTime::fromString(
        stamp.value(QLatin1String("modified")).toString(), Qt::ISODateWithMs);
    if (!modified.isValid())
        wrong(QStringLiteral("sourceStamp.modified"));
    const QString sha = stamp.value(QLatin1String("sha256")).toString();
    if (sha.size() != 64 || QByteArray::fromHex(sha.toLatin1()).toHex() != sha.toLatin1())
        wrong(QStringLiteral("sourceStamp.sha256"));
    parsed.reviewed.stamp = {qint64(stamp.value(QLatin1String("size")).toDouble()), modified,
                             sha.toLatin1()};

    if (!doc.value(QLatin1String("pairs")).isArray() || doc.value(QLatin1String("pairs")).toArray().isEmpty())
        wrong(QStringLiteral("pairs"));
    if (!doc.value(QLatin1String("matching")).isObject())
        wrong(QStringLiteral("matching"));
    parsed.matching = doc.value(QLatin1String("matching")).toObject();
    for (const char *name : {"matchCase", "wholeWords", "regularExpression", "keepCase"})
        if (!parsed.matching.value(QLatin1String(name)).isBool())
            wrong(QStringLiteral("matching.") + QLatin1String(name));
    // Each pair's changes have the ids from here on, in the order listed.
    QList<qint64> firstId;
    qint64 ids = 0;
    for (const auto &p : doc.value(QLatin1String("pairs")).toArray()) {
        const QJsonObject o = p.toObject();
        if (!o.value(QLatin1String("find")).isString() ||
            !o.value(QLatin1String("replacement")).isString())
            wrong(QStringLiteral("pairs"));
        firstId << ids;
        for (const char *count : {"replaced", "left", "inLinkAddresses", "inDocumentProperties"}) {
            const QJsonValue n = o.value(QLatin1String(count));
            if (!n.isUndefined() && !isWhole(n))
                wrong(QStringLiteral("pairs.") + QLatin1String(count));
            ids += qint64(n.toDouble());
        }
        parsed.pairs.append(QJsonObject{
            {QStringLiteral("find"), o.value(QLatin1String("find"))},
            {QStringLiteral("replacement"), o.value(QLatin1String("replacement"))},
            {QStringLiteral("links"), o.contains(QLatin1String("inLinkAddresses"))},
            {QStringLiteral("properties"), o.contains(QLatin1String("inDocumentProperties"))}});
    }
    firstId << ids;
    parsed.reviewed.pairs.resize(firstId.size() - 1);

    if (!doc.value(QLatin1String("changes")).isArray())
        wrong(QStringLiteral("changes"));
    QSet<qint64> seen;
    for (const auto &value : doc.value(QLatin1String("changes")).toArray()) {
        at.change = -1;
        const QJsonObject change = value.toObject();
        if (!value.isObject() || !isWhole(change.value(QLatin1String("id"))))
            wrong(QStringLiteral("id"));
        const qint64 id = qint64(change.value(QLatin1String("id")).toDouble());
        at.change = id;
        if (seen.contains(id))
            refuse(path, at, RunText::tr("the id %1 is there twice").arg(id));
        seen.insert(id);
        const QJsonValue pairValue = change.value(QLatin1String("pair"));
        if (!isWhole(pairValue))
            wrong(QStringLiteral("pair"));
        const qint64 pair = qint64(pairValue.toDouble());
        if (pair >= parsed.reviewed.pairs.size())
            refuse(path, at, RunText::tr("there is no pair %1").arg(pair));
        // Ids are given pair by pair: one outside its pair's came from
        // another document.
        if (id < firstId[pair] || id >= firstId[pair + 1])
            refuse(path, at, RunText::tr("the change is not one of this document's"));
        const QJsonValue place = change.value(QLatin1String("place"));
        if (!place.isUndefined() && !place.isString())
            wrong(QStringLiteral("place"));
        if (!place.toString().isEmpty())
            continue; // made with the whole pair, not chosen
        const QJsonValue left = change.value(QLatin1String("left"));
        if (!left.isUndefined() && !left.isString())
            wrong(QStringLiteral("left"));
        const QJsonValue apply = change.value(QLatin1String("apply"));
        if (left.isUndefined() ? !apply.isBool() : !apply.isUndefined() && !apply.isBool())
            wrong(QStringLiteral("apply"));
        if (!isWhole(change.value(QLatin1String("story"))))
            wrong(QStringLiteral("story"));
        if (!isWhole(change.value(QLatin1String("position"))))
            wrong(QStringLiteral("position"));
        const QJsonValue text = change.value(QLatin1String("before")).toObject().value(QLatin1String("text"));
        if (!text.isString())
            wrong(QStringLiteral("before.text"));
        const QJsonValue dependsOn = change.value(QLatin1String("dependsOn"));
        if (!dependsOn.isUndefined() && !isWhole(dependsOn))
            wrong(QStringLiteral("dependsOn"));
        automation::ChosenChange chosen{int(change.value(QLatin1String("story")).toDouble()),
                                        qint64(change.value(QLatin1String("position")).toDouble()),
                                        text.toString(), apply.toBool(true), {},
                                        left.isUndefined()};
        const QJsonValue within = change.value(QLatin1String("within"));
        if (!within.isUndefined()) {
            if (!within.isArray() || within.toArray().size() % 2 != 0)
                wrong(QStringLiteral("within"));
            for (const auto &v : within.toArray()) {
                if (!isWhole(v))
                    wrong(QStringLiteral("within"));
                chosen.within << qint64(v.toDouble());
            }
        }
        // The rules leave a change they left before again, for its reason.
        parsed.reviewed.pairs[pair].append(std::move(chosen));
    }
    return parsed;
}

} // namespace

std::shared_ptr<const Plan> Plan::read(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw PlanError{
            RunText::tr("The plan %1 cannot be read: %2.").arg(path, file.errorString())};
    auto plan = std::make_shared<Plan>();
    plan->m_path = path;
    DocumentScanner scanner(file);
    QByteArray bytes;
    qint64 offset = 0;
    qint64 line = 0;
    QString error;
    QJsonArray pairs;
    QJsonObject matching;
    while (scanner.next(bytes, offset, line, error)) {
        ParsedDocument doc = parseDocument(path, bytes, line);
        At at{line, doc.source, -1};
        if (plan->m_places.contains(doc.source))
            refuse(path, at, RunText::tr("the document is there twice"));
        if (plan->m_sources.isEmpty()) {
            pairs = doc.pairs;
            matching = doc.matching;
        } else if (doc.pairs != pairs || doc.matching != matching) {
            refuse(path, at,
                   RunText::tr("the document was counted with other pairs or options than the "
                               "first"));
        }
        plan->m_places.insert(doc.source, {offset, qint64(bytes.size()), line});
        plan->m_sources << doc.source;
    }
    if (file.error() != QFileDevice::NoError)
        throw PlanError{
            RunText::tr("The plan %1 cannot be read: %2.").arg(path, file.errorString())};
    if (!error.isEmpty())
        refuse(path, At{scanner.line(), {}, -1}, error);
    for (const auto &p : pairs) {
        plan->m_finds << p[QLatin1String("find")].toString();
        plan->m_replacements << p[QLatin1String("replacement")].toString();
        plan->m_inLinks = p[QLatin1String("links")].toBool();
        plan->m_inProperties = p[QLatin1String("properties")].toBool();
    }
    plan->m_matching = {matching[QLatin1String("matchCase")].toBool(),
                        matching[QLatin1String("wholeWords")].toBool(),
                        matching[QLatin1String("regularExpression")].toBool(),
                        matching[QLatin1String("keepCase")].toBool()};
    return plan;
}

void Plan::applyTo(const std::shared_ptr<const Plan> &plan, RunRequest &request)
{
    request.tab = 1;
    request.findList = plan->m_finds;
    request.replaceList = plan->m_replacements;
    request.inLinks = plan->m_inLinks;
    request.inProperties = plan->m_inProperties;
    request.matchCase = plan->m_matching.matchCase ? kMatchCaseTicked : 0;
    request.wholeWord = plan->m_matching.wholeWord;
    request.regex = plan->m_matching.regex;
    request.keepCase = plan->m_matching.keepCase;
    request.review = plan;
}

std::optional<ReviewedDocument> Plan::find(const QString &source) const
{
    const auto it = m_places.constFind(source);
    if (it == m_places.constEnd())
        return std::nullopt;
    QFile file(m_path);
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly) && file.seek(it->offset))
        bytes = file.read(it->length);
    try {
        ParsedDocument doc = parseDocument(m_path, bytes, it->line);
        if (doc.source != source)
            throw PlanError{RunText::tr("the plan %1 changed while it was used").arg(m_path)};
        return std::move(doc.reviewed);
    } catch (const PlanError &e) {
        throw Failure(e.text);
    }
}

} // namespace vantrelle
