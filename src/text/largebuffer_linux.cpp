#include "text/largebuffer.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>

namespace text {

void prepareToFill(void *block, std::size_t size)
{
    // A block smaller than a few large pages (2 MB each on a PC) gains nothing worth a system call.
    constexpr std::size_t worthAdvising = 8 * 1024 * 1024;
    if (size < worthAdvising)
        return;
    // Only the whole pages inside the block: the memory around it belongs to others. The advice
    // is a hint; where transparent huge pages are off it changes nothing.
    const auto page = std::uintptr_t(sysconf(_SC_PAGESIZE));
    const auto start = (std::uintptr_t(block) + page - 1) / page * page;
    const auto stop = (std::uintptr_t(block) + size) / page * page;
    if (stop > start)
        madvise(reinterpret_cast<void *>(start), stop - start, MADV_HUGEPAGE);
}

} // namespace text
