#pragma once
// The file dialog the handlers work with: set the file name, title, filter and
// flags, show it for opening or saving, then read the file name back. Shown
// through the dialogs seam, so tests answer it with a double.
#include "fsutil/failure.h"

#include <QObject>
#include <QString>

namespace vantrelle {

class Dialogs;

// Flag bits the callers pass.
inline constexpr int kOFNReadOnly = 0x1;
inline constexpr int kOFNAllowMultiselect = 0x200;
inline constexpr int kOFNExplorer = 0x80000;
inline constexpr int kOFNLongNames = 0x200000;

// Error number of a choice whose names do not fit the file name buffer.
inline constexpr int kCdlBufferTooSmall = 20476;

class CommonDialogError : public Failure {
public:
    CommonDialogError(int number, const char *description) : Failure(description), m_number(number)
    {
    }
    int number() const { return m_number; }

private:
    int m_number;
};

class CommonDialog : public QObject {
    Q_OBJECT
public:
    explicit CommonDialog(Dialogs &dialogs, QObject *parent = nullptr);

    // Read back after a show: empty after a cancel; one chosen file is its full
    // path; several are the folder, then each name, separated by NUL characters.
    QString FileName;
    QString DialogTitle;
    // "Description|pattern|Description|pattern|"
    QString Filter;
    int Flags = 0;
    // The folder the dialog starts in; empty for the current one.
    QString InitDir;
    // Characters the file name buffer holds, the terminating NULs included.
    int MaxFileSize = 32767;

    // Modal; a cancel is no failure. Throws CommonDialogError (20476) when the
    // chosen names do not fit MaxFileSize.
    void ShowOpen();
    void ShowSave();

private:
    Dialogs &m_dialogs;
};

// The file name text for the chosen paths, as the dialog reports them.
QString commonDialogFileName(const QStringList &paths);

} // namespace vantrelle
