// The calculation file on disk. Records are only ever appended, or the whole content is
// replaced by a new file renamed over the old one; an advisory lock keeps a Save and a
// Delete of two calculators from losing each other's work.
#pragma once

#include <string>

namespace tarvo {

struct FileResult {
    bool ok = true;
    std::string reason; // the system's words when not ok
};

// Appends the record with one write, creating the file when it is missing.
FileResult AppendRecord(const std::string& path, const std::string& record);

enum class ReadStatus { Ok, CannotOpen, TooLarge };

struct FileContent {
    ReadStatus status = ReadStatus::Ok;
    std::string bytes;
    std::string reason;
};

// Reads a file that can be opened for reading and writing; a file beyond 32-bit offsets is
// refused, never read in part.
FileContent ReadCalcFile(const std::string& path);

enum class ReplaceStatus { Replaced, Changed, Failed };

// Replaces the content by `replacement`, but only while the file still holds exactly
// `expected`: a change by anyone else since it was read wins over the replacement.
ReplaceStatus ReplaceIfUnchanged(const std::string& path, const std::string& expected,
                                 const std::string& replacement, std::string& reason);

} // namespace tarvo
