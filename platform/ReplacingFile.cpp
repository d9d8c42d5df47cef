#include "platform/ReplacingFile.h"

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

ReplacingFile::ReplacingFile(std::string fileName) : fileName_(std::move(fileName)) {}

ReplacingFile::~ReplacingFile()
{
    if (file_)
        std::fclose(file_);
    if (!tempName_.empty())
        unlink(tempName_.c_str());
}

bool ReplacingFile::fail()
{
    error_ = errno;
    if (file_)
        std::fclose(file_);
    file_ = nullptr;
    if (!tempName_.empty())
        unlink(tempName_.c_str());
    tempName_.clear();
    return false;
}

bool ReplacingFile::Open()
{
    std::string target = fileName_;
    struct stat st {
    };
    if (lstat(fileName_.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        if (char *resolved = realpath(fileName_.c_str(), nullptr)) {
            target = resolved;
            std::free(resolved);
        }
    }
    fileName_ = target;
    const bool exists = stat(target.c_str(), &st) == 0;
    if (exists && !S_ISREG(st.st_mode)) {
        notRegular_ = !S_ISDIR(st.st_mode);
        errno = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
        return fail();
    }
    if (exists && (st.st_mode & S_IWUSR) == 0) {
        errno = EACCES;
        return fail();
    }

    static std::atomic<unsigned> counter{0};
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        tempName_ = target + ".tmp" + std::to_string(getpid()) + "_" + std::to_string(counter++);
        fd = open(tempName_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0) {
        tempName_.clear(); // not ours: another file of that name, or none was made
        return fail();
    }
    if (exists && fchmod(fd, st.st_mode & 07777) != 0) {
        close(fd);
        return fail();
    }
    file_ = fdopen(fd, "wb");
    if (!file_) {
        close(fd);
        return fail();
    }
    return true;
}

std::string ReplacingFile::Reason() const
{
    return notRegular_ ? "Not a regular file" : std::strerror(error_);
}

bool ReplacingFile::Write(const std::string &bytes)
{
    if (bytes.empty())
        return true;
    return std::fwrite(bytes.data(), 1, bytes.size(), file_) == bytes.size() || fail();
}

bool ReplacingFile::Commit()
{
    if (std::fflush(file_) != 0 || fsync(fileno(file_)) != 0)
        return fail();
    std::FILE *f = file_;
    file_ = nullptr;
    if (std::fclose(f) != 0 || rename(tempName_.c_str(), fileName_.c_str()) != 0)
        return fail();
    tempName_.clear();
    return true;
}
