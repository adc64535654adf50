#include "paintcache.h"

#include <QCache>
#include <QCoreApplication>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPixmap>
#include <QSet>

namespace sprout {

namespace {

QCache<QString, QPixmap>& kept()
{
    static QCache<QString, QPixmap> cache(PaintCache::kKilobytes);
    // Pixmaps go before the application that made them.
    static const bool clearedAtExit = (qAddPostRoutine([] { kept().clear(); }), true);
    Q_UNUSED(clearedAtExit);
    return cache;
}

// The looks painted once and not kept, by their keys' hashes. A look is kept from its
// second paint: a first frame (a screen's first, full screen's first) costs no picture
// to fill, copy and hold, which at full screen is several megabytes of fresh memory.
QSet<size_t>& paintedOnce()
{
    static QSet<size_t> keys;
    return keys;
}

// Whether a paint shows the whole of its area, not a part of it repainted (under a
// neighbour that changed): keeping a picture for a part would draw the whole.
bool paintsWhole(const QPainter& painter, QSize pixels)
{
    const QRect clip = painter.paintEngine() ? painter.paintEngine()->systemClip().boundingRect() : QRect();
    return clip.isEmpty() || qint64(clip.width()) * clip.height() >= qint64(pixels.width()) * pixels.height() * 9 / 10;
}

// Whether a look is painted whole for the first time; it is then remembered for the next.
bool firstPaint(const QString& key)
{
    constexpr qsizetype kRemembered = 4096;
    const size_t hash = qHash(key);
    if (paintedOnce().remove(hash))
        return false;
    if (paintedOnce().size() >= kRemembered)
        paintedOnce().clear();
    paintedOnce().insert(hash);
    return true;
}

} // namespace

QString PaintCache::placeOf(const QRect& area)
{
    return QStringLiteral("%1,%2 %3x%4").arg(area.x()).arg(area.y()).arg(area.width()).arg(area.height());
}

void PaintCache::setScale(double scale)
{
    kept().setMaxCost(qRound(kKilobytes * scale * scale));
    paintedOnce().clear(); // the looks of another scale are not painted again soon
}

void PaintCache::paint(QPainter& painter, const QRect& area, const QString& look,
                       const std::function<void(QPainter&)>& draw, Ground ground)
{
    const qreal scale = painter.device()->devicePixelRatioF();
    const QString key = placeOf(area) + QStringLiteral(" @%1 ").arg(scale) + look;
    if (const QPixmap* picture = kept().object(key)) {
        painter.drawPixmap(area.topLeft(), *picture);
        return;
    }
    const QSize pixels = (QSizeF(area.size()) * scale).toSize();
    const int kilobytes = qMax(1, int(qint64(pixels.width()) * pixels.height() * 4 / 1024));
    // Larger than the whole cache (a frame of the full-screen classroom), it could never
    // be kept: drawn straight, it costs no picture to fill and copy. So is a look's first
    // paint, and a part of one repainted.
    if (kilobytes > kept().maxCost() || !paintsWhole(painter, pixels) || firstPaint(key))
        return draw(painter);
    auto picture = std::make_unique<QPixmap>(pixels);
    picture->setDevicePixelRatio(scale);
    picture->fill(ground == Ground::Opaque ? Qt::white : Qt::transparent);
    QPainter onPicture(picture.get());
    onPicture.translate(-area.topLeft());
    draw(onPicture);
    onPicture.end();
    painter.drawPixmap(area.topLeft(), *picture);
    kept().insert(key, picture.release(), kilobytes);
}

} // namespace sprout
