// What an operation on the calculation file gives back: reading it, appending a record to it,
// rewriting it. One type for all of them, so that every caller tells success and failure and
// words the failure the same way.
#pragma once

#include <string>
#include <sys/types.h>
#include <time.h>

namespace tarvo {

// One version of a file, told apart from the others without reading it: a write changes its
// size or its times, a replacement its inode.
struct FileVersion {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = -1; // -1: no version
    timespec modified{};
    timespec changed{};
};
bool operator==(const FileVersion& a, const FileVersion& b);

enum class FileStatus {
    Done,
    Failed,   // `reason` says why
    TooLarge, // the file does not fit 32-bit offsets or the memory
    Changed,  // another program changed the file since it was read: nothing was written
};

struct FileResult {
    FileStatus status = FileStatus::Done;
    std::string reason;    // the system's words, or what cannot be kept, when it failed
    bool unchanged = true; // when it failed: whether the file is exactly as it was before
    FileVersion version;   // the version read, or the new version after a rewrite
    std::string bytes;     // what was read
};

} // namespace tarvo
