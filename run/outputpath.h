#pragma once
// Where a run writes the result of one document, and the checks that keep a
// run from destroying anything it should not: its sources, the other
// documents of the list, and the results it wrote before.
#include <QChar>
#include <QSet>
#include <QString>
#include <QStringList>

#include <optional>

namespace vantrelle {

// The chosen folder (or the source's folder) joined with the source's name,
// before the doubled separators are collapsed.
QString JoinOutput(const QString &folder, const QString &source, QChar sep);

// True when writing to output would write to the source itself: the same
// text, or another spelling of the same file (a link, "./", doubled separators).
bool OutputIsSource(const QString &source, const QString &output, QChar sep);

// The sibling name used when the output would be the source: the suffix goes
// before the last dot of the file name ("a.b.pub" -> "a.b_replaced.pub"). A
// name without a dot gets the suffix at its end.
QString ReplacedOutputName(const QString &output, const QString &source, QChar sep);

// The whole naming rule, for a destination of the chosen folder (useFolder)
// or of each source's own folder.
QString OutputPathFor(const QString &source, bool useFolder, const QString &folderText, QChar sep);

// True when both texts name one file: the same file once links, "." and
// ".." are resolved, or the same place in one folder for a file not there yet.
bool NamesSameFile(const QString &a, const QString &b);

// Remembers the documents of one run and the outputs written so far, and
// tells when an output must not be written.
class RunOutputGuard {
public:
    explicit RunOutputGuard(const QStringList &documents);

    // A notice for the user when writing output for source would replace
    // another document of the list or an earlier result of this run;
    // nothing when the output may be written.
    std::optional<QString> refusal(const QString &source, const QString &output) const;
    void recordOutput(const QString &source, const QString &output);

private:
    QSet<QString> m_documentKeys;
    QStringList m_documents;
    QHash<QString, QString> m_outputs; // output key -> the source that wrote it
};

} // namespace vantrelle
