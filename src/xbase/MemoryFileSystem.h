// An in-memory FileSystem for tests and fuzzing: files are byte vectors that a test can read,
// damage or cut short directly, and a write budget can make a write fail part-way (a torn write).
#pragma once

#include "FileIO.h"

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace xbase {

class MemoryFileSystem final : public FileSystem {
public:
    using Bytes = std::vector<uint8_t>;

    std::unique_ptr<File> open(const std::string& path, OpenMode mode, bool exclusive) override;
    std::unique_ptr<File> create(const std::string& path, bool exclusive) override;
    bool exists(const std::string& path) const override;
    void remove(const std::string& path) override;
    void rename(const std::string& from, const std::string& to) override;

    // Direct access to a file's bytes (created empty when missing).
    Bytes& bytes(const std::string& path);
    // After this many more bytes are written (over all files), every write throws XbaseError
    // having written only the bytes inside the budget. Negative: no limit.
    void setWriteBudget(long long bytes) { writeBudget_ = bytes; }

private:
    friend class MemoryFile;
    std::map<std::string, std::shared_ptr<Bytes>> files_;
    std::set<std::string> locked_;
    long long writeBudget_ = -1;
};

} // namespace xbase
