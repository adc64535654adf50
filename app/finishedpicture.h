#pragma once

#include <QPainter>
#include <QPixmap>

namespace sprout {

// A control's look kept as a finished picture. A window shown again repaints every
// control, and laying down a finished picture costs a fraction of shaping text and
// drawing frames afresh. `Look` holds all that the picture shows; when it changes,
// the picture is drawn again.
template <typename Look>
class FinishedPicture {
public:
    bool shows(const Look& look, qreal scale) const
    {
        return !m_picture.isNull() && m_look == look && m_picture.devicePixelRatio() == scale;
    }

    // Draws the picture afresh: `draw` paints in the control's coordinates onto a
    // picture of `area` filled with `ground` (clear, unless the control knows what
    // lies beneath it: an opaque picture is laid down several times quicker).
    template <typename Draw>
    void redraw(const QRect& area, qreal scale, const Look& look, Draw&& draw,
                const QColor& ground = Qt::transparent)
    {
        QPixmap picture((QSizeF(area.size()) * scale).toSize());
        picture.setDevicePixelRatio(scale);
        picture.fill(ground);
        QPainter painter(&picture);
        painter.translate(-area.topLeft());
        draw(painter);
        painter.end();
        m_picture = picture;
        m_at = area.topLeft();
        m_look = look;
    }

    void paint(QPainter& painter) const { painter.drawPixmap(m_at, m_picture); }
    bool held() const { return !m_picture.isNull(); }
    void release() { m_picture = {}; }

private:
    QPixmap m_picture;
    QPoint m_at;
    Look m_look;
};

// What a screen left long ago gives back: the finished pictures of its controls,
// drawn afresh when next painted.
class KeepsPicture {
public:
    virtual ~KeepsPicture() = default;
    virtual void releasePicture() = 0;
    virtual bool holdsPicture() const = 0;
};

} // namespace sprout
