// The loaded knowledge file of the chosen kit and what the lookups remember about it.
#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "core/line_index.h"

namespace ondavel {

// The eight section lines, in the order in which they must appear.
inline constexpr int kSectionCount = 8;

class KnowledgeKeyIndex;  // the lookups' index of keys, built once per loaded file

struct KnowledgeFile {
    KnowledgeFile();
    ~KnowledgeFile();

    LineIndex index;
    // Line numbers of the section lines, 0 while not found; forgotten when the file is released.
    std::array<uint32_t, kSectionCount> sectionLines{};
    // Set by the first lookup after a load, which finds the section lines and, when all eight
    // are there, builds the key index; a file without them answers every lookup with 0.
    bool sectionsScanned = false;
    std::unique_ptr<KnowledgeKeyIndex> keys;
};

}  // namespace ondavel
