// Translates each input as a header, with the bundled SDK knowledge file.
#include <cstdint>
#include <cstdlib>

#include "fuzz_session.h"
#include "knowledge/knowledge.h"

namespace {

ondavel::fuzzing::FuzzSession& Fuzzing() {
    static ondavel::fuzzing::FuzzSession* fuzzing = [] {
        auto* created = new ondavel::fuzzing::FuzzSession;
        const std::string path = std::string(ONDAVEL_SOURCE_DIR) + "/kits/egales.txt";
        ondavel::Session& session = created->session;
        if (!ondavel::LoadKnowledgeFile(session.host, session.run.knowledge, path)) std::abort();
        return created;
    }();
    return *fuzzing;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Fuzzing().TranslateHeader({reinterpret_cast<const char*>(data), size});
    return 0;
}
