// The compact path list against a QStringList doing the same, over a long
// random run of changes with texts that test the storage: shared and unshared
// beginnings, characters past one byte, a lone surrogate, empty and long texts.
#include "fsutil/pathlist.h"

#include <QRandomGenerator>

#include <gtest/gtest.h>

using namespace vantrelle;

TEST(PathList, keepsEveryTextThroughAnyChangeAsAStringListWould)
{
    const QStringList texts{
        QStringLiteral("/data/flyers/a.pub"), QStringLiteral("/data/flyers/ab.pub"),
        QStringLiteral("/data/flyers/Ünïcode.pub"), QStringLiteral("/data/日本/b.pub"),
        QString(QChar(0xD800)) + QStringLiteral("lone"), QString(),
        QStringLiteral("/x/") + QString(300, QLatin1Char('y')), QStringLiteral("/data/flyers/")};
    QRandomGenerator random(7);
    QStringList model;
    PathList list;
    for (int step = 0; step < 3000; ++step) {
        const QString text = texts[random.bounded(int(texts.size()))] + QString::number(step % 50);
        const int op = model.isEmpty() ? 0 : random.bounded(10);
        if (op < 6) {
            model << text;
            list << text;
        } else if (op < 8) {
            const int i = random.bounded(int(model.size()));
            model.removeAt(i);
            list.removeAt(i);
        } else {
            const int i = random.bounded(int(model.size()));
            model[i] = text;
            list.replace(i, text);
        }
        if (step % 500 == 250) {
            QList<qsizetype> rows;
            for (qsizetype i = 0; i < model.size(); i += 3)
                rows << i;
            for (qsizetype k = rows.size() - 1; k >= 0; --k)
                model.removeAt(rows[k]);
            list.removeRows(rows);
        }
        ASSERT_EQ(list.size(), model.size());
    }
    ASSERT_GT(model.size(), 200);
    EXPECT_EQ(list.toStringList(), model);
    for (qsizetype i = 0; i < model.size(); ++i)
        ASSERT_EQ(list.at(i), model[i]) << i;
    qsizetype i = 0;
    for (const QString &text : list)
        ASSERT_EQ(text, model[i++]);
    const PathList copy = list;
    list.append(QStringLiteral("only in the first"));
    EXPECT_EQ(copy.size(), model.size());
    EXPECT_TRUE(copy == PathList(model));
    EXPECT_FALSE(copy == list);
}
