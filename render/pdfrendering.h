#pragma once
// A publication drawn as PDF by LibreOffice: headless, in a throw-away
// profile so a LibreOffice the user has open is never touched, on a copy so
// no lock file lands beside the user's file, with a time limit and a stop.
// Every temporary file goes when the drawing ends, however it ends.
#include <QByteArray>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QTimer>

#include <chrono>
#include <memory>

class QTemporaryDir;

namespace vantrelle {

#ifdef Q_OS_WIN
// What to install on Windows: LibreOffice itself (libreoffice.org).
inline constexpr char kLibreOfficePackage[] = "LibreOffice";
#else
// The Debian package that brings LibreOffice's publication import and PDF export.
inline constexpr char kLibreOfficePackage[] = "libreoffice-draw";
#endif

// "soffice" as found on PATH, or program when given; empty when it cannot be
// started.
QString libreOfficeProgram(const QString &program = {});
// How to get LibreOffice, after purpose ("The pages are drawn by LibreOffice").
QString libreOfficeMissingHint(const QString &purpose);
// Readies a private LibreOffice profile folder (new or copied) so that a
// headless start skips work meant for a first start after an upgrade; false
// when its settings file cannot be written (LibreOffice then starts slower,
// nothing worse).
bool prepareLibreOfficeProfile(const QString &profile);

class PdfRendering : public QObject {
    Q_OBJECT
public:
    explicit PdfRendering(QObject *parent = nullptr);
    // Stops a drawing still under way, without emitting finished().
    ~PdfRendering() override;

    // The program started; "soffice" found on PATH unless set.
    void setProgram(const QString &program) { m_program = program; }
    void setTimeout(std::chrono::milliseconds timeout) { m_timeout = timeout; }
    // Where the temporary folder goes; the system's temporary folder unless set.
    void setWorkFolder(const QString &folder) { m_workFolder = folder; }

    // Empty when LibreOffice can be started; otherwise how to get it.
    QString missingHint() const;

    // Starts drawing the publication; finished() follows exactly once, also
    // when LibreOffice is missing. A drawing already under way is stopped.
    void start(const QString &publication);
    // Ends the drawing: LibreOffice and everything it started are killed.
    void stop();
    bool isRunning() const { return m_process != nullptr; }

signals:
    // ok: pdf holds the drawing. Otherwise message says what went wrong.
    void finished(bool ok, const QByteArray &pdf, const QString &message);

private:
    QString resolvedProgram() const;
    void processEnded();
    // Kills the group and waits for the process; killGroup() then reports.
    void endProcess();
    void killGroup();
    // Ends a drawing under way without a word.
    void discard();
    void finish(bool ok, const QByteArray &pdf, const QString &message);

    QString m_program;
    QString m_workFolder;
    std::chrono::milliseconds m_timeout{std::chrono::minutes(3)};
    QString m_publication;
    std::unique_ptr<QTemporaryDir> m_temp;
    std::unique_ptr<QProcess> m_process;
    qint64 m_group = 0;
    QTimer m_timer;
    QString m_endReason;
};

} // namespace vantrelle
