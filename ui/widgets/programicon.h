// The program's own icon: a book with a magnifier, drawn by the program.
#pragma once

#include <QIcon>

namespace zadrovec::ui {

QIcon programIcon();

} // namespace zadrovec::ui
