#include "core/table_memory.h"

#include <sys/mman.h>

#include <cstdlib>

namespace ondavel {

namespace {

constexpr size_t kLargePage = size_t{2} << 20;

bool IsLarge(size_t bytes) {
    return bytes >= kLargePage;
}

}  // namespace

void* AllocateTableMemory(size_t bytes) {
    if (!IsLarge(bytes)) return ::operator new(bytes);
    const size_t rounded = (bytes + kLargePage - 1) & ~(kLargePage - 1);
    void* memory = std::aligned_alloc(kLargePage, rounded);
    if (memory == nullptr) throw std::bad_alloc();
    // Only a request: where the system keeps no large pages, the table works in small ones.
    madvise(memory, rounded, MADV_HUGEPAGE);
    return memory;
}

void FreeTableMemory(void* memory, size_t bytes) {
    if (IsLarge(bytes)) {
        std::free(memory);
    } else {
        ::operator delete(memory);
    }
}

}  // namespace ondavel
