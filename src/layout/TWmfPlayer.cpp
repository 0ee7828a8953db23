#include "TWmfPlayer.h"

#include <QBrush>
#include <QPainter>
#include <QPen>
#include <QPolygonF>
#include <QtEndian>

#include <optional>
#include <variant>
#include <vector>

namespace {

constexpr uint32_t kPlaceableKey = 0x9AC6CDD7u;

struct TRecordReader {
    const uchar* Data;
    qsizetype Words;   // parameter words of the record
    int16_t Param(qsizetype index) const { return index < Words ? qFromLittleEndian<int16_t>(Data + 2 * index) : 0; }
    QColor Color(qsizetype index) const
    {
        return index + 1 < Words ? QColor(Data[2 * index], Data[2 * index + 1], Data[2 * index + 2]) : QColor(Qt::black);
    }
};

using TObject = std::variant<std::monostate, QPen, QBrush>;

} // namespace

bool TWmfPlayer::Play(const QByteArray& bytes, QPainter& painter, const QRectF& target)
{
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    qsizetype at = 0;
    QRectF window;
    if (bytes.size() >= 22 && qFromLittleEndian<uint32_t>(data) == kPlaceableKey) {
        const int left = qFromLittleEndian<int16_t>(data + 6), top = qFromLittleEndian<int16_t>(data + 8);
        const int right = qFromLittleEndian<int16_t>(data + 10), bottom = qFromLittleEndian<int16_t>(data + 12);
        window = QRectF(QPointF(left, top), QPointF(right, bottom));
        at = 22;
    }
    if (bytes.size() - at < 18)
        return false;
    const int type = qFromLittleEndian<uint16_t>(data + at), headerWords = qFromLittleEndian<uint16_t>(data + at + 2);
    if ((type != 1 && type != 2) || headerWords != 9)
        return false;
    const int objectCount = qFromLittleEndian<uint16_t>(data + at + 10);
    at += 18;

    std::vector<TObject> objects(static_cast<size_t>(objectCount));
    QPen pen(Qt::black, 0);
    QBrush brush(Qt::white);
    QPointF position;
    QPolygonF polygon;
    painter.save();
    auto mapWindow = [&] {
        if (!window.isValid() || window.width() == 0 || window.height() == 0)
            return;
        QTransform transform;
        transform.translate(target.left(), target.top());
        transform.scale(target.width() / window.width(), target.height() / window.height());
        transform.translate(-window.left(), -window.top());
        painter.setWorldTransform(transform, true);
    };
    const QTransform base = painter.worldTransform();
    mapWindow();
    auto rect = [](const TRecordReader& r, qsizetype first) {
        return QRectF(QPointF(r.Param(first + 3), r.Param(first + 2)), QPointF(r.Param(first + 1), r.Param(first)));
    };
    while (bytes.size() - at >= 6) {
        const uint32_t words = qFromLittleEndian<uint32_t>(data + at);
        const int function = qFromLittleEndian<uint16_t>(data + at + 4);
        if (function == 0 || words < 3 || qint64(words) * 2 > bytes.size() - at)
            break;
        const TRecordReader r{data + at + 6, qsizetype(words) - 3};
        at += qsizetype(words) * 2;
        painter.setPen(pen);
        painter.setBrush(brush);
        switch (function) {
        case 0x020B: // window origin
            window.moveTo(r.Param(1), r.Param(0));
            painter.setWorldTransform(base);
            mapWindow();
            break;
        case 0x020C: // window extent
            window.setSize(QSizeF(r.Param(1), r.Param(0)));
            painter.setWorldTransform(base);
            mapWindow();
            break;
        case 0x0214: position = QPointF(r.Param(1), r.Param(0)); break;
        case 0x0213: {
            const QPointF to(r.Param(1), r.Param(0));
            painter.drawLine(position, to);
            position = to;
            break;
        }
        case 0x041B: painter.drawRect(rect(r, 0)); break;
        case 0x0418: painter.drawEllipse(rect(r, 0)); break;
        case 0x061C: painter.drawRoundedRect(rect(r, 2), r.Param(1) / 2.0, r.Param(0) / 2.0); break;
        case 0x0325:
        case 0x0324: {
            const qsizetype count = std::min<qsizetype>(r.Param(0), (r.Words - 1) / 2);
            polygon.clear();
            for (qsizetype i = 0; i < count; ++i)
                polygon << QPointF(r.Param(1 + 2 * i), r.Param(2 + 2 * i));
            if (function == 0x0325)
                painter.drawPolyline(polygon);
            else
                painter.drawPolygon(polygon);
            break;
        }
        case 0x02FA:
        case 0x02FC: {
            TObject object;
            if (function == 0x02FA) {
                const int style = r.Param(0) & 0x0F;
                object = style == 5 ? QPen(Qt::NoPen) : QPen(r.Color(3), std::max<int>(0, r.Param(1)));
            } else {
                object = r.Param(0) == 1 ? QBrush(Qt::NoBrush) : QBrush(r.Color(1));
            }
            for (TObject& slot : objects) {
                if (std::holds_alternative<std::monostate>(slot)) {
                    slot = object;
                    break;
                }
            }
            break;
        }
        case 0x012D: {
            const auto index = size_t(uint16_t(r.Param(0)));
            if (index < objects.size()) {
                if (const auto* selected = std::get_if<QPen>(&objects[index]))
                    pen = *selected;
                else if (const auto* chosen = std::get_if<QBrush>(&objects[index]))
                    brush = *chosen;
            }
            break;
        }
        case 0x01F0: {
            const auto index = size_t(uint16_t(r.Param(0)));
            if (index < objects.size())
                objects[index] = std::monostate();
            break;
        }
        default: break; // records this player does not draw are passed over
        }
    }
    painter.restore();
    return true;
}
