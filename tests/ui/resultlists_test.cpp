// A window's result lists: a search's hits shown in them, and the meanings of the selected word.
#include "engine/files/ioerror.h"
#include "ui/resultlists.h"

#include <gtest/gtest.h>

using namespace zadrovec;

namespace {

using Items = std::vector<std::string>;

struct WindowLists {
    StringList found{StringList::Order::Sorted};
    StringList hitHeadwords;
    StringList hitMeanings;
    StringList meanings{StringList::Order::Sorted};
    ui::ResultLists lists{found, hitHeadwords, hitMeanings, meanings};
};

SearchOutcome hitsOf(Items found, Items hitHeadwords, Items hitMeanings, Items meanings) {
    return {
        {std::move(found), std::move(hitHeadwords), std::move(hitMeanings), std::move(meanings)},
        std::nullopt};
}

} // namespace

TEST(ResultLists, ClearsTheListsInTheirOrder) {
    WindowLists window;
    window.lists.show(hitsOf({"A"}, {"A"}, {"X;"}, {"X"}));
    struct Recorder : StringList::Listener {
        Recorder(std::string n, std::string* l) : name(std::move(n)), log(l) {}
        std::string name;
        std::string* log;
        void listAboutToChange() override { *log += name; }
        void listChanged() override {}
    };
    std::string log;
    Recorder r1("1", &log), r2("2", &log), r4("4", &log), r5("5", &log);
    window.found.setListener(&r1);
    window.hitMeanings.setListener(&r2);
    window.meanings.setListener(&r4);
    window.hitHeadwords.setListener(&r5);
    window.lists.clear();
    EXPECT_EQ(log, "1245");
}

TEST(ResultLists, ShowsTheHitsThenRaisesTheReadErrorWithoutMeanings) {
    WindowLists window;
    window.lists.show(hitsOf({"A", "B"}, {"A", "B", "B"}, {"X;", "Y;", "Z;"}, {"X"}));
    EXPECT_EQ(window.found.items(), (Items{"A", "B"}));
    EXPECT_EQ(window.meanings.items(), Items{"X"});
    window.lists.showMeaningsOf(1);
    EXPECT_EQ(window.meanings.items(), (Items{"Y", "Z"}));
    window.lists.showMeaningsOf(-1); // no selection: nothing changes
    EXPECT_EQ(window.meanings.items(), (Items{"Y", "Z"}));
    window.lists.showMeaningsOf(7); // past the end: an empty list, no crash
    EXPECT_TRUE(window.meanings.empty());

    window.lists.clear();
    SearchOutcome failed = hitsOf({"P", "P"}, {"P", "P"}, {"1;", "2;"}, {});
    failed.error = IoError(IoError::kReadBeyondEnd);
    EXPECT_THROW(window.lists.show(std::move(failed)), IoError);
    EXPECT_EQ(window.found.items(), (Items{"P", "P"}));
    EXPECT_EQ(window.hitMeanings.items(), (Items{"1;", "2;"}));
    EXPECT_TRUE(window.meanings.empty());
}
