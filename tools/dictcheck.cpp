#include "tools/dictcheck.h"

#include "engine/dictionary/dictionaryfiles.h"
#include "engine/dictionary/wordsearch.h"
#include "engine/files/ioerror.h"
#include "engine/files/pagebuffer.h"
#include "engine/text/cp1250.h"
#include "tools/cli_files.h"

#include <filesystem>
#include <map>
#include <optional>
#include <stdexcept>
#include <unordered_map>
#include <unordered_set>

namespace zadrovec::check {
namespace {

constexpr std::size_t kIndexedPrefix = 3;

std::string shown(std::string_view cp1250) {
    return "\"" + Cp1250ToUtf8(cp1250) + "\"";
}

// Where the grouping rule is broken: a headword that begins like an earlier run of records
// but stands apart from it.
class RunTracker {
public:
    // Returns the prefix whose run the record breaks, if any.
    std::optional<std::string> add(std::string_view headword, std::int64_t record) {
        std::optional<std::string> broken;
        for (std::size_t length = 1; length <= kIndexedPrefix; ++length) {
            std::optional<std::string> key;
            if (headword.size() >= length) key = std::string(headword.substr(0, length));
            Level& level = levels_[length - 1];
            if (key != level.current) {
                if (level.current) level.closed.insert(*level.current);
                if (key && level.closed.contains(*key) && !broken) broken = key;
                level.current = key;
            }
            if (key) firstRecords_.try_emplace(*key, record);
        }
        return broken;
    }

    // The first record of the run of a prefix of one to three characters.
    std::optional<std::int64_t> firstRecord(const std::string& prefix) const {
        const auto found = firstRecords_.find(prefix);
        if (found == firstRecords_.end()) return std::nullopt;
        return found->second;
    }

private:
    struct Level {
        std::optional<std::string> current;
        std::unordered_set<std::string> closed;
    };
    std::array<Level, kIndexedPrefix> levels_;
    std::unordered_map<std::string, std::int64_t> firstRecords_;
};

class Checker {
public:
    Checker(const std::string& base, const std::function<void(const std::string&)>& problem)
        : base_(base), problemFound_(problem) {}

    CheckReport run() {
        checkWords();
        checkIndex();
        return std::move(report_);
    }

private:
    void problem(const std::string& text) {
        ++report_.problems;
        problemFound_(text);
    }

    void checkWords() {
        const std::string path = base_ + ".dat";
        RecordFile words(kRecordSize);
        if (!words.open(path)) throw std::runtime_error(path + ": " + cli::whyNotOpened(path));
        report_.records = words.recordCount();
        if (report_.records == 0) {
            std::error_code error;
            const auto bytes = std::filesystem::file_size(path, error);
            problem(path +
                    (bytes == 0 ? std::string(": an empty file (0 bytes)")
                                : ": " + std::to_string(bytes) + " bytes, less than a record") +
                    ", not even a header record");
        }

        WordRecord record;
        for (std::int64_t r = 0; r < report_.records; ++r) {
            words.read(&record);
            const std::string at = "record " + std::to_string(r) + ": ";
            if (record.length > kRecordTextSize)
                problem(at + "length byte " + std::to_string(record.length) + " above " +
                        std::to_string(kRecordTextSize));
            if (r > 0) checkWordRecord(r, record.text(), at);
        }
    }

    void checkWordRecord(std::int64_t r, std::string_view text, const std::string& at) {
        const std::string_view headword = Headword(text);
        if (text.find('@') == std::string_view::npos)
            problem(at + "no \"@\" after the headword");
        else if (headword.empty())
            problem(at + "empty headword");
        std::string folded(headword);
        CzechUpperCase(folded);
        if (folded != headword)
            problem(at + "headword " + shown(headword) + " is not in capitals (" + shown(folded) +
                    "); it can never be found");
        if (const auto broken = runs_.add(headword, r))
            problem(at + "headword " + shown(headword) + " stands apart from the earlier " +
                    "records beginning " + shown(*broken));
        if (!headword.empty()) {
            const auto c = static_cast<unsigned char>(headword[0]);
            if (seenFirst_.insert(c).second) firstCharacters_.emplace_back(c, r);
        }
    }

    void checkIndex() {
        const std::string path = base_ + ".idx";
        std::error_code error;
        const auto size = std::filesystem::file_size(path, error);
        if (error) throw std::runtime_error(path + ": " + cli::whyNotOpened(path));
        if (size < PrefixIndex::kSize) {
            problem(path + ": " + std::to_string(size) + " bytes, fewer than the " +
                    std::to_string(PrefixIndex::kSize) + " of an index");
            return;
        }
        RecordFile file(PrefixIndex::kSize);
        if (!file.open(path) ||
            file.readAt(0, index_.data(), PrefixIndex::kSize) != PrefixIndex::kSize)
            throw std::runtime_error(path + ": cannot be read");

        const auto firstSlots = checkTable(0, "", "", 0);
        const bool full = report_.usedSlots[0] == PrefixIndex::kFirstSlots;
        for (const auto& [c, record] : firstCharacters_) {
            if (firstSlots.contains(c)) continue;
            problem("record " + std::to_string(record) + ": the first character " +
                    shown(std::string(1, static_cast<char>(c))) + " has no index slot" +
                    (full ? " (the first-character table is full)" : "") +
                    "; its headwords cannot be found");
        }
    }

    // Checks the used slots of one table and the tables below them; returns their characters.
    std::map<unsigned char, std::string> checkTable(std::size_t tableOffset,
                                                    const std::string& prefix,
                                                    const std::string& parentName,
                                                    std::size_t level) {
        static constexpr std::array<std::size_t, 3> slotSizes = {
            PrefixIndex::kFirstSlotSize, PrefixIndex::kSecondSlotSize, PrefixIndex::kThirdSlotSize};
        static constexpr std::array<std::size_t, 3> slotCounts = {
            PrefixIndex::kFirstSlots, PrefixIndex::kSecondSlots, PrefixIndex::kThirdSlots};

        std::map<unsigned char, std::string> seen;
        for (std::size_t k = 0; k < slotCounts[level]; ++k) {
            const PrefixIndex::Slot slot = tableOffset + k * slotSizes[level];
            const std::int32_t record = PrefixIndex::recordNumberAt(index_.data() + slot);
            if (record == PrefixIndex::kEndOfTable) break;
            ++report_.usedSlots[level];

            const unsigned char c = index_.data()[slot];
            const std::string key = prefix + static_cast<char>(c);
            const std::string name = parentName.empty() ? std::to_string(k + 1)
                                                        : parentName + "." + std::to_string(k + 1);
            const std::string at = "slot " + name + " " + shown(key) + ": ";
            if (const auto [earlier, isNew] = seen.try_emplace(c, name); !isNew)
                problem(at + "the same character as slot " + earlier->second);

            const auto runStart = runs_.firstRecord(key);
            if (record < 1 || record >= report_.records)
                problem(at + "record " + std::to_string(record) +
                        (report_.records <= 1 ? " given, but there are no word records"
                                              : " lies outside the word records 1 to " +
                                                    std::to_string(report_.records - 1)));
            else if (!runStart)
                problem(at + "no headword begins with " + shown(key));
            else if (*runStart != record)
                problem(at + "record " + std::to_string(record) + ", but the run of " + shown(key) +
                        " begins at record " + std::to_string(*runStart));

            if (level + 1 < kIndexedPrefix)
                checkTable(slot + PrefixIndex::kSubTableOffset, key, name, level + 1);
        }
        return seen;
    }

    std::string base_;
    const std::function<void(const std::string&)>& problemFound_;
    CheckReport report_;
    RunTracker runs_;
    PageBuffer index_{PrefixIndex::kSize}; // the whole index file, every slot checked
    std::vector<std::pair<unsigned char, std::int64_t>> firstCharacters_; // in record order
    std::unordered_set<unsigned char> seenFirst_;
};

} // namespace

CheckReport checkDictionary(const std::string& base,
                            const std::function<void(const std::string&)>& problem) {
    return Checker(base, problem).run();
}

} // namespace zadrovec::check
