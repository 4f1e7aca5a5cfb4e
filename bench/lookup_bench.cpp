// Knowledge lookups as a translation makes them: the keyword code of statement first words,
// the MASM type of parameter types, known structures and member names to rename. Most member
// names and many first words are not in the file. The indexed lookup is measured against the
// plain first-match scan of the section that it replaces.
#include <benchmark/benchmark.h>

#include <array>
#include <optional>
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
    int range;
};

constexpr int kTypes = 2;       // TYPEDEFINI
constexpr int kStructures = 3;  // COMMONSTRUCTURE
constexpr int kRecords = 4;     // COMMONRECORD
constexpr int kNames = 5;       // INCOMPATIBLE
constexpr int kEquates = 6;     // INCOMPATIBLE_EQUATE
constexpr int kMethods = 7;     // INTERFACE_API_CONFLIT_NOM

constexpr std::array<Query, 32> kQueries = {{
    {"#define", kCodeRange},
    {"#endif", kCodeRange},
    {"#ifdef", kCodeRange},
    {"typedef", kCodeRange},
    {"WINBASEAPI", kCodeRange},
    {"HRESULT", kCodeRange},
    {"DEFINE_GUID", kCodeRange},
    {"EXTERN_C", kCodeRange},
    {"HWND", kTypes},
    {"DWORD", kTypes},
    {"LPCWSTR", kTypes},
    {"UINT", kTypes},
    {"LPOVERLAPPED_COMPLETION_ROUTINE", kTypes},
    {"PCUNICODE_STRING", kTypes},
    {"IShellItem", kTypes},
    {"D3DXVECTOR3", kTypes},
    {"RECT", kStructures},
    {"SYSTEMTIME", kStructures},
    {"WNDCLASSEXA", kStructures},
    {"OSVERSIONINFOW", kStructures},
    {"cbSize", kNames},
    {"hwndOwner", kNames},
    {"type", kNames},
    {"dwFlags", kNames},
    {"lpszClassName", kNames},
    {"ecx", kNames},
    {"WM_USER", kEquates},
    {"FAR", kEquates},
    {"ERROR_SUCCESS", kEquates},
    {"QueryInterface", kMethods},
    {"GetObject", kMethods},
    {"RECAFLAGS", kRecords},
}};

using LookupFunction = std::optional<std::string_view> (*)(KnowledgeFile&, std::string_view, int);

void RunLookups(benchmark::State& state, LookupFunction lookup) {
    DiscardingHost host;
    KnowledgeFile file;
    if (!LoadKnowledgeFile(host, file, ONDAVEL_SOURCE_DIR "/kits/egales.txt")) {
        state.SkipWithError("kits/egales.txt cannot be loaded");
        return;
    }
    lookup(file, "#define", kCodeRange);  // the section scan is not measured
    // One lookup per iteration, so the time per iteration is the time per lookup.
    size_t next = 0;
    for (auto _ : state) {
        const Query& query = kQueries[next];
        next = (next + 1) % kQueries.size();
        benchmark::DoNotOptimize(lookup(file, query.word, query.range));
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_LookupIndexed(benchmark::State& state) {
    RunLookups(state, FindEntry);
}
void BM_LookupScan(benchmark::State& state) {
    RunLookups(state, ScanEntry);
}

BENCHMARK(BM_LookupIndexed);
BENCHMARK(BM_LookupScan);

}  // namespace
}  // namespace ondavel
