// The temporary files a run is writing, which an interrupted run removes
// (Ctrl-C, SIGTERM, SIGHUP) before it ends: the output it replaces stays
// as it was. Every OutputFile is listed here while it exists.
#pragma once

#include <string>

namespace pilaro::table {

// Lists the file; false when the list is full (the file is then removed
// only by the run's own end). Not to be called from a signal handler.
bool listTemporaryFile(const std::string& path);
void unlistTemporaryFile(const std::string& path);

// Removes every listed file; safe in a signal handler.
void removeTemporaryFiles() noexcept;

// Has SIGINT, SIGTERM and SIGHUP remove the listed files, then end the
// process as the signal would have.
void removeTemporaryFilesOnSignals();

// Removes the files that earlier runs writing to `path` left behind when
// they were killed without a chance to remove them (kill -9): those named
// as this program names its temporary files for `path`, whose process has
// ended. A file of a run still going is left.
void removeStaleTemporaryFiles(const std::string& path);

// Creates a new temporary file beside `path`, named after it, ".pilaro-",
// this process's id and six random letters or digits (as mkstemp makes
// them), private to its owner, listed before it exists; its name in
// `created`. The open descriptor, or -1 with errno set.
int createListedTemporaryFile(const std::string& path, std::string& created);

}  // namespace pilaro::table
