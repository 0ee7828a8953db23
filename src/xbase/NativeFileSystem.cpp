// POSIX files. Exclusive use is an advisory whole-file lock (flock) held on the open file
// description; flock locks also conflict between two descriptors of one process, so the
// same table cannot be opened twice even by this program.
#include "FileIO.h"
#include "XbaseError.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace xbase {
namespace {

std::string systemError(const std::string& what, const std::string& path)
{
    return what + " " + path + ": " + std::strerror(errno);
}

class NativeFile final : public File {
public:
    NativeFile(std::string path, int fd) : path_(std::move(path)), fd_(fd) {}
    ~NativeFile() override { ::close(fd_); }

    const std::string& path() const override { return path_; }

    uint64_t size() const override
    {
        struct stat st {};
        if (::fstat(fd_, &st) != 0)
            throw XbaseError(systemError("Cannot read the size of", path_));
        return static_cast<uint64_t>(st.st_size);
    }

    size_t readAt(uint64_t offset, void* buffer, size_t count) const override
    {
        size_t done = 0;
        while (done < count) {
            ssize_t n = ::pread(fd_, static_cast<char*>(buffer) + done, count - done,
                                static_cast<off_t>(offset + done));
            if (n < 0) {
                if (errno == EINTR)
                    continue;
                throw XbaseError(systemError("Cannot read", path_));
            }
            if (n == 0)
                break;
            done += static_cast<size_t>(n);
        }
        return done;
    }

    void writeAt(uint64_t offset, const void* buffer, size_t count) override
    {
        size_t done = 0;
        while (done < count) {
            ssize_t n = ::pwrite(fd_, static_cast<const char*>(buffer) + done, count - done,
                                 static_cast<off_t>(offset + done));
            if (n < 0) {
                if (errno == EINTR)
                    continue;
                throw XbaseError(systemError("Cannot write", path_));
            }
            done += static_cast<size_t>(n);
        }
    }

    void truncate(uint64_t newSize) override
    {
        if (::ftruncate(fd_, static_cast<off_t>(newSize)) != 0)
            throw XbaseError(systemError("Cannot resize", path_));
    }

    void flush() override
    {
        if (::fdatasync(fd_) != 0 && errno != EINVAL)
            throw XbaseError(systemError("Cannot flush", path_));
    }

private:
    std::string path_;
    int fd_;
};

std::unique_ptr<File> openDescriptor(const std::string& path, int flags, bool exclusive)
{
    int fd = ::open(path.c_str(), flags | O_CLOEXEC, 0644);
    if (fd < 0)
        throw XbaseError(systemError("Cannot open", path));
    if (exclusive && ::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        throw XbaseError("Cannot open " + path + ": the file is in use by another program or window");
    }
    return std::make_unique<NativeFile>(path, fd);
}

class NativeFileSystem final : public FileSystem {
public:
    std::unique_ptr<File> open(const std::string& path, OpenMode mode, bool exclusive) override
    {
        return openDescriptor(path, mode == OpenMode::ReadOnly ? O_RDONLY : O_RDWR, exclusive);
    }

    std::unique_ptr<File> create(const std::string& path, bool exclusive) override
    {
        // Lock before emptying, so a file in use by someone else is never truncated.
        auto file = openDescriptor(path, O_RDWR | O_CREAT, exclusive);
        file->truncate(0);
        return file;
    }

    bool exists(const std::string& path) const override
    {
        struct stat st {};
        return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
    }

    void remove(const std::string& path) override
    {
        if (::unlink(path.c_str()) != 0 && errno != ENOENT)
            throw XbaseError(systemError("Cannot delete", path));
    }

    void rename(const std::string& from, const std::string& to) override
    {
        if (::rename(from.c_str(), to.c_str()) != 0)
            throw XbaseError(systemError("Cannot rename " + from + " to", to));
    }
};

} // namespace

FileSystem& FileSystem::native()
{
    static NativeFileSystem instance;
    return instance;
}

} // namespace xbase
