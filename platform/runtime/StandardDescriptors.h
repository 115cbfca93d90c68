#pragma once

namespace runtime {

// Makes sure descriptors 0, 1 and 2 are open, so that no file the program opens later (Qt's own
// event descriptor, a display connection) takes one of their numbers and receives what was meant
// for standard output or error. A closed one is opened on /dev/null the wrong way round: standard
// input for writing only, standard output and error for reading only, so that any use of it fails
// (EBADF) instead of passing for success. Call it first thing in main, before anything opens a
// file. Returns false when a closed descriptor could not be filled.
bool ensureStandardDescriptors();

} // namespace runtime
