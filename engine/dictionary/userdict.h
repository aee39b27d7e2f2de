// The user dictionary: the user's own headwords and meanings in the text file uziv.dat, in a
// folder of the user's choice. One entry a line: headword "@" meanings text (each meaning
// followed by ";"). The program reads the file and creates it empty when it is missing; it never
// writes into it otherwise, so the user's file cannot be damaged.
#pragma once

#include "engine/dictionary/messages.h"
#include "engine/files/textfile.h"

#include <string>
#include <string_view>
#include <vector>

namespace zadrovec {

inline constexpr std::string_view kUserDictionaryFileName = "uziv.dat";

// The folder, a "/" unless it ends with "/", then uziv.dat. A "\" is an ordinary character of a
// file name here, so a folder ending with one still gets the "/". The folder and the path are in
// the file system's encoding.
std::string UserDictionaryPath(std::string_view folder);

// A line split at its first "@"; later "@" belong to the meanings text. A line without "@" has
// an empty headword and is all meanings text. Both point into the line.
struct UserDictionaryEntry {
    std::string_view headword;
    std::string_view meaningsText;
};
UserDictionaryEntry SplitUserDictionaryLine(std::string_view line);

// The file of the user dictionary, open only while the editor loads it.
struct UserDictionary {
    explicit UserDictionary(Messages& userMessages) : messages(&userMessages) {}
    ~UserDictionary();
    UserDictionary(const UserDictionary&) = delete;
    UserDictionary& operator=(const UserDictionary&) = delete;

    Messages* messages;
    TextFile file;
    int createdFd = -1; // the empty file just created, open for writing until closed
};

// Opens folder/uziv.dat for reading; true when it is open at its start. False, after telling the
// user, when no folder is set or when the file was missing: then it is created empty (the
// message comes first) or the reason it could not be is shown. False as well when the file is
// there but cannot be read; it is left exactly as it is.
bool OpenUserDictionary(UserDictionary& dictionary, std::string_view folder);
// Closes whatever is open; nothing can fail.
void CloseUserDictionary(UserDictionary& dictionary);

// The whole file in its order: the headword and the meanings text of every line. Empty when the
// file cannot be opened (the user has been told). Raises IoError from a failed read, with the
// file closed.
void LoadUserDictionary(UserDictionary& dictionary, std::string_view folder,
                        std::vector<std::string>& headwords,
                        std::vector<std::string>& meaningsTexts);

// Removes the first whole meaning equal to meaning, with its ";". A whole meaning starts at the
// beginning or right after a ";" and ends at the next ";". Nothing changes when there is none.
void RemoveWholeMeaning(std::string& meaningsText, std::string_view meaning);

// Leading and trailing characters with codes up to 32 (blanks and control characters) removed.
std::string_view TrimBlanksAndControls(std::string_view text);

} // namespace zadrovec
