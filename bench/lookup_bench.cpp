// Knowledge lookups as a translation makes them: the keyword code of statement first words,
// the MASM type of parameter types, known structures and member names to rename. Most member
// names and many first words are not in the file. The indexed lookup is measured against the
// plain first-match scan of the section that it replaces.
#include <benchmark/benchmark.h>

#include <array>
#include <string>
#include <string_view>

#include "core/host.h"
#include "knowledge/knowledge.h"
#include "knowledge/knowledge_file.h"
#include "knowledge/knowledge_scan.h"

namespace ondavel {
namespace {

struct Query {
    std::string_view word;
    LookupKind kind;
};

constexpr std::array<Query, 32> kQueries = {{
    {"#define", LOOKUP_CODE},
    {"#endif", LOOKUP_CODE},
    {"#ifdef", LOOKUP_CODE},
    {"typedef", LOOKUP_CODE},
    {"WINBASEAPI", LOOKUP_CODE},
    {"HRESULT", LOOKUP_CODE},
    {"DEFINE_GUID", LOOKUP_CODE},
    {"EXTERN_C", LOOKUP_CODE},
    {"HWND", LOOKUP_TYPEDEFINI},
    {"DWORD", LOOKUP_TYPEDEFINI},
    {"LPCWSTR", LOOKUP_TYPEDEFINI},
    {"UINT", LOOKUP_TYPEDEFINI},
    {"LPOVERLAPPED_COMPLETION_ROUTINE", LOOKUP_TYPEDEFINI},
    {"PCUNICODE_STRING", LOOKUP_TYPEDEFINI},
    {"IShellItem", LOOKUP_TYPEDEFINI},
    {"D3DXVECTOR3", LOOKUP_TYPEDEFINI},
    {"RECT", LOOKUP_COMMONSTRUCTURE},
    {"SYSTEMTIME", LOOKUP_COMMONSTRUCTURE},
    {"WNDCLASSEXA", LOOKUP_COMMONSTRUCTURE},
    {"OSVERSIONINFOW", LOOKUP_COMMONSTRUCTURE},
    {"cbSize", LOOKUP_INCOMPATIBLE},
    {"hwndOwner", LOOKUP_INCOMPATIBLE},
    {"type", LOOKUP_INCOMPATIBLE},
    {"dwFlags", LOOKUP_INCOMPATIBLE},
    {"lpszClassName", LOOKUP_INCOMPATIBLE},
    {"ecx", LOOKUP_INCOMPATIBLE},
    {"WM_USER", LOOKUP_INCOMPATIBLE_EQUATE},
    {"FAR", LOOKUP_INCOMPATIBLE_EQUATE},
    {"ERROR_SUCCESS", LOOKUP_INCOMPATIBLE_EQUATE},
    {"QueryInterface", LOOKUP_API_CONFLIT},
    {"GetObject", LOOKUP_API_CONFLIT},
    {"RECAFLAGS", LOOKUP_COMMONRECORD},
}};

using LookupFunction = uint32_t (*)(KnowledgeFile&, std::string_view, LookupKind, std::string*);

void RunLookups(benchmark::State& state, LookupFunction lookup) {
    DiscardingHost host;
    KnowledgeFile file;
    if (!LoadKnowledgeFile(host, file, ONDAVEL_SOURCE_DIR "/kits/egales.txt")) {
        state.SkipWithError("kits/egales.txt cannot be loaded");
        return;
    }
    std::string value;
    lookup(file, "#define", LOOKUP_CODE, &value);  // the section scan is not measured
    // One lookup per iteration, so the time per iteration is the time per lookup.
    size_t next = 0;
    for (auto _ : state) {
        const Query& query = kQueries[next];
        next = (next + 1) % kQueries.size();
        benchmark::DoNotOptimize(lookup(file, query.word, query.kind, &value));
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_LookupIndexed(benchmark::State& state) {
    RunLookups(state, static_cast<LookupFunction>(LookupKnowledge));
}
void BM_LookupScan(benchmark::State& state) {
    RunLookups(state, ScanKnowledge);
}

BENCHMARK(BM_LookupIndexed);
BENCHMARK(BM_LookupScan);

}  // namespace
}  // namespace ondavel
