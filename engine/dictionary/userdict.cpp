#include "engine/dictionary/userdict.h"

#include "engine/text/cp1250.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace zadrovec {
namespace {

// The system's words for an error are in the locale's encoding (UTF-8); messages are
// Windows-1250.
std::string fileErrorText(const std::string& path, std::error_code error) {
    const std::string text = path + ": " + error.message();
    return Utf8ToCp1250(text).value_or(text);
}

bool isMissing(std::error_code error) {
    return error == std::errc::no_such_file_or_directory || error == std::errc::not_a_directory;
}

bool isBlankOrControl(char c) {
    return static_cast<unsigned char>(c) <= 32;
}

} // namespace

UserDictionary::~UserDictionary() {
    CloseUserDictionary(*this);
}

std::string UserDictionaryPath(std::string_view folder) {
    std::string path(folder);
    if (!path.ends_with('/')) path += '/';
    path += kUserDictionaryFileName;
    return path;
}

UserDictionaryEntry SplitUserDictionaryLine(std::string_view line) {
    const auto at = line.find('@');
    if (at == std::string_view::npos) return {{}, line};
    return {line.substr(0, at), line.substr(at + 1)};
}

bool OpenUserDictionary(UserDictionary& dictionary, std::string_view folder) {
    CloseUserDictionary(dictionary);
    if (folder.empty()) {
        dictionary.messages->showError(Cp1250Literal(
            "Nebyla zadána cesta k uživatelskému slovníku (menu Nástroje/Nastavení)."));
        return false;
    }
    const std::string path = UserDictionaryPath(folder);
    const std::error_code error = dictionary.file.open(path);
    if (!error) return true;
    if (!isMissing(error)) {
        // There but unreadable: say why, and leave it alone.
        dictionary.messages->showError(fileErrorText(path, error));
        return false;
    }
    dictionary.messages->showInformation(
        Cp1250Literal("Nebyl nalezen uživatelský slovník, bude vytvořen nový."));
    // O_EXCL: whatever appeared meanwhile (or a dangling link) is never followed or replaced.
    dictionary.createdFd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (dictionary.createdFd < 0)
        dictionary.messages->showError(
            fileErrorText(path, std::error_code(errno, std::generic_category())));
    return false;
}

void CloseUserDictionary(UserDictionary& dictionary) {
    dictionary.file.close();
    if (dictionary.createdFd >= 0) ::close(dictionary.createdFd);
    dictionary.createdFd = -1;
}

void LoadUserDictionary(UserDictionary& dictionary, std::string_view folder,
                        std::vector<std::string>& headwords,
                        std::vector<std::string>& meaningsTexts) {
    headwords.clear();
    meaningsTexts.clear();
    if (!OpenUserDictionary(dictionary, folder)) {
        CloseUserDictionary(dictionary);
        return;
    }
    try {
        std::string line;
        while (dictionary.file.readLine(line)) {
            const UserDictionaryEntry entry = SplitUserDictionaryLine(line);
            headwords.emplace_back(entry.headword);
            meaningsTexts.emplace_back(entry.meaningsText);
        }
    } catch (...) {
        CloseUserDictionary(dictionary);
        throw;
    }
    CloseUserDictionary(dictionary);
}

void RemoveWholeMeaning(std::string& meaningsText, std::string_view meaning) {
    for (std::size_t start = 0, end = meaningsText.find(';'); end != std::string::npos;
         start = end + 1, end = meaningsText.find(';', start)) {
        if (std::string_view(meaningsText).substr(start, end - start) == meaning) {
            meaningsText.erase(start, end - start + 1);
            return;
        }
    }
}

std::string_view TrimBlanksAndControls(std::string_view text) {
    while (!text.empty() && isBlankOrControl(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlankOrControl(text.back()))
        text.remove_suffix(1);
    return text;
}

} // namespace zadrovec
