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

} // namespace zadrovec::ui
