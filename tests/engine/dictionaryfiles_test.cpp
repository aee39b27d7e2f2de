// Opening dictionary pairs and reading their records.
#include "engine/dictionaryfiles.h"
#include "engine/ioerror.h"
#include "tests/engine/fixture.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace zadrovec;
using namespace zadrovec::testing;

namespace {

class DictionaryFiles : public ::testing::Test {
protected:
    TempFolder folder;
    RecordedMessages messages;
    Dictionary dictionary{folder.path().string(), messages};

    void writeWords(std::string_view name, const std::string& bytes) {
        writeBytes(folder.file(std::string(name) + ".dat"), bytes);
    }
    void writeIndex(std::string_view name, std::size_t size) {
        std::string bytes = IndexImage().bytes();
        bytes.resize(size, '\0');
        writeBytes(folder.file(std::string(name) + ".idx"), bytes);
    }
    int ioErrorOf(auto&& action) {
        try {
            action();
        } catch (const IoError& e) {
            return e.code();
        }
        return 0;
    }
};

const std::string kNotFound = cp("Tento slovník nebyl nalezen.");

} // namespace

TEST_F(DictionaryFiles, OpensAPairAndShowsTheWordCount) {
    writeWords("hlavni", wordFile({"1.1.2026", "A@X;", "B@Y;"}));
    writeIndex("hlavni", IndexImage::kSize);
    OpenDictionary(dictionary, "hlavni");
    EXPECT_TRUE(dictionary.DictionaryOpen);
    EXPECT_EQ(messages.status, cp("Počet slov: 2"));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(DictionaryFiles, WordCountIgnoresATrailingPartialRecordAndHasNoGrouping) {
    std::string bytes;
    for (int r = 0; r < 12'346; ++r)
        bytes += wordRecord("W@M;");
    writeWords("mesta", bytes + std::string(40, 'x'));
    writeIndex("mesta", IndexImage::kSize + 500); // the extra bytes are ignored
    OpenDictionary(dictionary, "mesta");
    EXPECT_TRUE(dictionary.DictionaryOpen);
    EXPECT_EQ(messages.status, cp("Počet slov: 12345"));
}

TEST_F(DictionaryFiles, ShortIndexFailsAfterTheNewCountWasShown) {
    writeWords("meny", wordFile({"h", "A@X;", "B@Y;", "C@Z;"}));
    writeIndex("meny", IndexImage::kSize - 1);
    OpenDictionary(dictionary, "meny");
    EXPECT_FALSE(dictionary.DictionaryOpen);
    EXPECT_EQ(messages.shown, std::vector<std::string>{kNotFound});
    EXPECT_EQ(messages.status, cp("Počet slov: 3"));
    EXPECT_EQ(ioErrorOf([&] { SeekRecord(dictionary, 0); }), IoError::kFileNotOpen);
}

TEST_F(DictionaryFiles, MissingFilesFailAndKeepThePreviousCount) {
    writeWords("hlavni", wordFile({"h", "A@X;"}));
    writeIndex("hlavni", IndexImage::kSize);
    OpenDictionary(dictionary, "hlavni");
    ASSERT_TRUE(dictionary.DictionaryOpen);

    writeIndex("chzn", IndexImage::kSize); // word file missing
    CloseDictionary(dictionary);
    OpenDictionary(dictionary, "chzn");
    EXPECT_FALSE(dictionary.DictionaryOpen);
    EXPECT_EQ(messages.status, cp("Počet slov: 1"));
    EXPECT_EQ(ioErrorOf([&] { ReadRecord(dictionary); }), IoError::kFileNotOpen);
    EXPECT_EQ(ioErrorOf([&] { AtEndOfWords(dictionary); }), IoError::kFileNotOpen);

    writeWords("osobnost", wordFile({"h"})); // index missing
    OpenDictionary(dictionary, "osobnost");
    EXPECT_FALSE(dictionary.DictionaryOpen);
    EXPECT_EQ(messages.shown, (std::vector<std::string>{kNotFound, kNotFound}));
    EXPECT_EQ(messages.status, cp("Počet slov: 1"));
}

TEST_F(DictionaryFiles, FolderInPlaceOfAFileFailsCleanly) {
    std::filesystem::create_directory(folder.path() / "letadla.dat");
    writeIndex("letadla", IndexImage::kSize);
    OpenDictionary(dictionary, "letadla");
    EXPECT_FALSE(dictionary.DictionaryOpen);
    EXPECT_EQ(messages.shown.size(), 1u);
}

TEST_F(DictionaryFiles, CloseIsHarmlessWhenNothingIsOpen) {
    CloseDictionary(dictionary);
    CloseDictionary(dictionary);
    EXPECT_FALSE(dictionary.words.isOpen());
}

TEST_F(DictionaryFiles, RecordsAreReadInOrderUntilTheEnd) {
    writeWords("hlavni", wordFile({"1.1.2026", "ABC@X;Y;", "AB@C@D;"}) + "partial");
    writeIndex("hlavni", IndexImage::kSize);
    OpenDictionary(dictionary, "hlavni");
    SeekRecord(dictionary, 1);
    ReadRecord(dictionary);
    EXPECT_EQ(Headword(dictionary.wordRecord.text()), "ABC");
    EXPECT_EQ(MeaningsText(dictionary.wordRecord.text()), "X;Y;");
    ASSERT_FALSE(AtEndOfWords(dictionary));
    ReadRecord(dictionary);
    EXPECT_EQ(Headword(dictionary.wordRecord.text()), "AB");
    EXPECT_EQ(MeaningsText(dictionary.wordRecord.text()), "C@D;");
    EXPECT_TRUE(AtEndOfWords(dictionary));
    EXPECT_EQ(ioErrorOf([&] { ReadRecord(dictionary); }), IoError::kReadBeyondEnd);

    SeekRecord(dictionary, 0);
    ReadRecord(dictionary);
    EXPECT_EQ(dictionary.wordRecord.text(), "1.1.2026");
    // Positioning past the end is allowed, and there is the end; only a read there fails.
    for (const std::int64_t past : {3, 4, 1000}) {
        SeekRecord(dictionary, past);
        EXPECT_TRUE(AtEndOfWords(dictionary));
        EXPECT_EQ(ioErrorOf([&] { ReadRecord(dictionary); }), IoError::kReadBeyondEnd);
    }
    EXPECT_EQ(ioErrorOf([&] { SeekRecord(dictionary, -5); }), IoError::kReadBeyondEnd);
}

TEST_F(DictionaryFiles, LengthByteDecidesTheTextAndNeverReachesPastTheRecord) {
    writeWords("hlavni",
               wordRecord("h") + wordRecord("ABCDEFGH", 5) + wordRecord(std::string(80, 'Z'), 200));
    writeIndex("hlavni", IndexImage::kSize);
    OpenDictionary(dictionary, "hlavni");
    SeekRecord(dictionary, 1);
    ReadRecord(dictionary);
    EXPECT_EQ(dictionary.wordRecord.text(), "ABCDE");
    ReadRecord(dictionary);
    EXPECT_EQ(dictionary.wordRecord.text(), std::string(80, 'Z'));
}

TEST_F(DictionaryFiles, TextWithoutAtSignHasNoHeadword) {
    EXPECT_EQ(Headword("JEN TEXT;"), "");
    EXPECT_EQ(MeaningsText("JEN TEXT;"), "JEN TEXT;");
    EXPECT_EQ(Headword("@X;"), "");
    EXPECT_EQ(MeaningsText("A@"), "");
}

TEST_F(DictionaryFiles, FileTruncatedWhileOpenGivesAnIoError) {
    std::string bytes;
    for (int r = 0; r < 5000; ++r)
        bytes += wordRecord("A@X;");
    writeWords("hlavni", bytes);
    writeIndex("hlavni", IndexImage::kSize);
    OpenDictionary(dictionary, "hlavni");
    SeekRecord(dictionary, 4000);
    std::filesystem::resize_file(folder.path() / "hlavni.dat", 81 * 10);
    EXPECT_EQ(ioErrorOf([&] { ReadRecord(dictionary); }), IoError::kReadBeyondEnd);
    EXPECT_TRUE(AtEndOfWords(dictionary));
}

TEST_F(DictionaryFiles, ReopeningReadsTheIndexAgain) {
    writeWords("hlavni", wordFile({"h", "A@X;"}));
    IndexImage first;
    first.setFirst(1, 'A', 1);
    writeBytes(folder.file("hlavni.idx"), first.bytes());
    OpenDictionary(dictionary, "hlavni");
    EXPECT_EQ(dictionary.prefixIndex.character(0), 'A');

    IndexImage second;
    second.setFirst(1, 'B', 1);
    writeBytes(folder.file("hlavni.idx"), second.bytes());
    CloseDictionary(dictionary);
    OpenDictionary(dictionary, "hlavni");
    EXPECT_EQ(dictionary.prefixIndex.character(0), 'B');
}

TEST_F(DictionaryFiles, NamedPipeInPlaceOfAFileFailsWithoutWaitingForAWriter) {
    // Opening a pipe for reading waits until something writes into it: for ever, here.
    for (const std::string_view broken : {"chzn.dat", "chzn.idx"}) {
        writeWords("chzn", wordFile({"h", "A@X;"}));
        writeIndex("chzn", IndexImage::kSize);
        const std::string pipe = folder.file(broken);
        std::filesystem::remove(pipe);
        ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
        messages.shown.clear();
        OpenDictionary(dictionary, "chzn");
        EXPECT_FALSE(dictionary.DictionaryOpen) << broken;
        EXPECT_EQ(messages.shown, std::vector<std::string>{kNotFound}) << broken;
        std::filesystem::remove(pipe);
    }
}
