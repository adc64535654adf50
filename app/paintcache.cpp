#include "paintcache.h"

#include "afterfirstframe.h"

#include <QCache>
#include <QCoreApplication>
#include <QPaintDevice>
#include <QPainter>
#include <QPixmap>
#include <QWidget>

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

bool drawingStraight = false;

} // namespace

QString PaintCache::placeOf(const QRect& area)
{
    return QStringLiteral("%1,%2 %3x%4").arg(area.x()).arg(area.y()).arg(area.width()).arg(area.height());
}

void PaintCache::setScale(double scale)
{
    kept().setMaxCost(qRound(kKilobytes * scale * scale));
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
    // be kept: drawn straight, it costs no picture to fill and copy.
    if (kilobytes > kept().maxCost() || drawingStraight)
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

void PaintCache::drawStraightUntilFrame(QWidget* window)
{
    drawingStraight = true;
    AfterFirstFrame::run(window, [] { drawingStraight = false; });
    // Full screen switched off again before its first frame ends it too.
    QObject::connect(window, &QObject::destroyed, [] { drawingStraight = false; });
}

} // namespace sprout
