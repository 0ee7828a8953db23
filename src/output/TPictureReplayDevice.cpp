#include "TPictureReplayDevice.h"

#include <QPaintEngine>
#include <QPainterPath>
#include <QPicture>

namespace {

class TForwardingEngine : public QPaintEngine {
public:
    explicit TForwardingEngine(QPainter& target) : QPaintEngine(QPaintEngine::AllFeatures), Target(target) {}

    bool begin(QPaintDevice*) override
    {
        Target.save();
        Base = Target.transform();
        BaseClip = Target.hasClipping() ? Target.clipPath() : QPainterPath();
        HasBaseClip = Target.hasClipping();
        // A picture starts from a fresh painter's state, not from what the page had in force.
        Target.setPen(QPen());
        Target.setBrush(Qt::NoBrush);
        Target.setFont(QFont());
        Target.setBackgroundMode(Qt::TransparentMode);
        Target.setCompositionMode(QPainter::CompositionMode_SourceOver);
        Target.setOpacity(1.0);
        return true;
    }
    bool end() override
    {
        Target.restore();
        return true;
    }
    Type type() const override { return QPaintEngine::User; }

    void updateState(const QPaintEngineState& state) override
    {
        const DirtyFlags dirty = state.state();
        if (dirty & DirtyTransform)
            Target.setTransform(state.transform() * Base);
        if (dirty & DirtyPen)
            Target.setPen(state.pen());
        if (dirty & DirtyBrush)
            Target.setBrush(state.brush());
        if (dirty & DirtyBrushOrigin)
            Target.setBrushOrigin(state.brushOrigin());
        if (dirty & DirtyFont)
            Target.setFont(state.font());
        if (dirty & DirtyBackground)
            Target.setBackground(state.backgroundBrush());
        if (dirty & DirtyBackgroundMode)
            Target.setBackgroundMode(state.backgroundMode());
        if (dirty & DirtyHints)
            Target.setRenderHints(state.renderHints());
        if (dirty & DirtyCompositionMode)
            Target.setCompositionMode(state.compositionMode());
        if (dirty & DirtyOpacity)
            Target.setOpacity(state.opacity());
        if (dirty & DirtyClipPath)
            Clip(state.clipOperation(), state.clipPath());
        if (dirty & DirtyClipRegion) {
            QPainterPath path;
            path.addRegion(state.clipRegion());
            Clip(state.clipOperation(), path);
        }
        if ((dirty & DirtyClipEnabled) && !state.isClipEnabled())
            Clip(Qt::NoClip, QPainterPath());
    }

    void drawPath(const QPainterPath& path) override { Target.drawPath(path); }
    void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override
    {
        if (mode == PolylineMode)
            Target.drawPolyline(points, count);
        else
            Target.drawPolygon(points, count, mode == WindingMode ? Qt::WindingFill : Qt::OddEvenFill);
    }
    void drawPixmap(const QRectF& rect, const QPixmap& pixmap, const QRectF& source) override
    {
        Target.drawPixmap(rect, pixmap, source);
    }
    void drawImage(const QRectF& rect, const QImage& image, const QRectF& source, Qt::ImageConversionFlags flags) override
    {
        Target.drawImage(rect, image, source, flags);
    }
    void drawTiledPixmap(const QRectF& rect, const QPixmap& pixmap, const QPointF& offset) override
    {
        Target.drawTiledPixmap(rect, pixmap, offset);
    }
    void drawTextItem(const QPointF& point, const QTextItem& item) override { Target.drawTextItem(point, item); }

private:
    // The picture never draws outside the clip the page gave it, whatever it sets itself.
    void Clip(Qt::ClipOperation operation, const QPainterPath& path)
    {
        const QTransform current = Target.transform();
        Target.setTransform(Base);
        if (HasBaseClip)
            Target.setClipPath(BaseClip, Qt::ReplaceClip);
        else
            Target.setClipping(false);
        Target.setTransform(current);
        if (operation != Qt::NoClip && !path.isEmpty())
            Target.setClipPath(path, HasBaseClip ? Qt::IntersectClip : Qt::ReplaceClip);
    }

    QPainter& Target;
    QTransform Base;
    QPainterPath BaseClip;
    bool HasBaseClip = false;
};

} // namespace

TPictureReplayDevice::TPictureReplayDevice(QPainter& target)
    : Engine(std::make_unique<TForwardingEngine>(target)), Dpi(QPicture().logicalDpiY())
{
}

TPictureReplayDevice::~TPictureReplayDevice() = default;

QPaintEngine* TPictureReplayDevice::paintEngine() const
{
    return Engine.get();
}

int TPictureReplayDevice::metric(PaintDeviceMetric metric) const
{
    switch (metric) {
    case PdmWidth:
    case PdmHeight:
        return 1 << 20;
    case PdmWidthMM:
    case PdmHeightMM:
        return int((1 << 20) * 25.4 / Dpi);
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY:
        return Dpi;
    case PdmNumColors:
        return 1 << 24;
    case PdmDepth:
        return 32;
    case PdmDevicePixelRatio:
        return 1;
    case PdmDevicePixelRatioScaled:
        return int(QPaintDevice::devicePixelRatioFScale());
    }
    return 0;
}

void TPictureReplayDevice::Play(const QPicture& picture, const QTransform& transform)
{
    QPainter painter(this);
    painter.setTransform(transform);
    painter.drawPicture(QPointF(0, 0), picture);
}
