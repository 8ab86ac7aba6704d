#include "widgets/changelist.h"

#include "run/reportformat.h"
#include "widgets/pagesview.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace vantrelle {

namespace {

// Dark enough to read on white; the part is bold and underlined as well, so
// colour is never the only sign.
constexpr char kBeforeColour[] = "#a31515";
constexpr char kAfterColour[] = "#0b6e0b";

QString html(QString text)
{
    text = text.toHtmlEscaped();
    text.replace(QLatin1Char('\n'), QStringLiteral("↵"));
    text.replace(QLatin1Char('\v'), QStringLiteral("↵"));
    return text;
}

QString contextHtml(const automation::ChangeContext &context, const char *colour)
{
    const QString part =
        context.text.isEmpty() ? QStringLiteral("<i>(nothing)</i>") : html(context.text);
    return QStringLiteral("%1<b><u><span style=\"color:%2\">%3</span></u></b>%4")
        .arg(html(context.lead), QLatin1String(colour), part, html(context.trail));
}

QString pairLabel(const PairResult &pair)
{
    return QStringLiteral("“%1” → “%2”").arg(pair.find, pair.replacement);
}

} // namespace

ChangeList::ChangeList(QWidget *parent) : QWidget(parent)
{
    m_filter = new QComboBox(this);
    m_filter->setAccessibleName(tr("Pair"));
    m_summary = new QLabel(this);
    m_summary->setWordWrap(true);
    m_list = new QTextBrowser(this);
    m_list->setOpenLinks(false);
    m_list->setTabChangesFocus(true);
    m_list->setAccessibleName(tr("Changes"));
    m_copy = new QPushButton(tr("Copy Changes as &Text"), this);
    m_copy->setObjectName(QStringLiteral("copyChanges"));
    m_pages = new QPushButton(this);
    connect(m_filter, &QComboBox::activated, this,
            [this](int index) { setPairFilter(m_filter->itemData(index).toInt()); });
    connect(m_copy, &QPushButton::clicked, this,
            [this] { QApplication::clipboard()->setText(text()); });
    connect(m_pages, &QPushButton::clicked, this, &ChangeList::showPages);

    auto *top = new QHBoxLayout;
    auto *show = new QLabel(tr("S&how:"), this);
    show->setBuddy(m_filter);
    top->addWidget(show);
    top->addWidget(m_filter, 1);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(m_copy);
    bottom->addStretch();
    bottom->addWidget(m_pages);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(top);
    layout->addWidget(m_summary);
    layout->addWidget(m_list, 1);
    layout->addLayout(bottom);
    setDocument({}, false);
}

void ChangeList::setDocument(const DocumentResult &document, bool preview)
{
    m_document = document;
    m_preview = preview;
    m_pair = -1;
    m_filter->clear();
    m_filter->addItem(tr("Every pair"), -1);
    for (qsizetype i = 0; i < document.pairs.size(); ++i)
        m_filter->addItem(pairLabel(document.pairs[i]), int(i));
    refresh();
    updatePagesButton();
}

void ChangeList::setPairFilter(int pair)
{
    m_pair = pair;
    m_filter->setCurrentIndex(m_filter->findData(pair));
    refresh();
}

QString ChangeList::text() const
{
    QStringList lines;
    for (qsizetype i = 0; i < m_document.pairs.size(); ++i) {
        if (m_pair >= 0 && m_pair != i)
            continue;
        for (const automation::Change &c : m_document.pairs[i].changes)
            lines << formatChange(c, false);
    }
    return lines.isEmpty() ? QString() : lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

void ChangeList::refresh()
{
    const QLocale locale;
    // A failed document's changes were made in memory only.
    const QString becomes = m_document.outcome == Outcome::Failed
                                ? tr("would have become (not written)")
                            : m_preview ? tr("would become")
                                        : tr("became");
    QStringList items;
    qint64 listed = 0;
    qint64 total = 0;
    for (qsizetype i = 0; i < m_document.pairs.size(); ++i) {
        if (m_pair >= 0 && m_pair != i)
            continue;
        const PairResult &pair = m_document.pairs[i];
        total += pair.replaced + pair.left;
        for (const automation::Change &c : pair.changes) {
            ++listed;
            // One arg() call: a find text may hold "%2" itself.
            QString item = QStringLiteral("<p><small>%1 · story %2, position %3</small><br>")
                               .arg(html(pairLabel(pair)), QString::number(c.story),
                                    QString::number(c.position));
            item += contextHtml(c.before, kBeforeColour);
            if (c.leftReason.isEmpty())
                item +=
                    QStringLiteral("<br>%1: ").arg(becomes) + contextHtml(c.after, kAfterColour);
            else
                item += QStringLiteral("<br><i>%1</i>")
                            .arg(html(tr("left unchanged: %1").arg(c.leftReason)));
            items << item + QStringLiteral("</p>");
        }
    }
    m_list->setHtml(items.join(QString()));
    if (total == 0)
        m_summary->setText(m_document.pairs.isEmpty() ? QString() : tr("Nothing was found."));
    else if (listed < total)
        m_summary->setText(tr("%1 of %2 occurrences are listed; the others were counted but not "
                              "listed, to keep long runs small.")
                               .arg(locale.toString(listed), locale.toString(total)));
    else
        m_summary->setText(total == 1 ? tr("1 occurrence.")
                                      : tr("%1 occurrences.").arg(locale.toString(total)));
    m_copy->setEnabled(listed > 0);
}

void ChangeList::setRenderProgram(const QString &program)
{
    m_program = program;
    updatePagesButton();
}

void ChangeList::updatePagesButton()
{
    PdfRendering probe;
    if (!m_program.isEmpty())
        probe.setProgram(m_program);
    const QString hint = probe.missingHint();
    const bool written = !m_preview && !m_document.output.isEmpty() &&
                         QFileInfo(m_document.output).isFile() &&
                         QFileInfo(m_document.source).isFile();
    m_pages->setEnabled(hint.isEmpty() && written);
    m_pages->setText(hint.isEmpty() ? tr("&Pages before and after")
                                    : tr("Pages before and after: install %1 first")
                                          .arg(QLatin1String(kLibreOfficePackage)));
    m_pages->setToolTip(!hint.isEmpty() ? hint
                        : written       ? tr("Draw the pages of the source and the result with "
                                                   "LibreOffice and show them side by side.")
                                        : tr("There is no result to look at: the run wrote none "
                                                   "for this document."));
}

void ChangeList::showPages()
{
    auto *dialog = new PagesDialog(m_document.source, m_document.output, window(), m_program);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
}

ChangesDialog::ChangesDialog(const DocumentResult &document, bool preview, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Changes in %1").arg(QFileInfo(document.source).fileName()));
    m_list = new ChangeList(this);
    m_list->setDocument(document, preview);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addWidget(buttons);
    // Room for long contexts, but never larger than the screen it opens on.
    const QSize room = screen()->availableGeometry().size() * 9 / 10;
    resize(QSize(900, 600).boundedTo(room));
}

} // namespace vantrelle
