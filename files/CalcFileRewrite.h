// Delete's rewrite of the calculation file. The new content goes into a copy beside the real
// file (the one a symbolic link names) with the old file's owner, group, permission bits and
// extended attributes, and a rename puts it in the old file's place: a crash at any moment
// leaves the old file or the new one, whole. The copy's name marks it, so that a copy left by
// a crash is removed at the next reading or rewrite of the file.
#pragma once

#include "FileResult.h"
#include "LockedFile.h"

#include <string>
#include <string_view>

namespace tarvo {

class CalcFileRewrite {
public:
    // Locks the file, which is to hold exactly `expected` (kept until Commit), and checks that a
    // copy can take its place keeping all its names, its owner and its permissions.
    CalcFileRewrite(const std::string& path, std::string_view expected);
    ~CalcFileRewrite();
    CalcFileRewrite(const CalcFileRewrite&) = delete;
    CalcFileRewrite& operator=(const CalcFileRewrite&) = delete;

    // Appends to the new content; the disk starts writing it at once.
    void Write(std::string_view bytes);
    // Compares the file with `expected`, then checks once more, right before the rename, that
    // it is the same file, unchanged since it was locked (its inode, size and times), and puts
    // the new content in its place: Done with the new file's version, Changed, or Failed with
    // the system's words or what cannot be kept. The old file stays as it was unless Done.
    FileResult Commit();

private:
    void CreateCopy(const struct stat& original);
    bool Writing() const;
    bool Unchanged() const;
    void Replaced();
    void Fail(std::string reason);

    LockedFile m_file;
    std::string_view m_expected;
    std::string m_realPath;
    std::string m_copyPath; // until it is renamed
    int m_copy = -1;
    off_t m_written = 0;
    FileVersion m_locked; // the file's version when it was locked
    FileResult m_result;  // Done while writing goes well
};

// Removes the copies that interrupted rewrites left beside the file at `realPath` (no link),
// which the caller holds locked.
void RemoveLeftoverCopies(const std::string& realPath);

} // namespace tarvo
