// A probe that asks a program (a compiler, an assembler, nm) about an include, perhaps in
// several runs, each depending on what the last one answered. Probes of different includes
// are independent: a prover runs the next commands of several at once.
#pragma once

#include <string>
#include <vector>

#include "core/child_process.h"

namespace ondavel {

class ProbeRun {
  public:
    virtual ~ProbeRun() = default;
    // The next command, its input files written into the probe folder; empty when the probe
    // has its answer.
    virtual std::vector<std::string> Next() = 0;
    // What that command printed and returned.
    virtual void Take(const ChildRun& run) = 0;
};

}  // namespace ondavel
