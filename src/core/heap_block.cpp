#include "core/heap_block.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>
#include <new>

#include "core/host.h"
#include "core/messages.h"

namespace ondavel {

namespace {

constexpr uint64_t kMaxCapacity = std::numeric_limits<uint32_t>::max();
constexpr uint64_t kFirstGranule = 1024;

uint64_t RoundUp(uint64_t size, uint64_t granule) {
    return (size + granule - 1) / granule * granule;
}

// The capacity that holds `length` more bytes and one spare: a multiple of kFirstGranule for
// the first allocation, of the capacity held so far for every later one.
uint64_t CapacityFor(const HeapBlock& block, uint64_t length) {
    const uint64_t needed = block.used + length + 1;
    if (!block.data) return RoundUp(needed, kFirstGranule);
    return RoundUp(needed, block.capacity);
}

bool ReportFailure(const HeapBlock& block, bool first) {
    errno = ENOMEM;
    if (block.reporter != nullptr) {
        ShowLastError(*block.reporter, first ? texts::kAllocationCaption : texts::kGrowthCaption);
    }
    return false;
}

// Makes room for `length` more bytes behind the used part; the new bytes are zero.
bool Reserve(HeapBlock& block, uint64_t length) {
    const bool first = !block.data;
    const uint64_t capacity = CapacityFor(block, length);
    if (capacity > kMaxCapacity) return ReportFailure(block, first);
    if (capacity == block.capacity) return true;
    try {
        std::unique_ptr<char[]> grown(new char[capacity]());
        if (block.used != 0) std::memcpy(grown.get(), block.data.get(), block.used);
        block.data = std::move(grown);
    } catch (const std::bad_alloc&) {
        return ReportFailure(block, first);
    }
    block.capacity = static_cast<uint32_t>(capacity);
    return true;
}

}  // namespace

bool AppendToHeapBlock(HeapBlock& block, std::string_view bytes) {
    if (bytes.empty() || !Reserve(block, bytes.size())) return false;
    std::memcpy(block.data.get() + block.used, bytes.data(), bytes.size());
    block.used += static_cast<uint32_t>(bytes.size());
    return true;
}

bool AppendPieceToHeapBlock(HeapBlock& block, std::string_view text) {
    const uint64_t length = static_cast<uint64_t>(text.size()) + 1;
    if (!Reserve(block, length)) return false;
    char* end = block.data.get() + block.used;
    if (!text.empty()) std::memcpy(end, text.data(), text.size());
    end[text.size()] = '\0';
    block.used += static_cast<uint32_t>(length);
    return true;
}

void TruncateHeapBlock(HeapBlock& block, uint32_t used) {
    if (used >= block.used) return;
    std::fill(block.data.get() + used, block.data.get() + block.used, '\0');
    block.used = used;
}

void ReleaseHeapBlock(HeapBlock& block) {
    block.data.reset();
    block.used = 0;
    block.capacity = 0;
}

}  // namespace ondavel
