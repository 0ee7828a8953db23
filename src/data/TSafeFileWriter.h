// Rewrites a file so that a failure never destroys what was there: the new bytes go to a
// temporary file beside the target, which is synced to the disk and only then renamed over the
// target. A failed write (a full disk, a cut connection) throws and leaves the old file byte
// for byte, and nothing half-made beside it.
//
// Use: Write() as often as needed, then Commit(). Destroying the writer without Commit()
// discards the temporary file, so an exception anywhere in between leaves the target alone.
// Contract: the target's folder is writable (the temporary file lives there, so the rename
// never crosses file systems); one writer per target at a time.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <memory>
#include <stdexcept>
#include <string>

namespace xbase {
class File;
class FileSystem;
} // namespace xbase

// what() names the file and the cause ("Cannot write /x/y: No space left on device").
class ESafeWriteError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TSafeFileWriter {
public:
    explicit TSafeFileWriter(const QString& path);
    TSafeFileWriter(const QString& path, xbase::FileSystem& fs);
    ~TSafeFileWriter();
    TSafeFileWriter(const TSafeFileWriter&) = delete;
    TSafeFileWriter& operator=(const TSafeFileWriter&) = delete;

    void Write(QByteArrayView bytes);
    // Syncs the temporary file and renames it over the target.
    void Commit();

    // The whole file in one step; false with `error` set on failure (the old file stays).
    static bool WriteWhole(const QString& path, QByteArrayView bytes, QString* error = nullptr);
    // The temporary file's name for a target (left behind only by a crash, overwritten next time).
    static QString TemporaryPath(const QString& path);

private:
    void Open();
    void Flush();
    void Discard() noexcept;

    xbase::FileSystem& Files;
    std::string Target;
    std::string Temporary;
    std::unique_ptr<xbase::File> Out;
    QByteArray Pending;
    uint64_t Written = 0;
    bool Committed = false;
};
