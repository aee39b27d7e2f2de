// Opening dictionary pairs and reading their records.
#include "engine/dictionary/dictionaryfiles.h"
#include "engine/files/ioerror.h"
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
    EXPECT_TRUE(dictionary.open("hlavni"));
    EXPECT_EQ(messages.status, cp("Počet slov: 2"));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(DictionaryFiles, WordCountIgnoresATrailingPartialRecordAndHasNoGrouping) {
    std::string bytes;
    for (int r = 0; r < 12'346; ++r)
        bytes += wordRecord("W@M;");
    writeWords("mesta", bytes + std::string(40, 'x'));
    writeIndex("mesta", IndexImage::kSize + 500); // the extra bytes are ignored
    EXPECT_TRUE(dictionary.open("mesta"));
    EXPECT_EQ(messages.status, cp("Počet slov: 12345"));
}

TEST_F(DictionaryFiles, ShortIndexFailsAfterTheNewCountWasShown) {
    writeWords("meny", wordFile({"h", "A@X;", "B@Y;", "C@Z;"}));
    writeIndex("meny", IndexImage::kSize - 1);
    EXPECT_FALSE(dictionary.open("meny"));
    EXPECT_EQ(messages.shown, std::vector<std::string>{kNotFound});
    EXPECT_EQ(messages.status, cp("Počet slov: 3"));
    EXPECT_EQ(ioErrorOf([&] { dictionary.seek(0); }), IoError::kFileNotOpen);
}

TEST_F(DictionaryFiles, MissingFilesFailAndKeepThePreviousCount) {
    writeWords("hlavni", wordFile({"h", "A@X;"}));
    writeIndex("hlavni", IndexImage::kSize);
    ASSERT_TRUE(dictionary.open("hlavni"));

    writeIndex("chzn", IndexImage::kSize); // word file missing
    dictionary.close();
    EXPECT_FALSE(dictionary.open("chzn"));
    EXPECT_EQ(messages.status, cp("Počet slov: 1"));
    EXPECT_EQ(ioErrorOf([&] { dictionary.read(); }), IoError::kFileNotOpen);
    EXPECT_EQ(ioErrorOf([&] { dictionary.atEnd(); }), IoError::kFileNotOpen);

    writeWords("osobnost", wordFile({"h"})); // index missing
    EXPECT_FALSE(dictionary.open("osobnost"));
    EXPECT_EQ(messages.shown, (std::vector<std::string>{kNotFound, kNotFound}));
    EXPECT_EQ(messages.status, cp("Počet slov: 1"));
}

TEST_F(DictionaryFiles, FolderInPlaceOfAFileFailsCleanly) {
    std::filesystem::create_directory(folder.path() / "letadla.dat");
    writeIndex("letadla", IndexImage::kSize);
    EXPECT_FALSE(dictionary.open("letadla"));
    EXPECT_EQ(messages.shown.size(), 1u);
}

TEST_F(DictionaryFiles, CloseIsHarmlessWhenNothingIsOpen) {
    dictionary.close();
    dictionary.close();
    EXPECT_FALSE(dictionary.filesOpen());
}

// The main window searches while opened() holds: closed under it, its next search reports the
// closed file instead of quietly doing nothing.
TEST_F(DictionaryFiles, CloseKeepsTheOpenedFlagAndTheReadsFail) {
    writeWords("hlavni", wordFile({"h", "A@X;"}));
    writeIndex("hlavni", IndexImage::kSize);
    ASSERT_TRUE(dictionary.open("hlavni"));
    dictionary.close();
    EXPECT_TRUE(dictionary.opened());
    EXPECT_FALSE(dictionary.filesOpen());
    EXPECT_EQ(ioErrorOf([&] { dictionary.seek(0); }), IoError::kFileNotOpen);
}

TEST_F(DictionaryFiles, RecordsAreReadInOrderUntilTheEnd) {
    writeWords("hlavni", wordFile({"1.1.2026", "ABC@X;Y;", "AB@C@D;"}) + "partial");
    writeIndex("hlavni", IndexImage::kSize);
    dictionary.open("hlavni");
    dictionary.seek(1);
    dictionary.read();
    EXPECT_EQ(Headword(dictionary.record()), "ABC");
    EXPECT_EQ(MeaningsText(dictionary.record()), "X;Y;");
    ASSERT_FALSE(dictionary.atEnd());
    dictionary.read();
    EXPECT_EQ(Headword(dictionary.record()), "AB");
    EXPECT_EQ(MeaningsText(dictionary.record()), "C@D;");
    EXPECT_TRUE(dictionary.atEnd());
    EXPECT_EQ(ioErrorOf([&] { dictionary.read(); }), IoError::kReadBeyondEnd);

    dictionary.seek(0);
    dictionary.read();
    EXPECT_EQ(dictionary.record(), "1.1.2026");
    // Positioning past the end is allowed, and there is the end; only a read there fails.
    for (const std::int64_t past : {3, 4, 1000}) {
        dictionary.seek(past);
        EXPECT_TRUE(dictionary.atEnd());
        EXPECT_EQ(ioErrorOf([&] { dictionary.read(); }), IoError::kReadBeyondEnd);
    }
    EXPECT_EQ(ioErrorOf([&] { dictionary.seek(-5); }), IoError::kReadBeyondEnd);
}

TEST_F(DictionaryFiles, LengthByteDecidesTheTextAndNeverReachesPastTheRecord) {
    writeWords("hlavni",
               wordRecord("h") + wordRecord("ABCDEFGH", 5) + wordRecord(std::string(80, 'Z'), 200));
    writeIndex("hlavni", IndexImage::kSize);
    dictionary.open("hlavni");
    dictionary.seek(1);
    dictionary.read();
    EXPECT_EQ(dictionary.record(), "ABCDE");
    dictionary.read();
    EXPECT_EQ(dictionary.record(), std::string(80, 'Z'));
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
    dictionary.open("hlavni");
    dictionary.seek(4000);
    std::filesystem::resize_file(folder.path() / "hlavni.dat", 81 * 10);
    EXPECT_EQ(ioErrorOf([&] { dictionary.read(); }), IoError::kReadBeyondEnd);
    EXPECT_TRUE(dictionary.atEnd());
}

TEST_F(DictionaryFiles, ReopeningReadsTheIndexAgain) {
    writeWords("hlavni", wordFile({"h", "A@X;"}));
    IndexImage first;
    first.setFirst(1, 'A', 1);
    writeBytes(folder.file("hlavni.idx"), first.bytes());
    dictionary.open("hlavni");
    EXPECT_EQ(dictionary.prefixIndex().character(0), 'A');

    IndexImage second;
    second.setFirst(1, 'B', 1);
    writeBytes(folder.file("hlavni.idx"), second.bytes());
    dictionary.close();
    dictionary.open("hlavni");
    EXPECT_EQ(dictionary.prefixIndex().character(0), 'B');
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
        EXPECT_FALSE(dictionary.open("chzn")) << broken;
        EXPECT_EQ(messages.shown, std::vector<std::string>{kNotFound}) << broken;
        std::filesystem::remove(pipe);
    }
}
