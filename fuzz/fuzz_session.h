// What the fuzz targets share: a session that lives for the whole fuzzing run, with a host
// that keeps nothing and a journal that goes nowhere, and the translation of one input as a
// header. Nothing is read or written per input.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

#include "core/host.h"
#include "core/line_index.h"
#include "session/session.h"
#include "statements/translate_file.h"

namespace ondavel::fuzzing {

class FuzzSession {
  public:
    FuzzSession() {
        // The journal stays open, as in a batch, so that no input creates journal.txt.
        session.run.journalFile = std::fopen("/dev/null", "wb");
        session.run.keepJournalOpen = true;
    }

    // Translates bytes as a header read from a file, to the (discarding) output view.
    void TranslateHeader(std::string_view bytes) {
        ForgetEarlierInputs();
        LineIndex& index = session.run.inputIndex;
        if (index.BuildExpanding(bytes)) TranslateFile(session, index);
        ReleasePerFileMemory(session);
        index.Release();
    }

    DiscardingHost host;
    Session session{host};

  private:
    // What a run carries from one header to the next, so that each input starts as the
    // first header of a run and a crash reproduces from its input alone.
    void ForgetEarlierInputs() {
        session.header.inBlockComment = false;
        session.run.aggregateKeyword = "STRUCT";
        session.run.recordFieldTag = RunState{}.recordFieldTag;
        session.run.pendingAggregateMacro.clear();
        session.run.aggregateMacroKind = AggregateKind::None;
    }
};

}  // namespace ondavel::fuzzing
