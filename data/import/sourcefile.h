// The pieces every importer shares: the record limit of a dictionary source line, and the source
// file written whole or not at all.
#pragma once

#include "fileunit.h"

#include <fstream>
#include <string>

namespace zadrovec::import {

// Whether "HEADWORD@MEANING;" fits in one record (Windows-1250 byte counts).
inline bool fitsRecord(std::size_t headwordBytes, std::size_t meaningBytes) {
    return headwordBytes + 1 + meaningBytes + 1 <= kRecordTextSize;
}

// A UTF-8 dictionary source written to PATH.part and renamed to PATH when committed, so a failed
// import never leaves a half file for the build to take.
class SourceFile {
public:
    explicit SourceFile(std::string path);
    ~SourceFile(); // removes the partial file unless committed
    SourceFile(const SourceFile&) = delete;
    SourceFile& operator=(const SourceFile&) = delete;

    bool isOpen() const { return static_cast<bool>(out_); }
    std::ostream& stream() { return out_; }
    bool commit();

private:
    std::string path_;
    std::string partial_;
    std::ofstream out_;
    bool committed_ = false;
};

} // namespace zadrovec::import
