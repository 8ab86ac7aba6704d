#pragma once
// A list of path texts in little memory. A run may hold a hundred thousand
// documents, and the paths of one folder tree share most of their text: each
// text is stored as the length it shares with the one before it and the rest,
// in blocks of a few dozen, one byte a character where every character of the
// block fits (two otherwise). That is about a tenth of a QStringList's cost,
// and nothing is lost: any QString comes back as it went in.
//
// Copies share their storage until one is changed; a const list may be read
// from several threads at once.
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <initializer_list>

namespace vantrelle {

class PathList {
public:
    PathList() = default;
    PathList(std::initializer_list<QString> texts);
    explicit PathList(const QStringList &texts);

    qsizetype size() const { return m_ends.isEmpty() ? 0 : m_ends.last(); }
    bool isEmpty() const { return size() == 0; }
    // 0-based.
    QString at(qsizetype i) const;
    QString operator[](qsizetype i) const { return at(i); }
    QStringList toStringList() const;

    void append(const QString &text);
    void append(const QStringList &texts);
    PathList &operator<<(const QString &text)
    {
        append(text);
        return *this;
    }
    void replace(qsizetype i, const QString &text);
    // Before the text at i; at size() it appends.
    void insert(qsizetype i, const QString &text);
    void removeAt(qsizetype i);
    // The rows given in ascending order, in one pass however many they are.
    void removeRows(const QList<qsizetype> &ascending);
    void clear();

    bool operator==(const PathList &other) const;

    // Reads the texts in order, each block decoded once.
    class const_iterator {
    public:
        const_iterator(const PathList *list, qsizetype index) : m_list(list), m_index(index) {}
        QString operator*() const;
        const_iterator &operator++()
        {
            ++m_index;
            return *this;
        }
        bool operator!=(const const_iterator &other) const { return m_index != other.m_index; }
        bool operator==(const const_iterator &other) const { return m_index == other.m_index; }

    private:
        const PathList *m_list;
        qsizetype m_index;
        mutable qsizetype m_block = -1;
        mutable QStringList m_texts;
    };
    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, size()}; }

private:
    struct Block {
        QByteArray bytes;
        int count = 0;
        bool wide = false; // two bytes a character
    };

    static Block encode(const QStringList &texts);
    static QStringList decode(const Block &block);
    qsizetype blockOf(qsizetype i) const;
    qsizetype blockStart(qsizetype b) const { return b == 0 ? 0 : m_ends[b - 1]; }
    // Puts texts in place of block b (none: the block goes), splitting what
    // is too long, and counts the ends again from there.
    void setBlock(qsizetype b, const QStringList &texts);

    QList<Block> m_blocks;
    // The index after each block's last text.
    QList<qsizetype> m_ends;
    // The last block's last text, so that appending needs no decoding.
    QString m_last;
};

} // namespace vantrelle
