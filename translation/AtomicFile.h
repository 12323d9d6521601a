// Saving a file so that the previous file survives any failure: the bytes go
// to a temporary file in the same folder, which replaces the target only once
// it is complete and flushed. Only regular files are saved that way: a
// device, a pipe or standard output ("-") is written to directly, and a
// symbolic link is followed, so its target is replaced and the link stays.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <vector>

namespace tolmeric {

// The steps of an atomic save that can fail.
enum class SaveStep { kCreate, kWrite, kFlush, kReplace };

// Asked before each step; returning false makes the step fail as a full disk
// or a refused rename would. Lets tests reach the failure paths.
using SaveFaultHook = std::function<bool(SaveStep)>;

// "-", the name of standard output.
bool IsStandardOutputName(const std::filesystem::path& path);
// The file a chain of symbolic links ends at (path itself when it is no
// link); the end need not exist.
std::filesystem::path FollowLinks(const std::filesystem::path& path);
// True for standard output and for an existing device, pipe or socket:
// outputs that are written to directly, never replaced.
bool WritesThrough(const std::filesystem::path& path);

// Writes bytes to target atomically (through links; directly into a
// device, a pipe or standard output). On failure the temporary file is
// removed, target is untouched, and CFileError kCannotCreate (the temporary
// file could not be created) or kWriteFailed (writing, flushing or replacing
// failed) is thrown naming target.
void SaveFileAtomically(const std::filesystem::path& target, const std::vector<uint8_t>& bytes,
                        const SaveFaultHook& hook = {});

// Hands on the next piece of a file's bytes.
using ByteSink = std::function<void(const uint8_t* data, size_t size)>;
// SaveFileAtomically for a file made in pieces: produce hands them to the sink
// it is given, in order, so that the whole file is never held at once. What
// produce throws ends the save as a failure does (no temporary file
// remains, target is untouched) and goes on to the caller.
void SavePiecesAtomically(const std::filesystem::path& target,
                          const std::function<void(const ByteSink&)>& produce,
                          const SaveFaultHook& hook = {});

struct PendingFile {
  std::filesystem::path target;
  std::vector<uint8_t> bytes;
  // When set, makes the file in pieces instead of bytes, as for
  // SavePiecesAtomically.
  std::function<void(const ByteSink&)> produce = {};
};

// Saves several files as one: every file is written to its temporary file
// first, and only when all are written, and no target is a folder, does
// each replace its target, in order. When a file cannot be written no
// target is touched; only a replace refused for another reason (rare, as
// the temporary file lies in the same folder), or a device or pipe that
// refuses its bytes, can leave earlier targets replaced. No temporary file
// remains in any case, also when a file's produce throws (what it threw goes
// on to the caller).
void SaveFilesAtomically(const std::vector<PendingFile>& files, const SaveFaultHook& hook = {});

}  // namespace tolmeric
