#include "engine/files/wholefilestream.h"

#include <exception>

namespace zadrovec {

WholeFileStream::Buffer::Buffer(std::optional<TemporaryFile>& file) : file_(file) {
    setp(bytes_.data(), bytes_.data() + bytes_.size());
}

std::streambuf::int_type WholeFileStream::Buffer::overflow(int_type c) {
    if (sync() != 0) return traits_type::eof();
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    *pptr() = traits_type::to_char_type(c);
    pbump(1);
    return c;
}

int WholeFileStream::Buffer::sync() {
    if (!file_) return -1;
    try {
        file_->write(pbase(), static_cast<std::size_t>(pptr() - pbase()));
    } catch (const std::exception&) {
        return -1;
    }
    setp(bytes_.data(), bytes_.data() + bytes_.size());
    return 0;
}

WholeFileStream::WholeFileStream(const std::string& target) {
    try {
        file_.emplace(target);
    } catch (const std::exception&) {
        stream_.setstate(std::ios::badbit);
    }
}

bool WholeFileStream::commit() {
    if (!file_ || !stream_.flush()) {
        file_.reset();
        return false;
    }
    try {
        file_->finish();
        file_->renameIntoPlace();
    } catch (const std::exception&) {
        file_.reset();
        return false;
    }
    return true;
}

} // namespace zadrovec
