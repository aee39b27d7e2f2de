// Letter case in Windows-1250: section and key names of the settings file match without regard
// to case, also for the accented letters of the code page (as the Windows profile functions do).
#pragma once

#include <string_view>

namespace zadrovec {

// The small letter of a capital of the code page; every other byte unchanged.
unsigned char Cp1250ToLower(unsigned char byte);

bool EqualIgnoringCaseCp1250(std::string_view a, std::string_view b);

} // namespace zadrovec
