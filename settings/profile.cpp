#include "settings/profile.h"

#include "settings/inilayout.h"
#include "settings/wholefile.h"

#include <charconv>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>

namespace zadrovec {
namespace {

constexpr std::string_view kNewLine = "\r\n";

std::string_view withoutEnclosingQuotes(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

std::string_view cutToMaxLength(std::string_view value) {
    return value.substr(0, kProfileValueMaxLength);
}

std::string_view withoutTrailingSpaces(std::string_view text) {
    const std::size_t last = text.find_last_not_of(' ');
    return last == std::string_view::npos ? std::string_view{} : text.substr(0, last + 1);
}

bool isHexadecimal(std::string_view text) {
    return text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
}

// Hexadecimal digits, all of the text; up to 32 bits, taken as two's complement
// ("0xFFFFFFFF" is -1).
std::optional<int> parseHexadecimal(std::string_view digits) {
    std::uint32_t value = 0;
    const auto [end, error] =
        std::from_chars(digits.data(), digits.data() + digits.size(), value, 16);
    if (error != std::errc{} || end != digits.data() + digits.size()) return std::nullopt;
    return static_cast<int>(value);
}

// An optional sign and decimal digits, all of the text, within the range of int.
std::optional<int> parseDecimal(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    std::uint64_t magnitude = 0; // unsigned, so a second sign is no digit
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude);
    if (error != std::errc{} || end == text.data() || end != text.data() + text.size())
        return std::nullopt;
    constexpr std::uint64_t kLargestNegative = 1ULL << 31; // int holds -2^31 .. 2^31-1
    if (magnitude > (negative ? kLargestNegative : kLargestNegative - 1)) return std::nullopt;
    const auto value = static_cast<std::int64_t>(magnitude);
    return static_cast<int>(negative ? -value : value);
}

std::string fileNameOf(const std::filesystem::path& file) {
    return file.filename().string();
}

// Enough for any settings file; a hostile one with more is searched on from the last.
constexpr std::size_t kMostIndexedSections = 4096;

// A value holding a line break would start lines of its own: sections and keys nobody wrote.
bool breaksLines(std::string_view text) {
    return text.find_first_of("\r\n") != std::string_view::npos;
}

// The settings file as last read, with the places of its sections.
struct ReadFile {
    FileContents contents;
    std::filesystem::path path;
    SectionIndex sections;

    explicit ReadFile(const std::filesystem::path& file)
        : contents(ReadWholeFile(file)), path(file),
          sections(contents.bytes, kMostIndexedSections) {}
};

// The file as it is now. A start reads some sixty keys: an unchanged file (the same device,
// inode, size and modification time to the nanosecond) is not read and scanned again for each.
std::shared_ptr<const ReadFile> currentFile(const std::filesystem::path& file) {
    static std::mutex guard;
    static std::shared_ptr<const ReadFile> last;
    const std::optional<FileIdentity> now = IdentityOf(file);
    const std::lock_guard lock(guard);
    if (last && now && last->path == file && last->contents.status == FileContents::Status::Read &&
        last->contents.identity == *now)
        return last;
    auto read = std::make_shared<const ReadFile>(file);
    last = read->contents.status == FileContents::Status::Read ? read : nullptr;
    return read;
}

} // namespace

std::string ReadProfileString(std::string_view section, std::string_view key,
                              std::string_view defaultValue, const std::filesystem::path& file) {
    const std::shared_ptr<const ReadFile> read = currentFile(file);
    if (read->contents.status == FileContents::Status::Read) {
        const std::string_view text = read->contents.bytes;
        const KeyPlace place = read->sections.findKey(text, section, key);
        if (place.keyFound) {
            const std::string_view raw =
                text.substr(place.valueBegin, place.valueEnd - place.valueBegin);
            return std::string(cutToMaxLength(withoutEnclosingQuotes(TrimBlanks(raw))));
        }
    }
    return std::string(cutToMaxLength(withoutTrailingSpaces(defaultValue)));
}

ProfileEdit::ProfileEdit(std::filesystem::path file) : file_(std::move(file)) {
    const std::shared_ptr<const ReadFile> read = currentFile(file_);
    // A file that is there but cannot be read cannot be rewritten without losing it.
    if (read->contents.status == FileContents::Status::Unreadable)
        throw ProfileWriteError(fileNameOf(file_));
    bytes_ = read->contents.bytes;
    sections_ = std::make_unique<SectionIndex>(bytes_, kMostIndexedSections);
}

void ProfileEdit::writeString(std::string_view section, std::string_view key,
                              std::string_view value) {
    if (breaksLines(section) || breaksLines(key) || breaksLines(value))
        throw ProfileWriteError(fileNameOf(file_));
    const KeyPlace place = sections_->findKey(bytes_, section, key);
    // Changed in place: a save rewrites the same values mostly, and a large file must not be
    // copied once for every key.
    if (place.keyFound) {
        const std::size_t oldLength = place.valueEnd - place.valueBegin;
        bytes_.replace(place.valueBegin, oldLength, value);
        sections_->moved(place.valueBegin, static_cast<std::ptrdiff_t>(value.size()) -
                                               static_cast<std::ptrdiff_t>(oldLength));
        return;
    }
    std::string lines;
    if (place.sectionFound) {
        if (place.newKeyNeedsLineBreakFirst) lines.append(kNewLine);
        lines.append(TrimBlanks(key)).append("=").append(value).append(kNewLine);
        bytes_.insert(place.newKeyAt, lines);
        sections_->moved(place.newKeyAt, static_cast<std::ptrdiff_t>(lines.size()));
        return;
    }
    if (!bytes_.empty() && bytes_.back() != '\n') bytes_.append(kNewLine);
    const std::size_t header = bytes_.size();
    lines.append("[").append(TrimBlanks(section)).append("]").append(kNewLine);
    lines.append(TrimBlanks(key)).append("=").append(value).append(kNewLine);
    bytes_.append(lines);
    sections_->appended(section, header);
}

void ProfileEdit::writeInteger(std::string_view section, std::string_view key, int value) {
    writeString(section, key, std::to_string(value));
}

void ProfileEdit::writeBool(std::string_view section, std::string_view key, bool value) {
    writeString(section, key, value ? "1" : "0");
}

void ProfileEdit::commit() {
    if (!WriteWholeFile(file_, bytes_)) throw ProfileWriteError(fileNameOf(file_));
}

int ReadProfileInteger(std::string_view section, std::string_view key, int defaultValue,
                       const std::filesystem::path& file) {
    const std::string text = ReadProfileString(section, key, "", file);
    const std::optional<int> value = isHexadecimal(text)
                                         ? parseHexadecimal(std::string_view(text).substr(2))
                                         : parseDecimal(text);
    return value.value_or(defaultValue);
}

} // namespace zadrovec
