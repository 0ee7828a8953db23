// Serial numbers of the Intelligent Mail barcode must not repeat for a Mailer ID, so the next
// free serial of each Mailer ID is kept in the settings file, section "IMb", one key per
// Mailer ID. A print run starts each Mailer ID at that serial (or at the object's own start
// when that is higher), hands out one serial per piece, and afterwards writes the next free one
// back: after every real run, also a cancelled one (its pieces may already be printed), never
// after a preview (nothing was mailed).
#pragma once

#include <QString>

#include <map>

class TIMbSerialStore {
public:
    static constexpr const char* Section = "IMb";

    explicit TIMbSerialStore(QString settingsFile) : SettingsFile(std::move(settingsFile)) {}

    // The stored next free serial of a Mailer ID; -1 when none is kept.
    long long NextFree(const QString& mailerId) const;
    // Stores `nextFree` unless a higher serial is stored already: serials never go back.
    void WriteBack(const QString& mailerId, long long nextFree);

private:
    QString SettingsFile;
};

// The serials of one print run. Every IMb object asks for its serial before it prints a piece
// (Serial) and steps it after the piece (AdvanceCounter); Finish writes the run's next free
// serials back unless the run is a preview. A serial once handed out counts as used even when
// the run is cancelled before the step.
class TIMbSerialRun {
public:
    TIMbSerialRun(TIMbSerialStore store, bool preview) : Store(std::move(store)), Preview(preview) {}
    // A run left by an exception still writes back what it handed out.
    ~TIMbSerialRun();
    TIMbSerialRun(const TIMbSerialRun&) = delete;
    TIMbSerialRun& operator=(const TIMbSerialRun&) = delete;

    // The serial the current piece of this Mailer ID carries.
    long long Serial(const QString& mailerId, long long serialStart);
    void AdvanceCounter(const QString& mailerId);
    // Writes back once; later calls do nothing. Throws TIniError when the file cannot be written.
    void Finish();

private:
    struct TCounter {
        long long Current = 0;
        long long NextFree = 0;
    };
    TCounter& Counter(const QString& mailerId, long long serialStart);

    TIMbSerialStore Store;
    bool Preview;
    bool Finished = false;
    std::map<QString, TCounter> Counters;
};
