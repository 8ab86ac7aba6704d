#pragma once
// The pages of a source and its result, drawn by LibreOffice first (which
// can be stopped while it draws).
#include "render/pdfrendering.h"

#include <QByteArray>
#include <QDialog>
#include <QStringList>

class QLabel;
class QPushButton;

namespace vantrelle {

class PagesView;

// Draws a document's source and result with LibreOffice, then shows them in
// a PagesView, or where Qt has no PDF view, opens both in the system's PDF
// viewer. Closing or Stop ends LibreOffice at once.
class PagesDialog : public QDialog {
    Q_OBJECT
public:
    // program: the LibreOffice to start; empty finds it on PATH.
    PagesDialog(const QString &source, const QString &output, QWidget *parent = nullptr,
                const QString &program = {});

    // Null where the pages open in the system's PDF viewer instead.
    PagesView *view() const { return m_view; }
    // The two drawings given to the system's PDF viewer, once opened there.
    QStringList openedFiles() const { return m_opened; }
    // What the dialog says while drawing or when drawing failed.
    QString statusText() const;
    bool isDrawing() const { return m_rendering.isRunning(); }

signals:
    // Both sides are shown, or the drawing failed, stopped or cannot start.
    void drawingEnded(bool ok);

protected:
    void done(int result) override;

private:
    void drawNext(bool ok, const QByteArray &pdf, const QString &message);
    // Where there is no pages view: both drawings saved, opened in the viewer.
    bool openInViewer(const QByteArray &after);

    QString m_source;
    QString m_output;
    PdfRendering m_rendering;
    QByteArray m_before;
    bool m_drawingAfter = false;
    QLabel *m_status = nullptr;
    QPushButton *m_stop = nullptr;
    PagesView *m_view = nullptr;
    QStringList m_opened;
};

} // namespace vantrelle
