#include "TIMbSerialStore.h"

#include "settings/TIniFile.h"

#include <algorithm>

long long TIMbSerialStore::NextFree(const QString& mailerId) const
{
    bool ok = false;
    const long long value =
        TIniFile(SettingsFile).ReadString(QLatin1String(Section), mailerId, QString()).trimmed().toLongLong(&ok);
    return ok && value >= 0 ? value : -1;
}

void TIMbSerialStore::WriteBack(const QString& mailerId, long long nextFree)
{
    if (nextFree <= NextFree(mailerId))
        return;
    TIniFile(SettingsFile).WriteString(QLatin1String(Section), mailerId, QString::number(nextFree));
}

TIMbSerialRun::TCounter& TIMbSerialRun::Counter(const QString& mailerId, long long serialStart)
{
    auto found = Counters.find(mailerId);
    if (found == Counters.end()) {
        const long long first = std::max(serialStart, Store.NextFree(mailerId));
        found = Counters.emplace(mailerId, TCounter{first, first}).first;
    }
    return found->second;
}

long long TIMbSerialRun::Serial(const QString& mailerId, long long serialStart)
{
    TCounter& counter = Counter(mailerId, serialStart);
    counter.NextFree = std::max(counter.NextFree, counter.Current + 1);
    return counter.Current;
}

void TIMbSerialRun::AdvanceCounter(const QString& mailerId)
{
    const auto found = Counters.find(mailerId);
    if (found != Counters.end())
        found->second.Current = std::max(found->second.Current + 1, found->second.NextFree);
}

TIMbSerialRun::~TIMbSerialRun()
{
    try {
        Finish();
    } catch (const TIniError&) {
        // Nothing can be told from here; the caller that finishes normally hears of it.
    }
}

void TIMbSerialRun::Finish()
{
    if (Finished)
        return;
    Finished = true;
    if (Preview)
        return;
    for (const auto& [mailerId, counter] : Counters)
        Store.WriteBack(mailerId, counter.NextFree);
}
