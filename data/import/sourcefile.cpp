#include "data/import/sourcefile.h"

#include <cstdio>

namespace zadrovec::import {

SourceFile::SourceFile(std::string path)
    : path_(std::move(path)), partial_(path_ + ".part"),
      out_(partial_, std::ios::binary | std::ios::trunc) {}

SourceFile::~SourceFile() {
    if (committed_) return;
    out_.close();
    std::remove(partial_.c_str());
}

bool SourceFile::commit() {
    out_.flush();
    if (!out_) return false;
    out_.close();
    if (!out_ || std::rename(partial_.c_str(), path_.c_str()) != 0) return false;
    committed_ = true;
    return true;
}

} // namespace zadrovec::import
