#include "TSafeFileWriter.h"

#include "xbase/FileIO.h"
#include "xbase/XbaseError.h"

#include <fcntl.h>
#include <unistd.h>

namespace {
constexpr qsizetype BlockBytes = 1 << 16;

// After a rename on the real disk, the folder's entry must reach the disk too.
void SyncFolderOf(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    const std::string folder = slash == std::string::npos ? std::string(".") : path.substr(0, slash + 1);
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd); // best effort: some file systems cannot sync a folder
        ::close(fd);
    }
}
} // namespace

TSafeFileWriter::TSafeFileWriter(const QString& path) : TSafeFileWriter(path, xbase::FileSystem::native()) {}

TSafeFileWriter::TSafeFileWriter(const QString& path, xbase::FileSystem& fs)
    : Files(fs), Target(path.toStdString()), Temporary(TemporaryPath(path).toStdString())
{
    Open();
}

TSafeFileWriter::~TSafeFileWriter()
{
    if (!Committed)
        Discard();
}

QString TSafeFileWriter::TemporaryPath(const QString& path) { return path + QStringLiteral(".saving"); }

void TSafeFileWriter::Open()
{
    try {
        Out = Files.create(Temporary, true);
    } catch (const xbase::XbaseError& error) {
        throw ESafeWriteError(error.what());
    }
}

void TSafeFileWriter::Write(QByteArrayView bytes)
{
    Pending.append(bytes.data(), bytes.size());
    if (Pending.size() >= BlockBytes)
        Flush();
}

void TSafeFileWriter::Flush()
{
    if (Pending.isEmpty())
        return;
    try {
        Out->writeAt(Written, Pending.constData(), static_cast<size_t>(Pending.size()));
    } catch (const xbase::XbaseError& error) {
        Discard();
        throw ESafeWriteError(error.what());
    }
    Written += static_cast<uint64_t>(Pending.size());
    Pending.clear();
}

void TSafeFileWriter::Commit()
{
    Flush();
    try {
        Out->flush(); // the bytes on the disk before the name points at them
        Out.reset();
        Files.rename(Temporary, Target);
    } catch (const xbase::XbaseError& error) {
        Discard();
        throw ESafeWriteError(error.what());
    }
    Committed = true;
    if (&Files == &xbase::FileSystem::native())
        SyncFolderOf(Target);
}

void TSafeFileWriter::Discard() noexcept
{
    Out.reset();
    try {
        if (Files.exists(Temporary))
            Files.remove(Temporary);
    } catch (...) {
    }
}

bool TSafeFileWriter::WriteWhole(const QString& path, QByteArrayView bytes, QString* error)
{
    try {
        TSafeFileWriter writer(path);
        writer.Write(bytes);
        writer.Commit();
        return true;
    } catch (const ESafeWriteError& failure) {
        if (error)
            *error = QString::fromStdString(failure.what());
        return false;
    }
}
