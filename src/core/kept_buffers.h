// Buffers kept from one run of a routine to the next for their capacity: a routine that runs
// for each of a batch's hundred thousand statements builds its texts without allocating. There
// is one set of each kind per thread; a routine that uses a set must not run inside itself.
#pragma once

namespace ondavel {

template <typename Buffers>
Buffers& KeptBuffers() {
    thread_local Buffers buffers;
    return buffers;
}

}  // namespace ondavel
