// Memory for the large hash tables that a batch reads at random. A table of a few megabytes
// spans hundreds of 4 KiB pages, more than the processor keeps translations for beside
// everything else a translation touches, and a lookup would then wait for a page walk as well
// as for memory. Such a table is placed on 2 MiB boundaries and the system is asked to back it
// with pages of that size, where it can; a smaller one comes from the usual heap.
#pragma once

#include <cstddef>
#include <new>

namespace ondavel {

void* AllocateTableMemory(size_t bytes);
void FreeTableMemory(void* memory, size_t bytes);

template <typename T>
struct TableAllocator {
    using value_type = T;

    TableAllocator() = default;
    template <typename U>
    TableAllocator(const TableAllocator<U>&) {}

    T* allocate(size_t count) {
        if (count > static_cast<size_t>(-1) / sizeof(T)) throw std::bad_array_new_length();
        return static_cast<T*>(AllocateTableMemory(count * sizeof(T)));
    }
    void deallocate(T* memory, size_t count) { FreeTableMemory(memory, count * sizeof(T)); }

    friend bool operator==(const TableAllocator&, const TableAllocator&) = default;
};

}  // namespace ondavel
