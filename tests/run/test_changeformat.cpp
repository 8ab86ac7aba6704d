// Changes as the command-line tool prints them and as scripts read them.
#include "run/reportformat.h"
#include "tests/support/qtprinters.h"

#include <QJsonArray>

#include <gtest/gtest.h>

using namespace vantrelle;

namespace {

automation::Change change(QString before, QString after, QString left = {}, QString place = {})
{
    return {2, 118, {"call ", before, " today"}, {"call ", after, " today"}, left, place};
}

} // namespace

TEST(ChangeFormat, oneLinePerChangeWithTheChangedPartMarked)
{
    const struct {
        automation::Change change;
        bool colour;
        QString line;
    } cases[] = {
        {change("555-1234", "555-9876"), false,
         "story 3, character 119: “call [555-1234] today” → “call [555-9876] today”"},
        {change("555-1234", ""), false,
         "story 3, character 119: “call [555-1234] today” → “call [] today”"},
        {change("555-1234", "555-1234", "it is inside a field"), false,
         "story 3, character 119: “call [555-1234] today” left unchanged: it is inside a field"},
        {change("a", "b"), true,
         "story 3, character 119: “call \x1b[1;31m[a]\x1b[0m today” → “call \x1b[1;32m[b]\x1b[0m "
         "today”"},
        {change("acme", "apex", {}, "link address"), false,
         "link address: “call [acme] today” → “call [apex] today”"},
        {change("acme", "acme", "in WordArt, which is not edited", "WordArt"), false,
         "WordArt: “call [acme] today” left unchanged: in WordArt, which is not edited"},
        {{0, 0, {"line\none\t", "x", "\vtwo"}, {"line\none\t", "y", "\vtwo"}, {}, {}},
         false,
         "story 1, character 1: “line↵one [x]↵two” → “line↵one [y]↵two”"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(formatChange(c.change, c.colour), c.line);
}

TEST(ChangeFormat, jsonListsEveryPairsChangesAndHowManyWereNotListed)
{
    DocumentResult d;
    d.pairs = {{"x", "y", 3, 0, {}, true, {change("x", "y")}},
               {"p", "q", 0, 1, "why", true, {change("p", "p", "why")}}};
    const QJsonObject json = documentJson(d, false);
    const QJsonArray changes = json.value("changes").toArray();
    ASSERT_EQ(changes.size(), 2);
    EXPECT_EQ(changes[0].toObject().value("pair").toInt(), 0);
    EXPECT_EQ(changes[0].toObject().value("after").toObject().value("text").toString(), "y");
    EXPECT_FALSE(changes[0].toObject().contains("left"));
    EXPECT_EQ(changes[1].toObject().value("pair").toInt(), 1);
    EXPECT_EQ(changes[1].toObject().value("left").toString(), "why");
    EXPECT_EQ(changes[1].toObject().value("before").toObject().value("lead").toString(), "call ");
    EXPECT_EQ(json.value("changesNotListed").toInteger(), 2);
}
