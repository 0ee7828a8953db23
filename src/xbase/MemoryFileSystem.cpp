#include "MemoryFileSystem.h"
#include "XbaseError.h"

#include <algorithm>
#include <cstring>

namespace xbase {

class MemoryFile final : public File {
public:
    MemoryFile(MemoryFileSystem& fs, std::string path, std::shared_ptr<MemoryFileSystem::Bytes> data,
               bool writable, bool exclusive)
        : fs_(fs), path_(std::move(path)), data_(std::move(data)), writable_(writable), exclusive_(exclusive)
    {
    }
    ~MemoryFile() override
    {
        if (exclusive_)
            fs_.locked_.erase(path_);
    }

    const std::string& path() const override { return path_; }
    uint64_t size() const override { return data_->size(); }

    size_t readAt(uint64_t offset, void* buffer, size_t count) const override
    {
        if (offset >= data_->size())
            return 0;
        size_t n = std::min<uint64_t>(count, data_->size() - offset);
        std::memcpy(buffer, data_->data() + offset, n);
        return n;
    }

    void writeAt(uint64_t offset, const void* buffer, size_t count) override
    {
        if (!writable_)
            throw XbaseError("Cannot write " + path_ + ": opened read-only");
        size_t allowed = count;
        if (fs_.writeBudget_ >= 0)
            allowed = static_cast<size_t>(std::min<long long>(fs_.writeBudget_, static_cast<long long>(count)));
        if (offset + allowed > data_->size())
            data_->resize(offset + allowed);
        if (allowed > 0)
            std::memcpy(data_->data() + offset, buffer, allowed);
        if (fs_.writeBudget_ >= 0) {
            fs_.writeBudget_ -= static_cast<long long>(allowed);
            if (allowed < count)
                throw XbaseError("Cannot write " + path_ + ": no space left (simulated)");
        }
    }

    void truncate(uint64_t newSize) override
    {
        if (!writable_)
            throw XbaseError("Cannot resize " + path_ + ": opened read-only");
        data_->resize(newSize);
    }

    void flush() override {}

private:
    MemoryFileSystem& fs_;
    std::string path_;
    std::shared_ptr<MemoryFileSystem::Bytes> data_;
    bool writable_;
    bool exclusive_;
};

namespace {
std::unique_ptr<File> makeFile(MemoryFileSystem& fs, std::set<std::string>& locked, const std::string& path,
                               std::shared_ptr<MemoryFileSystem::Bytes> data, bool writable, bool exclusive)
{
    if (exclusive) {
        if (locked.count(path))
            throw XbaseError("Cannot open " + path + ": the file is in use by another program or window");
        locked.insert(path);
    }
    return std::make_unique<MemoryFile>(fs, path, std::move(data), writable, exclusive);
}
} // namespace

std::unique_ptr<File> MemoryFileSystem::open(const std::string& path, OpenMode mode, bool exclusive)
{
    auto it = files_.find(path);
    if (it == files_.end())
        throw XbaseError("Cannot open " + path + ": No such file or directory");
    return makeFile(*this, locked_, path, it->second, mode == OpenMode::ReadWrite, exclusive);
}

std::unique_ptr<File> MemoryFileSystem::create(const std::string& path, bool exclusive)
{
    auto& slot = files_[path];
    if (!slot)
        slot = std::make_shared<Bytes>();
    auto file = makeFile(*this, locked_, path, slot, true, exclusive);
    slot->clear();
    return file;
}

bool MemoryFileSystem::exists(const std::string& path) const { return files_.count(path) != 0; }

void MemoryFileSystem::remove(const std::string& path) { files_.erase(path); }

void MemoryFileSystem::rename(const std::string& from, const std::string& to)
{
    auto it = files_.find(from);
    if (it == files_.end())
        throw XbaseError("Cannot rename " + from + ": No such file or directory");
    files_[to] = it->second;
    files_.erase(it);
}

MemoryFileSystem::Bytes& MemoryFileSystem::bytes(const std::string& path)
{
    auto& slot = files_[path];
    if (!slot)
        slot = std::make_shared<Bytes>();
    return *slot;
}

} // namespace xbase
