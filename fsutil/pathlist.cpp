#include "fsutil/pathlist.h"
#include "fsutil/varint.h"

#include <algorithm>

namespace vantrelle {

namespace {

// Texts a block holds: enough that a block's first text, kept whole, costs
// little a text; few enough that finding one decodes little.
constexpr qsizetype kBlockTexts = 32;

bool fitsOneByte(const QString &text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x100; });
}

qsizetype sharedLength(const QString &a, const QString &b)
{
    const qsizetype n = std::min(a.size(), b.size());
    qsizetype k = 0;
    while (k < n && a[k] == b[k])
        ++k;
    return k;
}

void putText(QByteArray &bytes, bool wide, const QString &previous, const QString &text)
{
    const qsizetype shared = sharedLength(previous, text);
    varint::put(bytes, shared);
    varint::put(bytes, text.size() - shared);
    const QStringView rest = QStringView(text).mid(shared);
    if (wide)
        bytes.append(reinterpret_cast<const char *>(rest.utf16()), rest.size() * 2);
    else
        for (QChar c : rest)
            bytes.append(char(c.unicode()));
}

// Turns current (the text before) into the next text of a block; returns
// where the one after begins.
const char *nextText(const char *p, bool wide, QString &current)
{
    const qsizetype shared = qsizetype(varint::take(p));
    const qsizetype rest = qsizetype(varint::take(p));
    current.truncate(shared);
    if (wide) {
        current.append(reinterpret_cast<const QChar *>(p), rest);
        return p + rest * 2;
    }
    current.append(QLatin1String(p, rest));
    return p + rest;
}

} // namespace

PathList::PathList(std::initializer_list<QString> texts)
{
    for (const QString &t : texts)
        append(t);
}

PathList::PathList(const QStringList &texts)
{
    append(texts);
}

PathList::Block PathList::encode(const QStringList &texts)
{
    Block block;
    block.wide = !std::all_of(texts.begin(), texts.end(), fitsOneByte);
    QString previous;
    for (const QString &t : texts) {
        putText(block.bytes, block.wide, previous, t);
        previous = t;
    }
    block.count = int(texts.size());
    block.bytes.squeeze();
    return block;
}

QStringList PathList::decode(const Block &block)
{
    QStringList texts;
    QString current;
    const char *p = block.bytes.constData();
    const char *end = p + block.bytes.size();
    while (p < end) {
        p = nextText(p, block.wide, current);
        texts << current;
    }
    return texts;
}

qsizetype PathList::blockOf(qsizetype i) const
{
    Q_ASSERT(i >= 0 && i < size());
    return std::upper_bound(m_ends.begin(), m_ends.end(), i) - m_ends.begin();
}

QString PathList::at(qsizetype i) const
{
    const qsizetype b = blockOf(i);
    const Block &block = m_blocks[b];
    qsizetype k = i - blockStart(b);
    QString current;
    const char *p = block.bytes.constData();
    for (;; --k) {
        p = nextText(p, block.wide, current);
        if (k == 0)
            return current;
    }
}

QString PathList::const_iterator::operator*() const
{
    const qsizetype b = m_list->blockOf(m_index);
    if (b != m_block) {
        m_texts = decode(m_list->m_blocks[b]);
        m_block = b;
    }
    return m_texts[m_index - m_list->blockStart(b)];
}

QStringList PathList::toStringList() const
{
    QStringList texts;
    texts.reserve(size());
    for (const Block &block : m_blocks)
        texts += decode(block);
    return texts;
}

void PathList::append(const QString &text)
{
    const qsizetype b = m_blocks.size() - 1;
    if (b < 0 || m_blocks[b].count >= kBlockTexts) {
        if (b >= 0)
            m_blocks[b].bytes.squeeze();
        m_blocks.append(encode({text}));
        m_ends.append(size() + 1);
    } else if (m_blocks[b].wide || fitsOneByte(text)) {
        Block &block = m_blocks[b];
        putText(block.bytes, block.wide, m_last, text);
        ++block.count;
        ++m_ends[b];
    } else {
        m_blocks[b] = encode(decode(m_blocks[b]) << text);
        ++m_ends[b];
    }
    m_last = text;
}

void PathList::append(const QStringList &texts)
{
    for (const QString &t : texts)
        append(t);
}

void PathList::setBlock(qsizetype b, const QStringList &texts)
{
    const qsizetype from = b;
    m_blocks.removeAt(b);
    for (qsizetype k = 0; k < texts.size(); k += kBlockTexts)
        m_blocks.insert(b++, encode(texts.mid(k, kBlockTexts)));
    m_ends.resize(m_blocks.size());
    for (qsizetype k = from; k < m_blocks.size(); ++k)
        m_ends[k] = blockStart(k) + m_blocks[k].count;
    m_last = m_blocks.isEmpty() ? QString() : at(size() - 1);
}

void PathList::replace(qsizetype i, const QString &text)
{
    const qsizetype b = blockOf(i);
    QStringList texts = decode(m_blocks[b]);
    texts[i - blockStart(b)] = text;
    setBlock(b, texts);
}

void PathList::insert(qsizetype i, const QString &text)
{
    if (i >= size()) {
        append(text);
        return;
    }
    const qsizetype b = blockOf(i);
    QStringList texts = decode(m_blocks[b]);
    texts.insert(i - blockStart(b), text);
    setBlock(b, texts);
}

void PathList::removeAt(qsizetype i)
{
    const qsizetype b = blockOf(i);
    QStringList texts = decode(m_blocks[b]);
    texts.removeAt(i - blockStart(b));
    setBlock(b, texts);
}

void PathList::removeRows(const QList<qsizetype> &ascending)
{
    if (ascending.isEmpty())
        return;
    PathList kept;
    qsizetype next = 0;
    qsizetype i = 0;
    for (const QString &text : *this) {
        if (next < ascending.size() && ascending[next] == i)
            ++next;
        else
            kept.append(text);
        ++i;
    }
    *this = std::move(kept);
}

void PathList::clear()
{
    *this = PathList();
}

bool PathList::operator==(const PathList &other) const
{
    if (size() != other.size())
        return false;
    // Block by block, however each list happens to be cut into blocks.
    for (auto a = begin(), b = other.begin(); a != end(); ++a, ++b)
        if (*a != *b)
            return false;
    return true;
}

} // namespace vantrelle
