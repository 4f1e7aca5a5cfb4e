// Output files written under a temporary name in their own folder that take their real name
// only once complete: a run that fails or is interrupted leaves each file either whole or as
// it was before the run, never half-written.
#pragma once

#include <cstdio>
#include <string_view>

namespace ondavel {

class Host;

// Creates a new temporary file beside path, open for writing; nullptr on failure, shown on
// host with the path and the system's error.
std::FILE* CreateStagedFile(Host& host, std::string_view path);

// Writes out and closes file, then renames it to its real name. False when any write, the
// close or the rename failed: the temporary is removed, and the real path and the system's
// error are shown on the host. A null file has nothing to commit and succeeds.
bool CommitStagedFile(Host& host, std::FILE*& file);

// Writes bytes as the whole content of path through a temporary that takes the real name when
// complete. False on failure, with errno set: the file of that name stays as it was.
bool ReplaceFileContent(std::string_view path, std::string_view bytes);

// Closes file and removes its temporary: the file of that name stays as it was.
void DiscardStagedFile(std::FILE*& file);

// From now on SIGINT, SIGTERM and SIGHUP remove every temporary before they end the program.
void RemoveStagedFilesOnSignals();

}  // namespace ondavel
