// The whole-kit batch: every header of the chosen kit's list, in list order, each into its
// own output file, with journal.txt, BlocsdeTexte.txt and (on request) liste.txt.
//
// The caller paces it, one header a step, so that a window stays responsive between headers:
//     if (StartBatch(session, list)) while (ClaimBatchStep(session)) RunBatchStep(session);
// is the whole batch at once; an event loop instead claims a step after each event and runs it
// from a posted event. The batch goes idle -> running -> finished (once) -> idle.
#pragma once

#include <cstdint>
#include <string_view>

namespace ondavel {

struct Session;

// Whether a batch writes the names each header declared to liste.txt.
enum class NameList { Skip, Write };

// Starts the batch (the ALL commands): loads the knowledge file and the header list and opens
// the side files. False when it was refused: no kit chosen, a translation or batch under way,
// or an input or journal.txt that cannot be used (shown on the host).
bool StartBatch(Session& session, NameList nameList);

// True, with the session marked busy, when a batch runs and no step of it is under way.
bool ClaimBatchStep(Session& session);

// What one step of the batch did.
enum class BatchStepResult {
    Done,      // a header translated, or a line that names none (blank, or a ';' comment)
    Failed,    // a header that could not be read, written or was refused
    Finished,  // the step finished the batch, or it was finished already
};

// Translates the next header of the list, or finishes the batch after the last one ("ALL
// DONE"). Clears busy.
BatchStepResult RunBatchStep(Session& session);

struct BatchProgress {
    uint32_t done = 0;      // lines of the header list taken so far
    uint32_t total = 0;     // lines of the header list; 0 when no batch runs
    std::string_view next;  // the line that the next step takes, empty when none
};

BatchProgress GetBatchProgress(Session& session);

}  // namespace ondavel
