#include "doclist/screening.h"

#include "doclist/documentlist.h"
#include "fsutil/paths.h"
#include "shell/dialogs.h"
#include "shell/errorreport.h"

#include <QCoreApplication>
#include <QList>

namespace vantrelle::Main {

namespace {
const QString kCrLf = QStringLiteral("\r\n");
} // namespace

bool HasExpectedExtension(const QString &rowText)
{
    // The extension is looked for in "pub", not the other way round.
    return QStringLiteral("pub").contains(GetExtensionOfPath(rowText), Qt::CaseInsensitive);
}

QString ScreeningQuestion(const QString &flaggedRows)
{
    // The rows come with their own line ends.
    return QCoreApplication::translate("vantrelle::Main",
                                       "These files: \n\n%1\ndo not appear to be in the "
                                       "expected file format because of their file extension."
                                       "\n\nWould you like to remove them from list?")
        .replace(QLatin1Char('\n'), kCrLf)
        .arg(flaggedRows);
}

void ValidateListFiles(DocumentList &list, Dialogs &dialogs)
{
    Guard guard(dialogs, loc::Main_ValidateListFiles);
    int count = 0;
    guard.run(100, [&] { count = list.count(); });
    if (count == 0)
        return;
    QString flaggedRows;
    QList<int> flagged;
    for (int i = 1; i <= count; ++i) {
        QString text;
        guard.run(102, [&] { text = list.rowText(i); });
        // A text the extension can't be taken from (overflow) is reported and
        // counts as flagged: it can't be a publication's path.
        if (guard.test(104, [&] { return !HasExpectedExtension(text); })) {
            guard.run(106, [&] {
                flaggedRows += text + kCrLf;
                flagged.append(i);
            });
        }
    }
    if (flagged.isEmpty())
        return;
    bool remove = false;
    guard.run(108, [&] { remove = dialogs.question(ScreeningQuestion(flaggedRows), true); });
    if (!remove)
        return;
    // From the highest index down, so each recorded index still names its row.
    for (qsizetype k = flagged.size() - 1; k >= 0; --k)
        guard.run(110, [&] { list.remove(flagged.at(k)); });
}

} // namespace vantrelle::Main
