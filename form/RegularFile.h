// The programs open regular files only: a named pipe would block the opening or the reading
// for ever, and a device would be read without end. The checks never wait.
#pragma once

#include <string>

namespace tarvo {

// The reason given for a path that names something other than a regular file or a folder.
inline constexpr const char* kNotRegularFile = "Not a regular file";

struct OpenedFile {
    int descriptor = -1; // -1 when it could not be opened
    std::string reason;  // why not, in the system's words
    bool existed = true; // whether anything was at the path before
};

// Opens `path` with the flags of open(2) when it names a regular file (or nothing yet, with
// O_CREAT); the caller closes the descriptor.
OpenedFile OpenRegularFile(const std::string& path, int flags);

// False when `path` names something that exists and is no regular file.
bool IsRegularOrMissing(const std::string& path);

} // namespace tarvo
