// Files named on the command line: why one cannot be used, said in words, and the checks a
// build makes before it reads anything.
#pragma once

#include <string>
#include <vector>

namespace zadrovec::cli {

// Why path cannot be opened for reading: "cannot be opened: Permission denied", "is a
// directory", "is not a regular file"; "cannot be opened" when opening now works.
std::string whyNotOpened(const std::string& path);

// Empty when source can be built from: a regular file none of the outputs is (the same device
// and inode, whatever the names). Otherwise the message, naming the file.
std::string sourceRefusal(const std::string& source, const std::vector<std::string>& outputs);

} // namespace zadrovec::cli
