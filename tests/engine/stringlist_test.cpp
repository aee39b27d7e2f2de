// The list-box rules of StringList.
#include "engine/text/cp1250.h"
#include "engine/text/stringlist.h"

#include <gtest/gtest.h>

using namespace zadrovec;

namespace {

struct CountingListener : StringList::Listener {
    int before = 0;
    int after = 0;
    void listAboutToChange() override { ++before; }
    void listChanged() override { ++after; }
};

std::vector<std::string> words() {
    return {"PES", "ahoj", "CHATA", "HRAD", "pes", "PES", Cp1250Literal("ČÁP"), "CAPART"};
}

} // namespace

TEST(StringList, SortedAddTakesItsPlaceAndBulkFillingEndsTheSame) {
    StringList oneByOne(StringList::Order::Sorted);
    for (auto w : words())
        oneByOne.add(w);
    StringList bulk(StringList::Order::Sorted);
    bulk.assign(words());
    EXPECT_EQ(oneByOne.items(), bulk.items());
    const std::vector<std::string> expected = {
        "ahoj", "CAPART", Cp1250Literal("ČÁP"), "HRAD", "CHATA", "PES", "PES", "pes"};
    EXPECT_EQ(bulk.items(), expected);

    StringList appended(StringList::Order::Sorted);
    appended.append({"PES", "HRAD"});
    appended.append({"ahoj", "CHATA", "pes", "PES", Cp1250Literal("ČÁP"), "CAPART"});
    EXPECT_EQ(appended.items(), expected);
    EXPECT_EQ(appended.add("DUB"), 3u);
}

TEST(StringList, UnsortedKeepsTheOrderOfAdding) {
    StringList list;
    for (auto w : words())
        list.add(w);
    EXPECT_EQ(list.items(), words());
    list.removeAt(0);
    list.removeAt(99); // out of range: nothing happens
    EXPECT_EQ(list[0], "ahoj");
    EXPECT_EQ(list.indexOf("pes"), std::optional<std::size_t>(3));
    EXPECT_EQ(list.indexOf("Pes"), std::nullopt);
}

TEST(StringList, ReplacingKeepsThePlaceUnlessTheListIsSorted) {
    StringList list;
    list.assign({"A;", "B;", "C;"});
    list.replaceAt(1, "B;D;");
    list.replaceAt(9, "X"); // out of range: nothing happens
    EXPECT_EQ(list.items(), (std::vector<std::string>{"A;", "B;D;", "C;"}));
    StringList sorted(StringList::Order::Sorted);
    sorted.assign({"A", "B", "C"});
    sorted.replaceAt(0, "D");
    EXPECT_EQ(sorted.items(), (std::vector<std::string>{"B", "C", "D"}));
}

TEST(StringList, DuplicateRemovalKeepsTextsThatDifferInCase) {
    StringList list(StringList::Order::Sorted);
    list.assign({"PES", "pes", "PES", "PES", "ahoj", "ahoj"});
    list.removeAdjacentDuplicates();
    const std::vector<std::string> expected = {"ahoj", "PES", "pes"};
    EXPECT_EQ(list.items(), expected);
}

TEST(StringList, ListenerHearsEveryChangeOnce) {
    StringList list(StringList::Order::Sorted);
    CountingListener listener;
    list.setListener(&listener);
    list.add("A");
    list.assign({"B", "C"});
    list.append({"D"});
    list.removeAt(0);
    list.clear();
    EXPECT_EQ(listener.before, 5);
    EXPECT_EQ(listener.after, 5);

    // Removing repeats from a list without any is no change: a view keeps its selection.
    list.assign({"A", "B"});
    list.removeAdjacentDuplicates();
    EXPECT_EQ(listener.before, 6);
    list.append({"B"});
    list.removeAdjacentDuplicates();
    EXPECT_EQ(listener.after, 8);
    EXPECT_EQ(list.size(), 2u);
}
