#include "engine/files/pagebuffer.h"

#include <cstdlib>
#include <cstring>
#include <new>
#include <sys/mman.h>

namespace zadrovec {
namespace {

constexpr std::size_t kHugePage = 2 * 1024 * 1024;

} // namespace

PageBuffer::PageBuffer(std::size_t size) : size_(size) {
    const std::size_t rounded = (size + kHugePage - 1) / kHugePage * kHugePage;
    void* block = std::aligned_alloc(kHugePage, rounded == 0 ? kHugePage : rounded);
    if (!block) throw std::bad_alloc();
#ifdef MADV_HUGEPAGE
    ::madvise(block, rounded, MADV_HUGEPAGE); // a hint; without it the buffer works the same
#endif
    std::memset(block, 0, size);
    bytes_.reset(static_cast<unsigned char*>(block));
}

void PageBuffer::Free::operator()(unsigned char* p) const {
    std::free(p);
}

} // namespace zadrovec
