#include "tools/cli_output.h"

#include <cerrno>
#include <unistd.h>

namespace zadrovec::cli {

bool CheckedOutput::flushBuffer() {
    const char* next = pbase();
    while (next < pptr()) {
        const ssize_t written = ::write(fd_, next, static_cast<std::size_t>(pptr() - next));
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) {
            if (firstError_ == 0) firstError_ = written < 0 ? errno : EIO;
            break;
        }
        next += written;
    }
    // What could not be written is dropped: the error is kept and told at the end.
    setp(buffer_.data(), buffer_.data() + buffer_.size());
    return firstError_ == 0;
}

CheckedOutput::int_type CheckedOutput::overflow(int_type c) {
    const bool ok = flushBuffer();
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
        *pptr() = traits_type::to_char_type(c);
        pbump(1);
    }
    return ok ? traits_type::not_eof(c) : traits_type::eof();
}

int CheckedOutput::sync() {
    return flushBuffer() ? 0 : -1;
}

} // namespace zadrovec::cli
