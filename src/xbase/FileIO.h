// File access for the engine. Tables, memo files and indexes never touch the operating system
// directly: they go through File and FileSystem, so tests can run on the in-memory file system,
// damage bytes and tear writes.
//
// Contract: offsets and sizes are in bytes; readAt returns fewer bytes than asked only at the
// end of the file; every other failure throws XbaseError naming the file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace xbase {

class File {
public:
    virtual ~File() = default;
    virtual const std::string& path() const = 0;
    virtual uint64_t size() const = 0;
    virtual size_t readAt(uint64_t offset, void* buffer, size_t count) const = 0;
    virtual void writeAt(uint64_t offset, const void* buffer, size_t count) = 0;
    virtual void truncate(uint64_t newSize) = 0;
    // Pushes written bytes to stable storage (fsync on disk).
    virtual void flush() = 0;
};

enum class OpenMode { ReadOnly, ReadWrite };

class FileSystem {
public:
    virtual ~FileSystem() = default;
    // Opens an existing file. With exclusive set, a second exclusive open of the same file,
    // by this process or another, fails with XbaseError until the first File is destroyed.
    virtual std::unique_ptr<File> open(const std::string& path, OpenMode mode, bool exclusive) = 0;
    // Creates the file (emptying an existing one) for reading and writing.
    virtual std::unique_ptr<File> create(const std::string& path, bool exclusive) = 0;
    virtual bool exists(const std::string& path) const = 0;
    virtual void remove(const std::string& path) = 0;
    // Replaces `to` by `from` in one step (a crash leaves one or the other).
    virtual void rename(const std::string& from, const std::string& to) = 0;

    // The real file system of the machine.
    static FileSystem& native();
};

} // namespace xbase
