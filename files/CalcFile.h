// The calculation file on disk. Records are only ever appended, or the whole content is
// replaced by a new copy renamed over the old file (CalcFileRewrite.h); an advisory lock keeps
// a Save and a Delete of two calculators from losing each other's work. Only regular files
// are opened: a named pipe or a device is refused without waiting on it.
#pragma once

#include <string>
#include <sys/types.h>
#include <time.h>

namespace tarvo {

struct AppendResult {
    bool ok = true;
    bool unchanged = true; // when not ok: whether the file is exactly as it was before
    std::string reason;    // the system's words when not ok
};

// Appends the record with one write, creating the file when it is missing. A last line
// without its line feed is ended first, so that the record starts a line of its own. When the
// write fails (a full disk), the file is cut back to its old length, or removed again when
// this Save created it.
AppendResult AppendRecord(const std::string& path, const std::string& record);

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

// The version of the file at `path` now; none when there is no file.
FileVersion CurrentVersion(const std::string& path);

enum class ReadStatus { Ok, CannotOpen, TooLarge };

// Reads a regular file that can be opened for reading and writing into `bytes`, after removing
// the copies that an interrupted Delete left beside it. A file beyond 32-bit offsets is refused
// unread and `bytes` kept. Otherwise `bytes` is let go before the reading, so that two
// contents are never held at once, and is empty unless the reading succeeds; a file too large
// for the memory is refused then. `version` is the version read.
ReadStatus ReadCalcFile(const std::string& path, std::string& bytes, FileVersion& version,
                        std::string& reason);

} // namespace tarvo
