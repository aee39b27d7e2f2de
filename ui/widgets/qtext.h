// The one crossing between the program's Windows-1250 texts and Qt's strings.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace zadrovec::ui {

QString toQString(std::string_view cp1250);
// Characters Windows-1250 cannot hold become "?"; the edit fields refuse them before that.
std::string fromQString(const QString& text);
// True when every character of text fits Windows-1250.
bool fitsCp1250(const QString& text);
// A dictionary as the user knows it: its title (kDictionaries), not its file name.
QString dictionaryTitle(std::string_view file);

} // namespace zadrovec::ui
