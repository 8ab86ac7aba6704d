#include "errorreport.h"

#include "fsutil/failure.h"
#include "shell/dialogs.h"

#include <QCoreApplication>

#include <stdexcept>

namespace vantrelle {

QString supportSentence()
{
    const QString contact = QString::fromUtf8(VANTRELLE_SUPPORT_CONTACT);
    if (contact.contains(QLatin1Char('@')) && !contact.contains(QLatin1Char(' ')))
        return QCoreApplication::translate("vantrelle::ErrorReport",
                                           "Please email screenshot of this message to %1")
            .arg(contact);
    return QCoreApplication::translate("vantrelle::ErrorReport",
                                       "Please report this with a screenshot of this message: %1.")
        .arg(contact);
}

QString errorReportText(const QString &description, const QString &location, int line)
{
    return description + QStringLiteral("\r\n") + location + QStringLiteral("at line ") +
           QString::number(line) + QStringLiteral("\r\r") + supportSentence();
}

QString errorReportDescription(const QString &reportText)
{
    const qsizetype at = reportText.lastIndexOf(QStringLiteral("\r\nin Hobmarrow"));
    return at < 0 ? reportText : reportText.left(at);
}

void ReportApplicationError(Dialogs &dialogs, const QString &description, const QString &location,
                            int line)
{
    dialogs.errorReport(errorReportText(description, location, line));
}

QString describeCurrentException()
{
    try {
        throw;
    } catch (const std::exception &e) {
        return QString::fromUtf8(e.what());
    } catch (...) {
        return QStringLiteral("Unknown error");
    }
}

namespace {

bool currentIsPlain()
{
    try {
        throw;
    } catch (const PlainFailure &) {
        return true;
    } catch (...) {
        return false;
    }
}

} // namespace

void Guard::report()
{
    const QString description = describeCurrentException();
    try {
        // The user's situation is said as it is, with nothing to report.
        if (currentIsPlain())
            m_dialogs.runNotice(description);
        else
            ReportApplicationError(m_dialogs, description, QString::fromLatin1(m_location), m_line);
    } catch (...) {
        // A report that cannot be shown must not end the procedure either.
    }
}

} // namespace vantrelle
