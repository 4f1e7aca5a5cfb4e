#include "session/session.h"

#include "core/staged_file.h"
#include "session/output.h"

namespace ondavel {

Session::Session(Host& h) : host(h) {
    for (HeapBlock* block : header.names.all()) block->reporter = &host;
}

Session::~Session() {
    CloseJournal(*this);
    // Side files still open belong to a run that did not finish: they are not kept.
    DiscardStagedFile(run.textBlockFile);
    DiscardStagedFile(run.nameListFile);
}

bool CommitRunFile(Session& session, std::FILE*& file) {
    if (CommitStagedFile(session.host, file)) return true;
    session.run.writeFailed = true;
    return false;
}

}  // namespace ondavel
