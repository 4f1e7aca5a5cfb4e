// The keyword codes stand at the head of every kit's knowledge file, where users edit them and
// the lookups read them; the program acts on the numbers. The bundled kits must carry one and
// the same block, and that block the very numbers the program knows.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>
#include <utility>

#include "core/file_io.h"
#include "knowledge/knowledge.h"
#include "knowledge/knowledge_file.h"
#include "support/recording_host.h"

namespace ondavel {
namespace {

constexpr std::string_view kKits[] = {"egales.txt", "directx.txt", "winddkegale.txt"};

// Each code the program acts on, with a key that carries it in the bundled kits; no bundled key
// carries CODE_DECLARE_SECOND (a handle macro whose name is the second argument): a user's kit
// may give it.
const std::pair<std::string_view, uint32_t> kKnownCodes[] = {
    {"#if", CODE_IF},
    {"#endif", CODE_ENDIF},
    {"#else", CODE_ELSE},
    {"#include", CODE_INCLUDE},
    {"#define", CODE_DEFINE},
    {"#pragma", CODE_PRAGMA},
    {"#ifndef", CODE_IFNDEF},
    {"#ifdef", CODE_IFDEF},
    {"#error", CODE_ERROR},
    {"#elif", CODE_ELIF},
    {"typedef", CODE_TYPEDEF},
    {"#undef", CODE_SKIP},
    {"struct", CODE_AGGREGATE},
    {"DECLARE_INTERFACE_", CODE_INTERFACE},
    {"interface", CODE_OLE_INTERFACE},
    {"DECLARE_HANDLE", CODE_DECLARE_ONE},
    {"DECLARE_OPAQUE32", CODE_DECLARE_ONE},
    {"", CODE_DECLARE_SECOND},
    {"DEFINE_GUID", CODE_DEFINE_GUID},
    {"DEFINE_OLEGUID", CODE_DEFINE_OLEGUID},
    {"MIDL_DEFINE_GUID", CODE_GUID_SECOND},
    {"template", CODE_SKIP2},
};

// The entry lines before the first section line, comments and empty lines left out.
std::string CodeBlock(const std::string& text) {
    std::string block;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string_view line(text.data() + start, end - start);
        start = end + 1;
        if (line.ends_with('\r')) line.remove_suffix(1);
        if (line.starts_with("TRADUIRE")) return block;
        if (!line.empty() && !line.starts_with(';')) block.append(line).push_back('\n');
    }
    ADD_FAILURE() << "no TRADUIRE line";
    return block;
}

std::string KitPath(std::string_view kit) {
    return std::string(ONDAVEL_SOURCE_DIR "/kits/").append(kit);
}

TEST(KeywordCodesTest, TheBundledKitsCarryOneBlock) {
    testing::RecordingHost host;
    std::string first;
    for (std::string_view kit : kKits) {
        std::string text;
        ASSERT_EQ(LoadFile(host, KitPath(kit), text), 1) << kit;
        const std::string block = CodeBlock(text);
        if (first.empty()) first = block;
        EXPECT_EQ(block, first) << kit << " differs from " << kKits[0];
    }
}

TEST(KeywordCodesTest, EveryCodeOfTheKitsIsOneTheProgramKnows) {
    testing::RecordingHost host;
    std::set<uint32_t> known;
    for (const auto& [key, code] : kKnownCodes) known.insert(code);
    for (std::string_view kit : kKits) {
        KnowledgeFile file;
        ASSERT_TRUE(LoadKnowledgeFile(host, file, KitPath(kit))) << kit;
        for (const auto& [key, code] : kKnownCodes) {
            if (key.empty()) continue;
            EXPECT_EQ(LookupKnowledge(file, key, LOOKUP_CODE, nullptr), code) << kit << " " << key;
        }
        // Every key of the block answers with a code the program acts on.
        std::string text;
        ASSERT_EQ(LoadFile(host, KitPath(kit), text), 1);
        const std::string block = CodeBlock(text);
        for (size_t start = 0; start < block.size(); start = block.find('\n', start) + 1) {
            const std::string key = block.substr(start, block.find_first_of(" \t=", start) - start);
            const uint32_t code = LookupKnowledge(file, key, LOOKUP_CODE, nullptr);
            EXPECT_TRUE(known.contains(code)) << kit << " " << key << " " << code;
        }
    }
}

}  // namespace
}  // namespace ondavel
