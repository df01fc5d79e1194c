#pragma once
// Catches writes into freed objects: while a watch is on, every block given back with delete is
// zero-filled and kept instead of being reused; Check tells whether any of them changed since.
// Zero-filled memory makes stray reads of freed objects harmless (null pointers, empty handlers),
// so a test sees the writes, the part that corrupts a heap. Link into a test executable of its
// own: it replaces the global allocation functions.
#include <cstddef>

namespace tv::testing_memory {

// Starts keeping freed blocks (forgetting those of an earlier watch).
void StartWatch();
// Stops keeping freed blocks; returns how many kept blocks were written to after they were freed.
int StopWatch();

}  // namespace tv::testing_memory
