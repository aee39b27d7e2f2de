// Every dictionary the program reads, in the order in which every visit of them goes: the eight
// of the main window, then those only the solver reads. The engine, the command line and the
// windows take their lists from here; the rows are data/dictionaries.tsv, whose other columns
// tell the build how each dictionary is made.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace zadrovec {

struct DictionaryEntry {
    std::string_view file;  // the base name of its files in the data folder
    std::string_view title; // its name for people, UTF-8
    bool mainWindow;        // one of the eight the main window switches between
    bool oneTextFile;       // a text file of lines (name.txt), not a record pair (.dat and .idx)
};

namespace detail {
// The rows of data/dictionaries.tsv, written out by the build (data/cmake/dictionarytable.cmake).
inline constexpr DictionaryEntry kRows[] = {
#include "engine/dictionary/dictionarytable_rows.inc"
};
} // namespace detail
inline constexpr auto kDictionaries = std::to_array(detail::kRows);

// The main window's dictionaries come first.
inline constexpr std::size_t kMainWindowDictionaries = 8;

namespace detail {
template <std::size_t N> constexpr std::array<std::string_view, N> DictionaryFiles() {
    std::array<std::string_view, N> files{};
    for (std::size_t i = 0; i < N; ++i)
        files[i] = kDictionaries[i].file;
    return files;
}
constexpr bool MainWindowRowsComeFirst() {
    for (std::size_t i = 0; i < kDictionaries.size(); ++i)
        if (kDictionaries[i].mainWindow != (i < kMainWindowDictionaries)) return false;
    return true;
}
} // namespace detail
static_assert(detail::MainWindowRowsComeFirst());

// The file names alone: of every dictionary, and of the main window's eight.
inline constexpr auto kDictionaryFiles = detail::DictionaryFiles<kDictionaries.size()>();
inline constexpr auto kMainWindowDictionaryFiles =
    detail::DictionaryFiles<kMainWindowDictionaries>();

} // namespace zadrovec
