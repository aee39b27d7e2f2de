// Files of the sizes and shapes a user can meet: a huge word file, an index pointing anywhere,
// a large user dictionary.
#include "engine/dictionary/userdict.h"
#include "engine/dictionary/wordsearch.h"
#include "engine/files/ioerror.h"
#include "tests/engine/fixture.h"

#include <climits>
#include <fcntl.h>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace zadrovec;
using namespace zadrovec::testing;

namespace {

using Items = std::vector<std::string>;

// Keeps the outcome's hits, as a window shows them, then raises its read error as a window does.
void keep(SearchOutcome outcome, WordHits& hits) {
    hits = std::move(outcome.hits);
    if (outcome.error) throw *outcome.error;
}

// Bytes this process has read from files so far (Linux keeps the count).
std::int64_t bytesReadSoFar() {
    std::ifstream io("/proc/self/io");
    std::string name;
    std::int64_t value = 0;
    while (io >> name >> value)
        if (name == "rchar:") return value;
    return -1;
}

class LargeFiles : public ::testing::Test {
protected:
    TempFolder folder;
    RecordedMessages messages;
    Dictionary dictionary{folder.path().string(), messages};
    WordHits main;
};

} // namespace

TEST_F(LargeFiles, TwoGigabyteWordFileOpensAndSearchesWithoutBeingReadWhole) {
    constexpr std::int64_t kBytes = std::int64_t{2} << 30;
    constexpr std::int64_t kRecords = kBytes / 81;
    const Items texts = {"h", "A@x;", "B@y;"};
    IndexImage index = completeIndex(texts);
    index.setFirst(3, 'Z', static_cast<std::int32_t>(kRecords - 1)); // the last whole record
    index.setFirst(4, 'Q', 1'000'000);                               // a hole full of zeros
    index.endFirst(5);
    writeBytes(folder.file("hlavni.idx"), index.bytes());

    // Sparse: only the first records and the last one take space on the disk.
    const std::string path = folder.file("hlavni.dat");
    writeBytes(path, wordFile(texts));
    const int fd = ::open(path.c_str(), O_WRONLY);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::ftruncate(fd, kBytes), 0);
    const std::string last = wordRecord("Z@konec;");
    ASSERT_EQ(::pwrite(fd, last.data(), last.size(), (kRecords - 1) * 81),
              static_cast<ssize_t>(last.size()));
    ::close(fd);

    const std::int64_t before = bytesReadSoFar();
    ASSERT_GE(before, 0);
    ASSERT_TRUE(dictionary.open("hlavni"));
    EXPECT_EQ(messages.status, cp("Počet slov: ") + std::to_string(kRecords - 1));

    keep(SearchWords(dictionary, "z"), main);
    EXPECT_EQ(main.found, Items{"Z"});
    EXPECT_EQ(main.meanings, Items{"konec"});
    keep(SearchWords(dictionary, "b"), main);
    EXPECT_EQ(main.found, Items{"B"});
    keep(SearchWords(dictionary, "q"), main);
    EXPECT_TRUE(main.found.empty());
    // The index image and a few buffers, not gigabytes.
    EXPECT_LT(bytesReadSoFar() - before, std::int64_t{16} << 20);
}

TEST_F(LargeFiles, IndexRecordNumbersPointingAnywhereGiveTheIoErrorReport) {
    const Items texts = {"h", "ABC@x;", "ABD@y;", "B@z;"};
    writeBytes(folder.file("hlavni.dat"), wordFile(texts));
    const std::int32_t count = static_cast<std::int32_t>(texts.size());
    // -1 ends a table, so it stands for no slot at all and is left out here.
    for (const std::int32_t record : {-2, -81, INT_MIN, count + 1, count + 1000, INT_MAX}) {
        for (int level = 1; level <= 3; ++level) {
            IndexImage index = completeIndex(texts);
            if (level == 1) index.setFirst(1, 'A', record);
            if (level == 2) index.setSecond(1, 1, 'B', record);
            if (level == 3) index.setThird(1, 1, 1, 'C', record);
            writeBytes(folder.file("hlavni.idx"), index.bytes());
            dictionary.close();
            ASSERT_TRUE(dictionary.open("hlavni"));

            const std::string text = std::string("ABC").substr(0, level);
            try {
                keep(SearchWords(dictionary, text), main);
                ADD_FAILURE() << "no error for record " << record << " at level " << level;
            } catch (const IoError& error) {
                EXPECT_EQ(error.code(), IoError::kReadBeyondEnd);
                EXPECT_STREQ(error.what(), "I/O error 100");
            }
            // The dictionary stays usable.
            keep(SearchWords(dictionary, "b"), main);
            EXPECT_EQ(main.found, Items{"B"}) << record << " at level " << level;
        }
    }
}

TEST_F(LargeFiles, RecordNumberAtTheEndOfTheFileGivesTheIoErrorReport) {
    const Items texts = {"h", "A@x;"};
    writeBytes(folder.file("hlavni.dat"), wordFile(texts));
    IndexImage index = completeIndex(texts);
    index.setFirst(1, 'A', static_cast<std::int32_t>(texts.size())); // just past the last one
    writeBytes(folder.file("hlavni.idx"), index.bytes());
    ASSERT_TRUE(dictionary.open("hlavni"));
    EXPECT_THROW(keep(SearchWords(dictionary, "a"), main), IoError);
    EXPECT_TRUE(main.found.empty());
}

TEST(LargeUserDictionary, HundredThousandLinesLoad) {
    TempFolder folder;
    std::string bytes;
    constexpr int kLines = 100'000;
    for (int i = 0; i < kLines; ++i)
        bytes += "SLOVO" + std::to_string(i) + "@význam " + std::to_string(i) + ";\r\n";
    writeBytes(folder.file("uziv.dat"), bytes);

    RecordedMessages messages;
    UserDictionary dictionary(messages);
    std::vector<std::string> headwords, meanings;
    LoadUserDictionary(dictionary, folder.path().string(), headwords, meanings);
    EXPECT_TRUE(messages.shown.empty());
    ASSERT_EQ(headwords.size(), static_cast<std::size_t>(kLines));
    ASSERT_EQ(meanings.size(), static_cast<std::size_t>(kLines));
    EXPECT_EQ(headwords.front(), "SLOVO0");
    EXPECT_EQ(headwords.back(), "SLOVO99999");
    EXPECT_EQ(meanings[54'321], "význam 54321;");
}
