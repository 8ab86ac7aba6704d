#include "widgets/changelist.h"

#include "run/plan.h"
#include "run/reportformat.h"
#include "widgets/pagesdialog.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyledItemDelegate>
#include <QTextDocument>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace vantrelle {

namespace {

// Dark enough to read on white; the part is bold and underlined as well, so
// colour is never the only sign.
constexpr char kBeforeColour[] = "#a31515";
constexpr char kAfterColour[] = "#0b6e0b";
// A change that cannot be made as the ticks stand.
constexpr char kDimColour[] = "#808080";
// On a change's item: its pair, and its place in the review's list of that
// pair (-1 when it cannot be chosen: left, or in a link or a property).
constexpr int kPairRole = Qt::UserRole + 2;
constexpr int kChoiceRole = Qt::UserRole + 3;
// Its place in its pair's list of changes.
constexpr int kChangeRole = Qt::UserRole + 4;

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

QString contextText(const automation::ChangeContext &context)
{
    return context.lead + context.text + context.trail;
}

QString pairLabel(const PairResult &pair)
{
    return QStringLiteral("“%1” → “%2”").arg(pair.find, pair.replacement);
}

// Items drawn from their HTML, wrapped to the view's width.
class RichTextDelegate : public QStyledItemDelegate {
public:
    explicit RichTextDelegate(QTreeWidget *view) : QStyledItemDelegate(view), m_view(view) {}

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        const QString text = index.data(ChangeList::kHtmlRole).toString();
        if (text.isEmpty()) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        opt.text.clear();
        QStyle *style = opt.widget ? opt.widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, opt.widget);
        const QRect area = style->subElementRect(QStyle::SE_ItemViewItemText, &opt, opt.widget);
        QTextDocument doc;
        doc.setDefaultFont(opt.font);
        doc.setHtml(text);
        doc.setTextWidth(area.width());
        QAbstractTextDocumentLayout::PaintContext context;
        context.palette = opt.palette;
        if (opt.state & QStyle::State_Selected)
            context.palette.setColor(
                QPalette::Text, opt.palette.color(QPalette::Active, QPalette::HighlightedText));
        painter->save();
        painter->translate(area.topLeft());
        painter->setClipRect(QRect(QPoint(), area.size()));
        doc.documentLayout()->draw(painter, context);
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const QString text = index.data(ChangeList::kHtmlRole).toString();
        if (text.isEmpty())
            return QStyledItemDelegate::sizeHint(option, index);
        int depth = 1;
        for (QModelIndex p = index.parent(); p.isValid(); p = p.parent())
            ++depth;
        // Room for the indentation and a check box.
        const int width = m_view->viewport()->width() - depth * m_view->indentation() -
                          2 * option.fontMetrics.height();
        QTextDocument doc;
        doc.setDefaultFont(option.font);
        doc.setHtml(text);
        doc.setTextWidth(std::max(width, 200));
        return {int(doc.idealWidth()), int(doc.size().height()) + 2};
    }

private:
    QTreeWidget *m_view;
};

// Rows wrap at the view's width, so they are measured again when it changes.
class RelayoutOnResize : public QObject {
public:
    explicit RelayoutOnResize(QTreeWidget *view) : QObject(view), m_view(view)
    {
        view->viewport()->installEventFilter(this);
    }
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Resize)
            m_view->doItemsLayout();
        return false;
    }

private:
    QTreeWidget *m_view;
};

} // namespace

ChangeList::ChangeList(QWidget *parent) : QWidget(parent)
{
    m_filter = new QComboBox(this);
    m_filter->setAccessibleName(tr("Pair"));
    m_summary = new QLabel(this);
    m_summary->setWordWrap(true);
    m_tree = new QTreeWidget(this);
    m_tree->setObjectName(QStringLiteral("changeTree"));
    m_tree->setHeaderHidden(true);
    m_tree->setColumnCount(1);
    m_tree->setUniformRowHeights(false);
    m_tree->setWordWrap(true);
    m_tree->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_tree->setItemDelegate(new RichTextDelegate(m_tree));
    new RelayoutOnResize(m_tree);
    m_tree->setAccessibleName(tr("Changes"));
    m_tree->setContextMenuPolicy(Qt::CustomContextMenu);
    m_copy = new QPushButton(tr("Copy Changes as &Text"), this);
    m_copy->setObjectName(QStringLiteral("copyChanges"));
    m_tick = new QPushButton(tr("T&ick or Untick"), this);
    m_tick->setObjectName(QStringLiteral("tickMenu"));
    m_tickMenu = new QMenu(m_tick);
    m_tick->setMenu(m_tickMenu);
    m_pages = new QPushButton(this);
    connect(m_filter, &QComboBox::activated, this,
            [this](int index) { setPairFilter(m_filter->itemData(index).toInt()); });
    connect(m_copy, &QPushButton::clicked, this,
            [this] { QApplication::clipboard()->setText(text()); });
    connect(m_pages, &QPushButton::clicked, this, &ChangeList::showPages);
    connect(m_tree, &QTreeWidget::itemChanged, this, &ChangeList::itemTicked);
    connect(m_tickMenu, &QMenu::aboutToShow, this, &ChangeList::fillTickMenu);
    connect(m_tree, &QWidget::customContextMenuRequested, this, [this](const QPoint &at) {
        if (m_tick->isVisible())
            m_tickMenu->popup(m_tree->viewport()->mapToGlobal(at));
    });

    auto *top = new QHBoxLayout;
    auto *show = new QLabel(tr("S&how:"), this);
    show->setBuddy(m_filter);
    top->addWidget(show);
    top->addWidget(m_filter, 1);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(m_copy);
    bottom->addWidget(m_tick);
    bottom->addStretch();
    bottom->addWidget(m_pages);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(top);
    layout->addWidget(m_summary);
    layout->addWidget(m_tree, 1);
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

void ChangeList::setReview(Review *review)
{
    m_review = review;
    refresh();
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
        for (const automation::Change &c : m_document.pairs[i].changes) {
            const QString fit = fitMark(c);
            lines << (fit.isEmpty() ? formatChange(c, false)
                                    : formatChange(c, false) + QStringLiteral(" ") + fit);
        }
    }
    return lines.isEmpty() ? QString() : lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

ReviewedDocument *ChangeList::reviewed() const
{
    if (!m_review || !m_preview)
        return nullptr;
    const auto it = m_review->find(m_document.source);
    return it == m_review->end() ? nullptr : &*it;
}

QString ChangeList::fitMark(const automation::Change &change) const
{
    if (!change.place.isEmpty() || !change.leftReason.isEmpty())
        return {};
    for (const automation::FitNote &note : m_document.fit)
        if (note.story == change.story && note.verdict == automation::FitVerdict::Overflows)
            return tr("⚠ the text no longer fits its box: %1").arg(note.reason);
        else if (note.story == change.story && note.verdict == automation::FitVerdict::MayOverflow)
            return tr("⚠ the text may no longer fit its box: %1").arg(note.reason);
    return {};
}

void ChangeList::refresh()
{
    const QLocale locale;
    ReviewedDocument *review = reviewed();
    // The listing is the count's own only while the source is unchanged.
    if (review && review->pairs.size() != m_document.pairs.size())
        review = nullptr;
    for (qsizetype i = 0; review && i < m_document.pairs.size(); ++i) {
        qsizetype k = 0;
        for (const automation::Change &c : m_document.pairs[i].changes) {
            if (!inStory(c))
                continue;
            const QList<automation::ChosenChange> &chosen = review->pairs[i];
            if (k >= chosen.size() || chosen[k].story != c.story ||
                chosen[k].position != c.position || chosen[k].found != c.before.text ||
                chosen[k].within != c.within) {
                review = nullptr;
                break;
            }
            ++k;
        }
    }
    m_choices = review;
    m_dependents = false;
    for (qsizetype i = 0; review && i < review->pairs.size(); ++i)
        for (const automation::ChosenChange &c : review->pairs[i])
            m_dependents = m_dependents || c.parentPair >= 0;
    m_filling = true;
    m_tree->clear();
    qint64 listed = 0;
    qint64 total = 0;
    qint64 ticked = 0;
    qint64 choices = 0;
    for (qsizetype i = 0; i < m_document.pairs.size(); ++i) {
        if (m_pair >= 0 && m_pair != i)
            continue;
        const PairResult &pair = m_document.pairs[i];
        total += pair.replaced + pair.left;
        if (pair.changes.isEmpty())
            continue;
        auto *group = new QTreeWidgetItem(m_tree);
        group->setText(0, tr("%1: %2").arg(pairLabel(pair), tr("%Ln occurrence(s)", nullptr,
                                                               int(pair.changes.size()))));
        group->setData(0, kPairRole, int(i));
        group->setData(0, kChoiceRole, -1);
        qsizetype k = 0;
        for (qsizetype j = 0; j < pair.changes.size(); ++j) {
            const automation::Change &c = pair.changes[j];
            ++listed;
            auto *row = new QTreeWidgetItem(group);
            row->setData(0, kPairRole, int(i));
            row->setData(0, kChangeRole, int(j));
            const bool choice = review && choosable(c);
            row->setData(0, kChoiceRole, choice ? int(k) : -1);
            if (choice) {
                const bool apply = review->pairs[i][k].apply;
                row->setFlags(row->flags() | Qt::ItemIsUserCheckable);
                row->setCheckState(0, apply ? Qt::Checked : Qt::Unchecked);
                ++choices;
                ticked += apply;
            }
            showRow(row);
            if (inStory(c))
                ++k;
        }
        if (choices > 0)
            group->setFlags(group->flags() | Qt::ItemIsUserCheckable | Qt::ItemIsAutoTristate);
        group->setExpanded(true);
    }
    m_filling = false;
    if (total == 0)
        m_summary->setText(m_document.pairs.isEmpty() ? QString() : tr("Nothing was found."));
    else if (listed < total)
        m_summary->setText(tr("%1 of %2 occurrences are listed; the others were counted but not "
                              "listed, to keep long runs small.")
                               .arg(locale.toString(listed), locale.toString(total)));
    else if (choices > 0)
        m_summary->setText(tickedText(ticked, choices));
    else
        m_summary->setText(tr("%Ln occurrence(s).", nullptr, int(total)));
    m_copy->setEnabled(listed > 0);
    m_tick->setVisible(reviewed() != nullptr);
    m_tick->setEnabled(choices > 0);
}

void ChangeList::showRow(QTreeWidgetItem *row)
{
    const int i = row->data(0, kPairRole).toInt();
    const int k = row->data(0, kChoiceRole).toInt();
    const automation::Change &c = m_document.pairs[i].changes[row->data(0, kChangeRole).toInt()];
    // A failed document's changes were made in memory only.
    const QString becomes = m_document.outcome == Outcome::Failed
                                ? tr("would have become (not written)")
                            : m_preview ? tr("would become")
                                        : tr("became");
    const QString where = changePlaceText(c);
    QString item = QStringLiteral("<small>%1</small><br>").arg(html(where));
    QString plain = where + QStringLiteral(": ") + contextText(c.before);
    const automation::ChosenChange *choice =
        m_choices && k >= 0 ? &m_choices->pairs[i][k] : nullptr;
    // Found in the new text of a change that is not ticked: it goes with it.
    const bool orphan = choice && choice->apply && !isMade(*m_choices, i, k);
    QString left = c.leftReason;
    if (orphan) {
        const automation::ChosenChange &parent =
            m_choices->pairs[choice->parentPair][choice->parentIndex];
        left = tr("it was found in the text of the change at story %1, character %2, which is "
                  "not ticked")
                   .arg(parent.story + 1)
                   .arg(parent.position + 1);
    }
    item += contextHtml(c.before, orphan ? kDimColour : kBeforeColour);
    if (choice && !choice->apply) {
        item += QStringLiteral("<br>%1: ").arg(tr("stays")) + contextHtml(c.before, kBeforeColour);
        plain += QStringLiteral(", %1: ").arg(tr("stays")) + contextText(c.before);
    } else if (left.isEmpty()) {
        item += QStringLiteral("<br>%1: ").arg(becomes) + contextHtml(c.after, kAfterColour);
        plain += QStringLiteral(", %1: ").arg(becomes) + contextText(c.after);
    } else {
        const QString text = tr("left unchanged: %1").arg(left);
        item += QStringLiteral("<br><i>%1</i>").arg(html(text));
        plain += QStringLiteral(", ") + text;
    }
    if (const QString fit = fitMark(c); !fit.isEmpty()) {
        item += QStringLiteral("<br><b>%1</b>").arg(html(fit));
        plain += QStringLiteral(", ") + fit;
    }
    if (orphan)
        item = QStringLiteral("<span style=\"color:%1\">%2</span>").arg(QLatin1String(kDimColour), item);
    row->setText(0, plain);
    row->setData(0, kHtmlRole, item);
    row->setFlags(orphan ? row->flags() & ~Qt::ItemIsEnabled : row->flags() | Qt::ItemIsEnabled);
}

void ChangeList::itemTicked(QTreeWidgetItem *item)
{
    ReviewedDocument *review = reviewed();
    const int k = item->data(0, kChoiceRole).toInt();
    if (m_filling || !review || k < 0 || review != m_choices)
        return;
    review->pairs[item->data(0, kPairRole).toInt()][k].apply = item->checkState(0) == Qt::Checked;
    // The rows in place, so the focus stays where the user is: a tick may
    // dim or bring back the changes found in its new text, where there are
    // any (a group's tick comes here once for each of its changes).
    qint64 ticked = 0;
    qint64 choices = 0;
    m_filling = true;
    for (int g = 0; g < m_tree->topLevelItemCount(); ++g) {
        const QTreeWidgetItem *group = m_tree->topLevelItem(g);
        for (int c = 0; c < group->childCount(); ++c) {
            QTreeWidgetItem *change = group->child(c);
            if (m_dependents || change == item)
                showRow(change);
            if (change->flags() & Qt::ItemIsUserCheckable) {
                ++choices;
                ticked += change->checkState(0) == Qt::Checked;
            }
        }
    }
    m_filling = false;
    m_summary->setText(tickedText(ticked, choices));
    emit ticksChanged();
}

QString ChangeList::tickedText(qint64 ticked, qint64 choices)
{
    const QLocale locale;
    return tr("%1 of %2 changes ticked: “Write the Ticked Changes” replaces these and leaves the "
              "others.")
        .arg(locale.toString(ticked), locale.toString(choices));
}

int ChangeList::currentPair() const
{
    if (m_pair >= 0)
        return m_pair;
    const QTreeWidgetItem *item = m_tree->currentItem();
    return item ? item->data(0, kPairRole).toInt() : -1;
}

void ChangeList::fillTickMenu()
{
    m_tickMenu->clear();
    const QString name = QFileInfo(m_document.source).fileName();
    m_tickMenu->addAction(tr("&Tick Every Change in %1").arg(name), this,
                          [this] { tickDocument(-1, true); });
    m_tickMenu->addAction(tr("&Untick Every Change in %1").arg(name), this,
                          [this] { tickDocument(-1, false); });
    const int pair = currentPair();
    if (pair < 0 || pair >= m_document.pairs.size())
        return;
    const QString label = pairLabel(m_document.pairs[pair]);
    m_tickMenu->addSeparator();
    m_tickMenu->addAction(tr("Tick %1 in E&very Document").arg(label), this,
                          [this, pair] { tickPairEverywhere(pair, true); });
    m_tickMenu->addAction(tr("Untick %1 in Every &Document").arg(label), this,
                          [this, pair] { tickPairEverywhere(pair, false); });
}

void ChangeList::tickDocument(int pair, bool tick)
{
    ReviewedDocument *review = reviewed();
    if (!review)
        return;
    for (qsizetype i = 0; i < review->pairs.size(); ++i) {
        if (pair >= 0 && pair != i)
            continue;
        for (automation::ChosenChange &c : review->pairs[i])
            c.apply = tick;
    }
    refresh();
    emit ticksChanged();
}

void ChangeList::tickPairEverywhere(int pair, bool tick)
{
    if (!reviewed())
        return;
    for (ReviewedDocument &document : *m_review) {
        if (pair < document.pairs.size())
            for (automation::ChosenChange &c : document.pairs[pair])
                c.apply = tick;
    }
    refresh();
    emit ticksChanged();
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
