#include "render/pdfrendering.h"
#include "render/processgroup.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>


namespace vantrelle {

namespace {

// The copy LibreOffice opens: a plain name, whatever the user's file is called.
constexpr char kInputName[] = "publication.pub";
constexpr char kOutputName[] = "publication.pdf";
constexpr int kKillWaitMs = 5000;

QString displayName(const QString &path)
{
    return QFileInfo(path).fileName();
}

// The last lines LibreOffice wrote, enough to tell what went wrong.
QString lastLines(const QByteArray &output)
{
    QStringList lines = QString::fromLocal8Bit(output).trimmed().split(QLatin1Char('\n'));
    if (lines.size() > 3)
        lines = lines.mid(lines.size() - 3);
    return lines.join(QLatin1Char(' ')).simplified();
}

} // namespace

#ifdef Q_OS_WIN
namespace {

// LibreOffice's installer puts nothing on PATH: it registers soffice.exe in
// App Paths, for the user or the machine, under Program Files.
QString installedLibreOffice()
{
    for (const char *root : {"HKEY_CURRENT_USER", "HKEY_LOCAL_MACHINE"}) {
        const QSettings appPaths(QLatin1String(root) + QLatin1String("\\SOFTWARE\\Microsoft\\"
                                                                    "Windows\\CurrentVersion\\"
                                                                    "App Paths\\soffice.exe"),
                                 QSettings::NativeFormat);
        const QString path = QDir::fromNativeSeparators(appPaths.value("Default").toString());
        if (!path.isEmpty() && QFileInfo(path).isExecutable())
            return path;
    }
    for (const char *folder : {"ProgramFiles", "ProgramFiles(x86)"}) {
        const QString path = QDir::fromNativeSeparators(qEnvironmentVariable(folder)) +
                             QLatin1String("/LibreOffice/program/soffice.exe");
        if (!qEnvironmentVariableIsEmpty(folder) && QFileInfo(path).isExecutable())
            return path;
    }
    return QStandardPaths::findExecutable(QStringLiteral("soffice"));
}

} // namespace
#endif

QString libreOfficeProgram(const QString &program)
{
    if (!program.isEmpty())
        return QFileInfo(program).isExecutable() ? program : QString();
#ifdef Q_OS_WIN
    return installedLibreOffice();
#else
    return QStandardPaths::findExecutable(QStringLiteral("soffice"));
#endif
}

QString libreOfficeMissingHint(const QString &purpose)
{
#ifdef Q_OS_WIN
    return QObject::tr("%1, which is not installed. Install LibreOffice from "
                       "https://www.libreoffice.org/download/, then try again.")
        .arg(purpose);
#else
    return QObject::tr("%1, which is not installed. On Debian or Ubuntu, install the package %2 "
                       "(sudo apt install %2), then try again.")
        .arg(purpose, QLatin1String(kLibreOfficePackage));
#endif
}

bool prepareLibreOfficeProfile(const QString &profile)
{
    // Until its profile records that this version has been seen, LibreOffice
    // draws about a hundred test pictures at every start (three quarters of a
    // start's time, ~1 GB of memory touched), and a headless start never
    // records it. Any version at or above the installed one will do; a high
    // one still does after LibreOffice is upgraded. The profile is ours alone.
    static const QByteArray item = QByteArrayLiteral(
        "<item oor:path=\"/org.openoffice.Setup/Product\"><prop oor:name=\"ooSetupLastVersion\" "
        "oor:op=\"fuse\"><value>99.9</value></prop></item>\n");
    static const QByteArray end = QByteArrayLiteral("</oor:items>");
    const QString path = profile + QStringLiteral("/user/registrymodifications.xcu");
    QByteArray text;
    if (QFile file(path); file.open(QIODevice::ReadOnly))
        text = file.readAll();
    if (text.contains("\"ooSetupLastVersion\""))
        return true;
    const qsizetype at = text.lastIndexOf(end);
    if (at < 0)
        text = QByteArrayLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                 "<oor:items xmlns:oor=\"http://openoffice.org/2001/registry\" "
                                 "xmlns:xs=\"http://www.w3.org/2001/XMLSchema\" "
                                 "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\">\n") +
               item + end + '\n';
    else
        text.insert(at, item);
    QSaveFile file(path);
    return QDir().mkpath(profile + QStringLiteral("/user")) && file.open(QIODevice::WriteOnly) &&
           file.write(text) == text.size() && file.commit();
}

PdfRendering::PdfRendering(QObject *parent) : QObject(parent)
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(m_timeout).count();
        m_endReason = tr("LibreOffice did not finish drawing “%1” within %2 seconds, so it was "
                         "stopped. The publication may be very large, or LibreOffice may be "
                         "stuck; try again, or open it in LibreOffice Draw yourself.")
                          .arg(displayName(m_publication))
                          .arg(seconds);
        killGroup();
    });
}

PdfRendering::~PdfRendering()
{
    discard();
}

QString PdfRendering::resolvedProgram() const
{
    return libreOfficeProgram(m_program);
}

QString PdfRendering::missingHint() const
{
    if (!resolvedProgram().isEmpty())
        return {};
    return libreOfficeMissingHint(tr("The pages are drawn by LibreOffice"));
}

void PdfRendering::start(const QString &publication)
{
    discard();
    m_publication = publication;
    m_endReason.clear();
    const QString program = resolvedProgram();
    if (program.isEmpty()) {
        const QString hint = missingHint();
        QTimer::singleShot(0, this, [this, hint] { emit finished(false, {}, hint); });
        return;
    }
    const QString base = m_workFolder.isEmpty() ? QDir::tempPath() : m_workFolder;
    m_temp = std::make_unique<QTemporaryDir>(base + QStringLiteral("/vantrelle-pages-XXXXXX"));
    const QString input = m_temp->filePath(QLatin1String(kInputName));
    if (!m_temp->isValid() || !QDir(m_temp->path()).mkdir(QStringLiteral("out")) ||
        !QFile::copy(publication, input)) {
        m_temp.reset();
        const QString message =
            tr("Cannot draw the pages of “%1”: the file cannot be read, or no temporary copy "
               "of it can be made in %2.")
                .arg(displayName(publication), QDir::toNativeSeparators(base));
        QTimer::singleShot(0, this, [this, message] { emit finished(false, {}, message); });
        return;
    }

    const QString profile = m_temp->filePath(QStringLiteral("profile"));
    prepareLibreOfficeProfile(profile);
    m_process = std::make_unique<QProcess>();
    // A group of its own, so a stop reaches every process LibreOffice starts.
    ownGroup(*m_process);
    m_process->setProgram(program);
    m_process->setArguments(
        {QStringLiteral("-env:UserInstallation=") + QUrl::fromLocalFile(profile).toString(),
         QStringLiteral("--headless"), QStringLiteral("--norestore"),
         QStringLiteral("--convert-to"), QStringLiteral("pdf"), QStringLiteral("--outdir"),
         m_temp->filePath(QStringLiteral("out")), input});
    m_process->setStandardInputFile(QProcess::nullDevice());
    m_process->setProcessChannelMode(QProcess::MergedChannels);
    connect(m_process.get(), &QProcess::finished, this, &PdfRendering::processEnded);
    connect(m_process.get(), &QProcess::errorOccurred, this, [this](QProcess::ProcessError e) {
        if (e == QProcess::FailedToStart)
            processEnded();
    });
    m_process->start();
    m_group = m_process->processId();
    m_timer.start(m_timeout);
}

void PdfRendering::stop()
{
    if (!m_process)
        return;
    m_endReason = tr("Drawing the pages of “%1” was stopped.").arg(displayName(m_publication));
    killGroup();
}

void PdfRendering::endProcess()
{
    m_timer.stop();
    killProcessGroup(m_group);
    // Waiting here keeps a stop synchronous: once it returns nothing runs.
    if (m_process && m_process->state() != QProcess::NotRunning)
        m_process->waitForFinished(kKillWaitMs);
}

void PdfRendering::killGroup()
{
    endProcess();
    if (m_process)
        processEnded(); // the process did not say it ended: end it all the same
}

void PdfRendering::discard()
{
    if (!m_process)
        return;
    m_process->disconnect(this);
    endProcess();
    m_group = 0;
    m_process.reset();
    m_temp.reset();
}

void PdfRendering::processEnded()
{
    if (!m_process)
        return;
    m_timer.stop();
    // LibreOffice may leave helpers behind when its first process ends.
    killProcessGroup(m_group);
    m_group = 0;
    const bool started = m_process->error() != QProcess::FailedToStart;
    const QByteArray output = started ? m_process->readAll() : QByteArray();
    const int exitCode = m_process->exitCode();
    const QString name = displayName(m_publication);

    QByteArray pdf;
    QFile file(m_temp->filePath(QStringLiteral("out/") + QLatin1String(kOutputName)));
    if (m_endReason.isEmpty() && file.open(QIODevice::ReadOnly))
        pdf = file.readAll();
    file.close();

    QString message = m_endReason;
    if (message.isEmpty() && !started)
        message = tr("LibreOffice could not be started to draw “%1”: %2")
                      .arg(name, m_process->errorString());
    if (message.isEmpty() && !pdf.startsWith("%PDF")) {
        pdf.clear();
        message = tr("LibreOffice could not draw “%1” (exit code %2).").arg(name).arg(exitCode);
        const QString said = lastLines(output);
        if (!said.isEmpty())
            message += tr(" It said: %1").arg(said);
    }
    finish(message.isEmpty(), pdf, message);
}

void PdfRendering::finish(bool ok, const QByteArray &pdf, const QString &message)
{
    // The process object may be the sender; it goes once control is back in the loop.
    m_process.release()->deleteLater();
    m_temp.reset();
    emit finished(ok, pdf, message);
}

} // namespace vantrelle
