#include "render/pdfexport.h"

#include "fsutil/outputnames.h"
#include "render/pdfrendering.h"
#include "render/processgroup.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>

#include <algorithm>

namespace vantrelle {

namespace {

// Enough per start to pay LibreOffice's start-up once, short enough for a
// command line.
constexpr qsizetype kMaxBatch = 100;
constexpr int kKillWaitMs = 5000;

QString displayName(const QString &path)
{
    return QFileInfo(path).fileName();
}

// LibreOffice's converter names its output after its input: a plain name
// that still tells a reader of its log which document it is.
QString plainName(int index, const QString &source)
{
    QString base = QFileInfo(source).completeBaseName();
    for (QChar &c : base)
        if (!(c.unicode() < 128 && (c.isLetterOrNumber() || c == u'-' || c == u'_')))
            c = u'_';
    return QStringLiteral("%1-%2").arg(index + 1, 4, 10, QLatin1Char('0')).arg(base.left(40));
}

// A PDF ends with its end-of-file mark; one cut short by a killed process
// does not.
bool wholePdf(const QByteArray &bytes)
{
    const qsizetype end = bytes.lastIndexOf("%%EOF");
    return bytes.startsWith("%PDF-") && end >= 0 && end >= bytes.size() - 1024;
}

// " It said: …" with what LibreOffice wrote, or nothing when it wrote nothing.
QString saidText(const QStringList &said)
{
    const QString text = said.join(QLatin1Char(' ')).simplified();
    return text.isEmpty() ? QString() : QObject::tr(" It said: %1").arg(text);
}

// Copies a folder and everything below it; false when any of it fails.
bool copyTree(const QString &from, const QString &to)
{
    if (!QDir().mkpath(to))
        return false;
    QDirIterator it(from, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot | QDir::System,
                    QDirIterator::Subdirectories);
    const QDir source(from);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString target = QDir(to).filePath(source.relativeFilePath(path));
        const bool ok = it.fileInfo().isDir() ? QDir().mkpath(target) : QFile::copy(path, target);
        if (!ok)
            return false;
    }
    return true;
}

} // namespace

QString defaultProfileTemplate()
{
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    return cache.isEmpty() ? QString()
                           : cache + QStringLiteral("/vantrelle/libreoffice-pdf-profile");
}

QString pdfStateText(PdfState state)
{
    switch (state) {
    case PdfState::None:
        return {};
    case PdfState::Written:
        return QStringLiteral("written");
    case PdfState::Failed:
        return QStringLiteral("failed");
    case PdfState::NotReached:
        return QStringLiteral("not reached");
    }
    return {};
}

QString pdfExportMissingHint(const QString &program)
{
    if (!libreOfficeProgram(program).isEmpty())
        return {};
    return libreOfficeMissingHint(QObject::tr("PDFs are made by LibreOffice"));
}

struct PdfExport::Worker {
    int number = 0;
    std::unique_ptr<QProcess> process;
    qint64 group = 0;
    QTimer timer;
    // This start's jobs without an outcome yet, in the order converted.
    QList<int> batch;
    QByteArray partialLine;
    // What LibreOffice said since the last job settled, bar its progress lines.
    QStringList said;
    QString endReason;
};

PdfExport::PdfExport(QObject *parent) : QObject(parent)
{
}

PdfExport::~PdfExport()
{
    for (auto &worker : m_workers) {
        if (!worker->process)
            continue;
        worker->process->disconnect(this);
        endProcess(*worker);
    }
}

QString PdfExport::inputPath(int index) const
{
    return m_temp->filePath(QStringLiteral("in/") + plainName(index, m_list[index].source) +
                            QStringLiteral(".pub"));
}

QString PdfExport::outputPath(int index) const
{
    return m_temp->filePath(QStringLiteral("out/") + plainName(index, m_list[index].source) +
                            QStringLiteral(".pdf"));
}

void PdfExport::start(const QList<PdfJob> &jobs)
{
    m_list = jobs;
    m_results.clear();
    m_pending.clear();
    m_workers.clear();
    m_done = 0;
    m_running = true;
    m_stopping = false;
    // Two PDFs are one file where their folder says so (a USB stick ignores
    // letter case).
    const ResultNames names;
    QSet<QString> paths;
    for (const PdfJob &job : jobs) {
        PdfResult result;
        result.state = PdfState::NotReached;
        result.path = job.pdf;
        m_results << result;
    }

    const QString program = libreOfficeProgram(m_program);
    const QString base = m_workFolder.isEmpty() ? QDir::tempPath() : m_workFolder;
    if (!jobs.isEmpty() && !program.isEmpty()) {
        m_temp = std::make_unique<QTemporaryDir>(base + QStringLiteral("/vantrelle-pdf-XXXXXX"));
        if (!m_temp->isValid() || !QDir(m_temp->path()).mkpath(QStringLiteral("in")) ||
            !QDir(m_temp->path()).mkpath(QStringLiteral("out")))
            m_temp.reset();
    }
    for (int i = 0; i < jobs.size(); ++i) {
        const QString key = names.key(jobs[i].pdf);
        if (program.isEmpty())
            fail(i, pdfExportMissingHint(m_program));
        else if (!m_temp)
            fail(i, tr("No temporary folder can be made in %1 to convert “%2”.")
                        .arg(QDir::toNativeSeparators(base), displayName(jobs[i].source)));
        else if (paths.contains(key))
            fail(i, tr("Another result's PDF has the same name, %1; this one was not written.")
                        .arg(QDir::toNativeSeparators(jobs[i].pdf)));
        else
            m_pending << i;
        paths.insert(key);
    }
    const int workers = int(std::min<qsizetype>(m_jobs, m_pending.size()));
    for (int w = 0; w < workers; ++w) {
        auto worker = std::make_unique<Worker>();
        worker->number = w;
        worker->timer.setSingleShot(true);
        Worker *self = worker.get();
        connect(&worker->timer, &QTimer::timeout, this, [this, self] { timedOut(*self); });
        m_workers.push_back(std::move(worker));
    }
    // finished() must not come before the caller is back from start().
    QTimer::singleShot(0, this, [this] {
        dispatch();
        finishIfDone();
    });
}

QList<PdfResult> PdfExport::run(const QList<PdfJob> &jobs)
{
    QEventLoop loop;
    connect(this, &PdfExport::finished, &loop, &QEventLoop::quit);
    start(jobs);
    loop.exec();
    return m_results;
}

void PdfExport::stop()
{
    if (!m_running || m_stopping)
        return;
    m_stopping = true;
    for (auto &worker : m_workers) {
        if (!worker->process)
            continue;
        worker->endReason = tr("stopped");
        endProcess(*worker);
        processEnded(*worker);
    }
    m_pending.clear();
    finishIfDone();
}

void PdfExport::dispatch()
{
    if (m_stopping)
        return;
    qsizetype idle = 0;
    for (const auto &worker : m_workers)
        idle += worker->process ? 0 : 1;
    for (auto &worker : m_workers) {
        if (worker->process || m_pending.isEmpty() || idle == 0)
            continue;
        // An equal share for each process waiting, so all start at once.
        const qsizetype share = std::min(kMaxBatch, (m_pending.size() + idle - 1) / idle);
        --idle;
        worker->batch = m_pending.mid(0, share);
        m_pending.remove(0, share);
        startWorker(*worker);
    }
}

void PdfExport::startWorker(Worker &worker)
{
    QStringList inputs;
    QList<int> batch;
    for (const int index : std::as_const(worker.batch)) {
        QFile::remove(inputPath(index));
        QFile::remove(outputPath(index));
        // A copy: LibreOffice leaves lock files beside what it opens.
        if (!QFile::copy(m_list[index].source, inputPath(index))) {
            fail(index, tr("“%1” cannot be read, or no temporary copy of it can be made.")
                            .arg(QDir::toNativeSeparators(m_list[index].source)));
            continue;
        }
        batch << index;
        inputs << inputPath(index);
    }
    worker.batch = batch;
    worker.said.clear();
    worker.partialLine.clear();
    worker.endReason.clear();
    if (batch.isEmpty()) {
        dispatch();
        return;
    }

    worker.process = std::make_unique<QProcess>();
    QProcess &process = *worker.process;
    // A group of its own, so ending it reaches every process LibreOffice starts.
    ownGroup(process);
    process.setProgram(libreOfficeProgram(m_program));
    const QString profile = m_temp->filePath(QStringLiteral("profile-%1").arg(worker.number));
    // A half-copied profile is worse than none: LibreOffice makes a new one.
    if (!m_profileTemplate.isEmpty() && !QFileInfo::exists(profile) &&
        QFileInfo(m_profileTemplate).isDir() && !copyTree(m_profileTemplate, profile))
        QDir(profile).removeRecursively();
    prepareLibreOfficeProfile(profile);
    process.setArguments(QStringList{QStringLiteral("-env:UserInstallation=") +
                                         QUrl::fromLocalFile(profile).toString(),
                                     QStringLiteral("--headless"), QStringLiteral("--norestore"),
                                     QStringLiteral("--convert-to"), QStringLiteral("pdf"),
                                     QStringLiteral("--outdir"),
                                     m_temp->filePath(QStringLiteral("out"))} +
                         inputs);
    process.setStandardInputFile(QProcess::nullDevice());
    process.setProcessChannelMode(QProcess::MergedChannels);
    Worker *self = &worker;
    connect(&process, &QProcess::readyRead, this, [this, self] { readOutput(*self); });
    connect(&process, &QProcess::finished, this, [this, self] { processEnded(*self); });
    connect(&process, &QProcess::errorOccurred, this, [this, self](QProcess::ProcessError e) {
        if (e == QProcess::FailedToStart)
            processEnded(*self);
    });
    process.start();
    worker.group = process.processId();
    worker.timer.start(m_timeout);
    emit converting(batch.first());
}

void PdfExport::readOutput(Worker &worker)
{
    if (!worker.process)
        return;
    worker.partialLine += worker.process->readAll();
    qsizetype end = 0;
    while ((end = worker.partialLine.indexOf('\n')) >= 0) {
        const QString line = QString::fromLocal8Bit(worker.partialLine.left(end)).trimmed();
        worker.partialLine.remove(0, end + 1);
        // Each document gives a line, so the time limit counts per document.
        worker.timer.start(m_timeout);
        if (line.isEmpty() || line.contains(QLatin1String("javaldx")))
            continue;
        if (!line.startsWith(QLatin1String("convert "))) {
            worker.said << line;
            continue;
        }
        // "convert IN -> OUT": IN is loaded, so everything before it is done.
        for (qsizetype k = 0; k < worker.batch.size(); ++k) {
            if (!line.contains(inputPath(worker.batch[k]) + QLatin1Char(' ')))
                continue;
            settle(worker, k, {});
            if (!worker.batch.isEmpty())
                emit converting(worker.batch.first());
            break;
        }
    }
}

void PdfExport::timedOut(Worker &worker)
{
    if (!worker.process || worker.batch.isEmpty())
        return;
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(m_timeout).count();
    worker.endReason = tr("LibreOffice did not finish within %1 seconds, so it was stopped; the "
                          "publication may be very large, or LibreOffice stuck on it.")
                           .arg(seconds);
    endProcess(worker);
    processEnded(worker);
}

void PdfExport::endProcess(Worker &worker)
{
    worker.timer.stop();
    // The caller settles the batch; the process must not end it a second time.
    if (worker.process)
        worker.process->disconnect(this);
    killProcessGroup(worker.group);
    // Waiting here keeps a stop synchronous: once it returns nothing runs.
    if (worker.process && worker.process->state() != QProcess::NotRunning)
        worker.process->waitForFinished(kKillWaitMs);
}

void PdfExport::processEnded(Worker &worker)
{
    if (!worker.process)
        return;
    worker.timer.stop();
    // LibreOffice may leave helpers behind when its first process ends.
    killProcessGroup(worker.group);
    worker.group = 0;
    std::unique_ptr<QProcess> process = std::move(worker.process);
    process->disconnect(this);
    const bool started = process->error() != QProcess::FailedToStart;
    if (started) {
        worker.partialLine += process->readAll() + '\n';
        worker.process.swap(process);
        readOutput(worker);
        worker.process.swap(process);
    }
    const bool clean = started && worker.endReason.isEmpty() &&
                       process->exitStatus() == QProcess::NormalExit && process->exitCode() == 0;

    if (!started) {
        const QString reason =
            tr("LibreOffice could not be started: %1").arg(process->errorString());
        settle(worker, worker.batch.size(), reason);
        for (const int index : std::as_const(m_pending))
            fail(index, reason);
        m_pending.clear();
    } else if (clean) {
        settle(worker, worker.batch.size(), {});
    } else {
        // Whatever was whole before the end stays; the document it ended on
        // is reported, and the rest go to the next start.
        qsizetype whole = 0;
        while (whole < worker.batch.size()) {
            QFile out(outputPath(worker.batch[whole]));
            if (!out.open(QIODevice::ReadOnly) || !wholePdf(out.readAll()))
                break;
            ++whole;
        }
        settle(worker, whole, {});
        // Documents it could not load came before the one it ended on.
        if (!m_stopping) {
            const qsizetype refused =
                worker.said.filter(QLatin1String("could not be loaded")).size();
            settle(worker, std::min(refused, worker.batch.size() - 1), {});
        }
        if (m_stopping) {
            worker.batch.clear();
        } else if (!worker.batch.isEmpty()) {
            QString reason = worker.endReason;
            if (reason.isEmpty()) {
                reason = process->exitStatus() == QProcess::CrashExit
                             ? tr("LibreOffice crashed.")
                             : tr("LibreOffice ended with exit code %1.").arg(process->exitCode());
                reason += saidText(worker.said);
            }
            fail(worker.batch.takeFirst(), reason);
            m_pending = worker.batch + m_pending;
            worker.batch.clear();
        }
    }
    worker.said.clear();
    // The process may be the sender; it goes once control is back in the loop.
    process.release()->deleteLater();
    dispatch();
    finishIfDone();
}

void PdfExport::settle(Worker &worker, qsizetype count, const QString &message)
{
    const QString reason = message.isEmpty()
                               ? tr("LibreOffice could not convert it.") + saidText(worker.said)
                               : message;
    for (qsizetype k = 0; k < count && !worker.batch.isEmpty(); ++k)
        settleOne(worker.batch.takeFirst(), reason);
    worker.said.clear();
}

void PdfExport::settleOne(int index, const QString &message)
{
    QFile out(outputPath(index));
    const QByteArray bytes = out.open(QIODevice::ReadOnly) ? out.readAll() : QByteArray();
    out.close();
    QFile::remove(inputPath(index));
    QFile::remove(outputPath(index));
    if (!wholePdf(bytes)) {
        fail(index, message);
        return;
    }
    // Whole or nothing: a failed write leaves what was there.
    QSaveFile file(m_list[index].pdf);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        fail(index, tr("The PDF could not be written to %1: %2")
                        .arg(QDir::toNativeSeparators(m_list[index].pdf), file.errorString()));
        return;
    }
    m_results[index].state = PdfState::Written;
    ++m_done;
    emit documentDone(index);
}

void PdfExport::fail(int index, const QString &message)
{
    if (m_temp)
        QFile::remove(outputPath(index));
    m_results[index].state = PdfState::Failed;
    m_results[index].message = message;
    ++m_done;
    emit documentDone(index);
}

void PdfExport::finishIfDone()
{
    if (!m_running || !m_pending.isEmpty())
        return;
    for (const auto &worker : m_workers)
        if (worker->process)
            return;
    m_running = false;
    keepProfile();
    m_temp.reset();
    emit finished();
}

void PdfExport::keepProfile()
{
    // Only a profile LibreOffice made a PDF with is worth keeping.
    const bool wrote = std::any_of(m_results.begin(), m_results.end(),
                                   [](const PdfResult &r) { return r.state == PdfState::Written; });
    if (!m_temp || !wrote || m_profileTemplate.isEmpty() || QFileInfo::exists(m_profileTemplate))
        return;
    const QString profile = m_temp->filePath(QStringLiteral("profile-0"));
    // Copied beside it and renamed, so another export never sees half of it.
    const QString partial =
        m_profileTemplate + QStringLiteral(".part-%1").arg(QCoreApplication::applicationPid());
    if (!QFileInfo(profile).isDir() || !copyTree(profile, partial) ||
        !QDir().rename(partial, m_profileTemplate))
        QDir(partial).removeRecursively();
}

} // namespace vantrelle
