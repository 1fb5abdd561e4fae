// The calculation file on disk. Records are only ever appended, or the whole content is
// replaced by a new copy renamed over the old file (CalcFileRewrite.h); an advisory lock keeps
// a Save and a Delete of two calculators from losing each other's work. Only regular files
// are opened: a named pipe or a device is refused without waiting on it.
#pragma once

#include "FileResult.h"

#include <string>

namespace tarvo {

// Appends the record with one write, creating the file when it is missing. A last line
// without its line feed is ended first, so that the record starts a line of its own. When the
// write fails (a full disk), the file is cut back to its old length, or removed again when
// this Save created it: Failed, and `unchanged` tells whether that succeeded.
FileResult AppendRecord(const std::string& path, const std::string& record);

// The version of the file at `path` now; none when there is no file.
FileVersion CurrentVersion(const std::string& path);

// Reads a regular file that can be opened for reading and writing, after removing the copies
// that an interrupted Delete left beside it: its bytes and the version read. `held` is the
// content read before, given up here: a file beyond 32-bit offsets is refused unread
// (TooLarge) and hands `held` back as its bytes. Otherwise `held` is let go before the
// reading, so that two contents are never held at once, and the bytes are empty unless the
// reading succeeds; a file too large for the memory is refused then.
FileResult ReadCalcFile(const std::string& path, std::string held);

} // namespace tarvo
