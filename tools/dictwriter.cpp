// Writing a dictionary pair so that readers see the old pair or the new one, never a mix and
// never half a file: both files go to temporary files beside their targets, reach the disk, and
// are renamed into place; a failure on the way takes every change back.
#include "engine/dictionary/dictionaryfiles.h"
#include "engine/files/temporaryfile.h"
#include "tools/dictbuilder.h"

#include <array>
#include <cstring>
#include <stdexcept>
#include <unistd.h>

namespace zadrovec::build {
namespace {

void writeRecords(TemporaryFile& file, const std::vector<std::string>& records) {
    std::vector<unsigned char> chunk;
    chunk.reserve(4096 * kRecordSize);
    for (const std::string& text : records) {
        if (text.size() > kRecordTextSize)
            throw std::runtime_error(file.target() + ": a record longer than " +
                                     std::to_string(kRecordTextSize) + " bytes");
        std::array<unsigned char, kRecordSize> record{};
        record[0] = static_cast<unsigned char>(text.size());
        std::memcpy(record.data() + 1, text.data(), text.size());
        chunk.insert(chunk.end(), record.begin(), record.end());
        if (chunk.size() >= 4096 * kRecordSize) {
            file.write(chunk.data(), chunk.size());
            chunk.clear();
        }
    }
    file.write(chunk.data(), chunk.size());
}

// The target as it was, kept under another name until the new pair stands, so that a failed
// second rename can put it back. Without a hard link (or without an old file) the failed
// rename removes the new file instead: no pair rather than a mismatched one.
class OldFile {
public:
    explicit OldFile(const std::string& target) : target_(target) {
        backup_ = target + ".old-" + std::to_string(::getpid());
        ::unlink(backup_.c_str());
        cleanupSlot_ = InterruptCleanup::add(backup_);
        if (::link(target.c_str(), backup_.c_str()) != 0) backup_.clear();
    }
    ~OldFile() {
        if (!backup_.empty()) ::unlink(backup_.c_str());
        InterruptCleanup::remove(cleanupSlot_);
    }
    OldFile(const OldFile&) = delete;
    OldFile& operator=(const OldFile&) = delete;

    void restore() {
        if (backup_.empty()) {
            ::unlink(target_.c_str());
        } else if (::rename(backup_.c_str(), target_.c_str()) == 0) {
            backup_.clear();
        }
    }

private:
    std::string target_;
    std::string backup_;
    std::size_t cleanupSlot_ = InterruptCleanup::kSlots;
};

} // namespace

void writeDictionary(const BuiltDictionary& dictionary, const std::string& outBase) {
    if (dictionary.index.size() != PrefixIndex::kSize)
        throw std::runtime_error(outBase + ".idx: the index image has the wrong size");

    TemporaryFile words(outBase + ".dat");
    writeRecords(words, dictionary.records);
    words.finish();

    TemporaryFile index(outBase + ".idx");
    index.write(dictionary.index.data(), dictionary.index.size());
    index.finish();

    OldFile oldWords(words.target());
    words.renameIntoPlace();
    try {
        index.renameIntoPlace();
    } catch (...) {
        oldWords.restore();
        throw;
    }
    SyncFolder(FolderOf(outBase));
}

void writeFileWhole(const std::string& path, std::string_view bytes) {
    TemporaryFile file(path);
    file.write(bytes.data(), bytes.size());
    file.finish();
    file.renameIntoPlace();
    SyncFolder(FolderOf(path));
}

} // namespace zadrovec::build
