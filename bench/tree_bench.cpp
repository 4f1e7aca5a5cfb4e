// Whole-tree throughput: every MinGW-w64 header through the translation, with the bundled SDK
// knowledge file, output discarded. Reports bytes per second and the peak resident memory.
// Beside it, the same files only read, as cat reads them: on a shared machine whose speed
// changes from hour to hour, the ratio of the two says more than either figure alone.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <cstdio>

#include <filesystem>
#include <string>
#include <vector>

#include "core/host.h"
#include "knowledge/knowledge.h"
#include "session/indexed_file.h"
#include "session/session.h"
#include "statements/translate_file.h"

namespace {

namespace fs = std::filesystem;

class DiscardingHost : public ondavel::Host {
  public:
    void AppendToView(std::string_view bytes) override { benchmark::DoNotOptimize(bytes.data()); }
    void SetStatus(ondavel::StatusPart, std::string_view) override {}
    void ShowMessage(std::string_view, std::string_view, ondavel::MessageIcon) override {}
};

std::vector<fs::path> Headers(const fs::path& root, int64_t& bytes) {
    std::vector<fs::path> headers;
    bytes = 0;
    if (!fs::is_directory(root)) return headers;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        if (!entry.is_regular_file()) continue;
        headers.push_back(entry.path());
        bytes += static_cast<int64_t>(entry.file_size());
    }
    return headers;
}

const fs::path kMingwTree = "/usr/share/mingw-w64/include";

// The tree's headers and their size in bytes; none tells state why it skips.
std::vector<fs::path> TreeHeaders(benchmark::State& state, int64_t& bytes) {
    std::vector<fs::path> headers = Headers(kMingwTree, bytes);
    if (headers.empty()) state.SkipWithError("mingw-w64-i686-dev is not installed");
    return headers;
}

void BM_ReadMingwTree(benchmark::State& state) {
    int64_t bytes = 0;
    const std::vector<fs::path> headers = TreeHeaders(state, bytes);
    if (headers.empty()) return;
    std::vector<char> buffer(128 * 1024);
    for (auto _ : state) {
        for (const fs::path& header : headers) {
            std::FILE* file = std::fopen(header.c_str(), "rb");
            if (file == nullptr) continue;
            while (std::fread(buffer.data(), 1, buffer.size(), file) == buffer.size()) {
            }
            benchmark::DoNotOptimize(buffer.data());
            std::fclose(file);
        }
    }
    state.SetBytesProcessed(state.iterations() * bytes);
}
BENCHMARK(BM_ReadMingwTree)->Unit(benchmark::kMillisecond)->MinTime(1.0);

void BM_TranslateMingwTree(benchmark::State& state) {
    int64_t bytes = 0;
    const std::vector<fs::path> headers = TreeHeaders(state, bytes);
    if (headers.empty()) return;
    const fs::path base = fs::temp_directory_path() / "ondavel-bench";
    fs::create_directories(base);
    DiscardingHost host;
    ondavel::Session session(host);
    session.run.baseDirectory = base.string() + "/";
    session.run.keepJournalOpen = true;
    ondavel::LoadKnowledgeFile(host, session.run.knowledge, ONDAVEL_SOURCE_DIR "/kits/egales.txt");
    for (auto _ : state) {
        for (const fs::path& header : headers) {
            ondavel::LineIndex index;
            ondavel::OpenIndexedFile(session, header.string(), index, {}, ondavel::TranslateFile);
        }
    }
    state.SetBytesProcessed(state.iterations() * bytes);
    state.counters["headers"] = static_cast<double>(headers.size());
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_MiB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}
BENCHMARK(BM_TranslateMingwTree)->Unit(benchmark::kMillisecond)->MinTime(3.0);

}  // namespace
