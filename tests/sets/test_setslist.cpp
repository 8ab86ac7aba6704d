// Add Set, Remove Selected Set, Clear Sets and the coupled selections, driven
// through the main window's handlers.
#include "sets/setslist.h"
#include "setsfixture.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTest>

namespace vantrelle::test {
namespace {

using SetsList = SetsFixture;

TEST_F(SetsList, AddSetPromptsWithItsTextsAndSplitsAtEveryDoubleColon)
{
    addSet(QStringLiteral("findwhat::replacewith"));
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].kind, "input");
    EXPECT_EQ(dialogs.shown[0].text,
              "Enter find and replace set (use :: to separate find text and replace text):");
    EXPECT_EQ(dialogs.shown[0].extra, "findwhat::replacewith");

    for (const char *typed :
         {"a::b", "a::b::c", "a::::b", "::b", "a::", "::", ":::b", "x :: y", "a::b"})
        addSet(QString::fromLatin1(typed));
    EXPECT_EQ(pairs(), (QStringList{"findwhat->replacewith", "a->b", "a->b", "a->", "->b", "a->",
                                    "->", "->:b", "x -> y", "a->b"}));
    EXPECT_EQ(dialogs.count("notice"), 0);
}

TEST_F(SetsList, AddSetRefusesTextWithoutDoubleColonAndIgnoresCancel)
{
    addSet(QString()); // Cancel, or OK on an empty field
    addSet(QStringLiteral("a:b"));
    addSet(QStringLiteral("hello"));
    EXPECT_TRUE(pairs().isEmpty());
    EXPECT_EQ(dialogs.texts("notice"),
              (QStringList{"You must use :: to separate the find text from the replace text",
                           "You must use :: to separate the find text from the replace text"}));
}

TEST_F(SetsList, TheListsShowTheLastPairAddedAndTheTabCountsThePairs)
{
    EXPECT_EQ(window.SetsCount->text(), "0 pairs");
    addSet(QStringLiteral("a::b"));
    EXPECT_EQ(window.Combo1->currentText(), "a");
    EXPECT_EQ(window.Combo2->currentText(), "b");
    EXPECT_EQ(window.SetsCount->text(), "1 pair");
    addSet(QStringLiteral("c::d"));
    EXPECT_EQ(window.Combo1->currentText(), "c");
    EXPECT_EQ(window.Combo2->currentText(), "d");
    window.PushButton4->click();
    EXPECT_EQ(window.SetsCount->text(), "1 pair");
    window.PushButton5->click();
    EXPECT_EQ(window.SetsCount->text(), "0 pairs");
}

TEST_F(SetsList, PickInOneListSelectsTheSamePairInTheOtherAndRemoveTakesThatPair)
{
    EXPECT_FALSE(window.Combo1->isEditable());
    EXPECT_FALSE(window.Combo2->isEditable());
    for (const char *typed : {"a::1", "b::2", "c::3", "d::4"})
        addSet(QString::fromLatin1(typed));

    window.Combo1->setCurrentIndex(-1);
    window.Combo2->setCurrentIndex(-1);
    window.PushButton4_Click(); // nothing selected: nothing happens
    EXPECT_EQ(pairs().size(), 4);

    // A user's pick arrives as the list's "activated" signal.
    QSignalSpy picks1(window.Combo1, &QComboBox::activated);
    window.Combo2->setCurrentIndex(2);
    emit window.Combo2->activated(2);
    EXPECT_EQ(window.Combo1->currentIndex(), 2);
    EXPECT_EQ(picks1.count(), 0); // settled in one step, no echo back

    window.PushButton4->click();
    EXPECT_EQ(pairs(), (QStringList{"a->1", "b->2", "d->4"}));
    EXPECT_EQ(window.Combo1->currentIndex(), window.Combo2->currentIndex());

    window.Combo1->setCurrentIndex(0);
    emit window.Combo1->activated(0);
    EXPECT_EQ(window.Combo2->currentIndex(), 0);
    window.PushButton4->click();
    EXPECT_EQ(pairs(), (QStringList{"b->2", "d->4"}));
    EXPECT_EQ(dialogs.count("notice") + dialogs.count("error"), 0);
}

TEST_F(SetsList, ClearSetsEmptiesBothListsQuietly)
{
    window.PushButton5->click(); // already empty
    addSet(QStringLiteral("a::b"));
    addSet(QStringLiteral("a::b"));
    EXPECT_EQ(pairs(), (QStringList{"a->b", "a->b"}));
    window.PushButton5->click();
    EXPECT_TRUE(pairs().isEmpty());
    EXPECT_EQ(window.Combo1->currentIndex(), -1);
    EXPECT_EQ(dialogs.count("notice"), 0);
}

TEST_F(SetsList, AddSetPastTheLimitIsRefusedWithANoticeAndTheListsStayEqual)
{
    QStringList fill;
    for (int i = 0; i < kMaxSets - 1; ++i)
        fill << QString::number(i);
    addPairs(fill, fill);
    addSet(QStringLiteral("last::one"));
    EXPECT_EQ(window.Combo1->count(), kMaxSets);
    addSet(QStringLiteral("one::more"));
    EXPECT_EQ(window.Combo1->count(), kMaxSets);
    EXPECT_EQ(window.Combo2->count(), kMaxSets);
    EXPECT_EQ(window.Combo1->itemText(kMaxSets - 1), "last");
    EXPECT_EQ(dialogs.texts("notice"), QStringList{QString::fromLatin1(kSetsFull)});
}

} // namespace
} // namespace vantrelle::test
