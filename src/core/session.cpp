#include "core/session.h"

#include "core/output.h"

namespace ondavel {

namespace {

void CloseFile(std::FILE*& file) {
    if (file != nullptr) std::fclose(file);
    file = nullptr;
}

}  // namespace

Session::Session(Host& h) : host(h) {
    for (HeapBlock* block : header.names.all()) block->reporter = &host;
    statement.outputBlock.reporter = &host;
}

Session::~Session() {
    CloseJournal(*this);
    CloseFile(run.textBlockFile);
    CloseFile(run.nameListFile);
}

}  // namespace ondavel
