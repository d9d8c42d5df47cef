#pragma once

#include <cstdio>
#include <string>

// A file written beside its target and renamed over it only once written completely and closed, so
// a failed write never leaves a truncated file, and the temporary file is removed on every failure.
// Through a symbolic link the file it points to is replaced, not the link, as writing in place would.
// Each step reports failure by returning false; Error() then holds the system's error number.
class ReplacingFile
{
  public:
    explicit ReplacingFile(std::string fileName);
    ~ReplacingFile();
    ReplacingFile(const ReplacingFile &) = delete;
    ReplacingFile &operator=(const ReplacingFile &) = delete;

    // Creates the temporary file. Only a regular file is ever replaced, and one without write
    // permission counts as read-only, as it would on Windows, even for root.
    bool Open();
    std::FILE *File() const { return file_; }
    bool Write(const std::string &bytes);
    // Flushes, syncs and closes the temporary file (with the target's permissions), then renames it
    // over the target.
    bool Commit();
    int Error() const { return error_; }
    // The system's text for Error(), or "Not a regular file" for a pipe or device that Open refused.
    std::string Reason() const;

  private:
    bool fail();

    std::string fileName_;
    std::string tempName_;
    std::FILE *file_ = nullptr;
    int error_ = 0;
    bool notRegular_ = false;
};
