// The tool's standard output: written straight to descriptor 1 through a buffer that keeps the
// first error of any write, so that a full disk or a closed output is told with its reason.
#pragma once

#include <array>
#include <streambuf>

namespace zadrovec::cli {

class CheckedOutput : public std::streambuf {
public:
    explicit CheckedOutput(int fd) : fd_(fd) {
        setp(buffer_.data(), buffer_.data() + buffer_.size());
    }
    ~CheckedOutput() override { sync(); }

    // The errno of the first write that failed, 0 while none has.
    int firstError() const { return firstError_; }

protected:
    int_type overflow(int_type c) override;
    int sync() override;

private:
    bool flushBuffer();

    int fd_;
    int firstError_ = 0;
    std::array<char, 1 << 16> buffer_;
};

} // namespace zadrovec::cli
