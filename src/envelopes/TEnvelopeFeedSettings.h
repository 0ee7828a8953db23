// How the user feeds envelopes into the printer (settings section "Envelope Feed"): portrait or
// landscape, facing up or down, at the left, right or centre of the feed, and whether the
// printer turns landscape pages clockwise. The printer, paper source, paper and orientation
// the envelopes print with are kept in "Envelope Printer". Both are read when the setup screen
// opens and before every run; the windows write them before every run and after Printer Setup,
// the command line never.
#pragma once

#include "output/TBaseReport.h"

#include <QString>
#include <QStringList>

enum class TFeedOrientation { foPortrait = 0, foLandscape = 1 };
enum class TFeedFacing { ffUp = 0, ffDown = 1 };
enum class TFeedPosition { fpLeft = 0, fpRight = 1, fpCenter = 2 };

struct TEnvelopeFeedSettings {
    static constexpr const char* Section = "Envelope Feed";

    TFeedOrientation Orientation = TFeedOrientation::foLandscape;
    TFeedFacing Facing = TFeedFacing::ffDown;
    TFeedPosition Position = TFeedPosition::fpCenter;
    bool ClockWiseRotation = false;

    static TEnvelopeFeedSettings Read(const QString& settingsFile);
    void Write(const QString& settingsFile) const;
    // "portrait|landscape,up|down,left|right|center[,clockwise]"; throws std::invalid_argument.
    static TEnvelopeFeedSettings Parse(const QString& text);
    // The confirmation dialog's description, lines joined by "\r\n".
    QString Description() const;
    TOrientation PageOrientation() const
    {
        return Orientation == TFeedOrientation::foLandscape ? TOrientation::poLandscape : TOrientation::poPortrait;
    }
    bool operator==(const TEnvelopeFeedSettings&) const = default;
};

struct TEnvelopePrinterSettings {
    static constexpr const char* Section = "Envelope Printer";

    QString Printer;
    QString Bin;
    QString Paper;
    int Orientation = -1; // -1: the printer's current orientation

    static TEnvelopePrinterSettings Read(const QString& settingsFile);
    // What the job reports now: its device name, source, paper and orientation.
    static TEnvelopePrinterSettings Of(TBaseReport& job);
    void Write(const QString& settingsFile) const;
    // Selects what can be selected on `job`; a name the printer no longer has is skipped.
    void Apply(TBaseReport& job) const;

    // The names tried for a stored printer name: the name as stored, then (when it holds one)
    // the name cut before its first " ON " in any case, which drops a port ending ("Laser on
    // LPT1:"). Trying the whole name first keeps printers whose own name holds " on " usable.
    static QStringList PrinterNameCandidates(const QString& stored);
};
