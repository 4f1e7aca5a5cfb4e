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
// carries KeywordCode::DeclareSecond (a handle macro whose name is the second argument): a user's
// kit may give it.
const std::pair<std::string_view, KeywordCode> kKnownCodes[] = {
    {"#if", KeywordCode::If},
    {"#endif", KeywordCode::Endif},
    {"#else", KeywordCode::Else},
    {"#include", KeywordCode::Include},
    {"#define", KeywordCode::Define},
    {"#pragma", KeywordCode::Pragma},
    {"#ifndef", KeywordCode::Ifndef},
    {"#ifdef", KeywordCode::Ifdef},
    {"#error", KeywordCode::Error},
    {"#elif", KeywordCode::Elif},
    {"typedef", KeywordCode::Typedef},
    {"#undef", KeywordCode::Skip},
    {"struct", KeywordCode::Aggregate},
    {"DECLARE_INTERFACE_", KeywordCode::Interface},
    {"interface", KeywordCode::OleInterface},
    {"DECLARE_HANDLE", KeywordCode::DeclareOne},
    {"DECLARE_OPAQUE32", KeywordCode::DeclareOne},
    {"", KeywordCode::DeclareSecond},
    {"DEFINE_GUID", KeywordCode::DefineGuid},
    {"DEFINE_OLEGUID", KeywordCode::DefineOleGuid},
    {"MIDL_DEFINE_GUID", KeywordCode::GuidSecond},
    {"template", KeywordCode::Skip2},
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
        ASSERT_TRUE(LoadFile(host, KitPath(kit), text)) << kit;
        const std::string block = CodeBlock(text);
        if (first.empty()) first = block;
        EXPECT_EQ(block, first) << kit << " differs from " << kKits[0];
    }
}

TEST(KeywordCodesTest, EveryCodeOfTheKitsIsOneTheProgramKnows) {
    testing::RecordingHost host;
    std::set<KeywordCode> known;
    for (const auto& [key, code] : kKnownCodes) known.insert(code);
    for (std::string_view kit : kKits) {
        KnowledgeFile file;
        ASSERT_TRUE(LoadKnowledgeFile(host, file, KitPath(kit))) << kit;
        for (const auto& [key, code] : kKnownCodes) {
            if (key.empty()) continue;
            EXPECT_EQ(LookupKeywordCode(file, key), code) << kit << " " << key;
        }
        // Every key of the block answers with a code the program acts on.
        std::string text;
        ASSERT_TRUE(LoadFile(host, KitPath(kit), text));
        const std::string block = CodeBlock(text);
        for (size_t start = 0; start < block.size(); start = block.find('\n', start) + 1) {
            const std::string key = block.substr(start, block.find_first_of(" \t=", start) - start);
            const KeywordCode code = LookupKeywordCode(file, key);
            EXPECT_TRUE(known.contains(code)) << kit << " " << key << " " << uint32_t(code);
        }
    }
}

}  // namespace
}  // namespace ondavel
