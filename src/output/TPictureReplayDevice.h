// Plays a QPicture onto a painter of any resolution. A QPicture keeps its fonts in points and
// resolves them at the target device's resolution before the world transform applies, so a
// picture recorded on the screen and stretched onto a 1200 dpi printer would show its text
// 12.5 times too large. This device claims the picture's own resolution and hands every
// drawing call on to the real painter, so text scales with the geometry like everything else.
#pragma once

#include <QPaintDevice>
#include <QPainter>

#include <memory>

class QPicture;

class TPictureReplayDevice : public QPaintDevice {
public:
    explicit TPictureReplayDevice(QPainter& target);
    ~TPictureReplayDevice() override;

    // Draws `picture` with `transform` applied after the target's own transform and clip.
    void Play(const QPicture& picture, const QTransform& transform);

    QPaintEngine* paintEngine() const override;

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    std::unique_ptr<QPaintEngine> Engine;
    int Dpi;
};
