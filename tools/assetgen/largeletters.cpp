#include "largeletters.h"

#include <QCache>
#include <QGlyphRun>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>
#include <QTextLayout>
#include <QtMath>

namespace sprout::LargeLetters {

namespace {

constexpr int kLargestKept = 64; // Qt's bound on the letters it keeps as pictures

struct Line {
    QPointF baseline;
    QString text;
    QFont font;
    QBrush ink;
};

struct Shape {
    QPainterPath path;
    QPen pen;
    QBrush brush;
};

// Takes down what a painter lays down instead of drawing it.
class Recorder : public QPaintEngine {
public:
    Recorder() : QPaintEngine(AllFeatures) {}
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    Type type() const override { return User; }
    void updateState(const QPaintEngineState& state) override
    {
        if (state.state() & DirtyPen)
            m_pen = state.pen();
        if (state.state() & DirtyBrush)
            m_brush = state.brush();
    }
    void drawTextItem(const QPointF& baseline, const QTextItem& item) override
    {
        lines.append({baseline, item.text(), item.font(), m_pen.brush()});
    }
    void drawPath(const QPainterPath& path) override { shapes.append({path, m_pen, m_brush}); }
    void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override
    {
        QPainterPath path;
        path.addPolygon(QPolygonF(QList<QPointF>(points, points + count)));
        if (mode != PolylineMode)
            path.closeSubpath();
        shapes.append({path, m_pen, mode == PolylineMode ? QBrush() : m_brush});
    }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}

    QList<Line> lines;
    QList<Shape> shapes;

private:
    QPen m_pen;
    QBrush m_brush;
};

// A device measured as the one painted on, so that text is laid out as it would be there.
class RecordingDevice : public QPaintDevice {
public:
    explicit RecordingDevice(const QPaintDevice& like) : m_like(like) {}
    QPaintEngine* paintEngine() const override { return &m_recorder; }
    Recorder& recorder() const { return m_recorder; }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth: return m_like.width();
        case PdmHeight: return m_like.height();
        case PdmWidthMM: return m_like.widthMM();
        case PdmHeightMM: return m_like.heightMM();
        case PdmNumColors: return m_like.colorCount();
        case PdmDepth: return m_like.depth();
        case PdmDpiX: return m_like.logicalDpiX();
        case PdmDpiY: return m_like.logicalDpiY();
        case PdmPhysicalDpiX: return m_like.physicalDpiX();
        case PdmPhysicalDpiY: return m_like.physicalDpiY();
        case PdmDevicePixelRatio: return m_like.devicePixelRatio();
        case PdmDevicePixelRatioScaled: return int(m_like.devicePixelRatioF() * devicePixelRatioFScale());
        }
        return 0;
    }

private:
    const QPaintDevice& m_like;
    mutable Recorder m_recorder;
};

// A letter's outline, read from its font once: a menu bar is drawn afresh each time.
// Pictures are drawn on other threads as well, each with outlines of its own.
const QPainterPath& outline(const QRawFont& font, quint32 glyph)
{
    thread_local QCache<QString, QPainterPath> outlines(2000); // letters of a few sizes of a few fonts
    const QString key = QStringLiteral("%1|%2|%3|%4|%5")
                            .arg(font.familyName(), font.styleName())
                            .arg(font.pixelSize())
                            .arg(int(font.weight()))
                            .arg(glyph);
    if (QPainterPath* kept = outlines.object(key))
        return *kept;
    auto* read = new QPainterPath(font.pathForGlyph(glyph));
    outlines.insert(key, read);
    return *read;
}

void fillLetters(QPainter& painter, const Line& line)
{
    QTextLayout layout(line.text, line.font, painter.device());
    layout.beginLayout();
    const QTextLine laid = layout.createLine();
    layout.endLayout();
    if (!laid.isValid())
        return;
    const QPointF origin = line.baseline - QPointF(0, laid.ascent());
    for (const QGlyphRun& run : layout.glyphRuns()) {
        const QRawFont font = run.rawFont();
        const QList<quint32> glyphs = run.glyphIndexes();
        const QList<QPointF> places = run.positions();
        for (qsizetype i = 0; i < glyphs.size(); ++i)
            painter.fillPath(outline(font, glyphs[i]).translated(origin + places[i]), line.ink);
    }
}

} // namespace

bool drawnFromOutlines(const QPainter& painter)
{
    const qreal scale = qSqrt(qAbs(painter.deviceTransform().determinant()));
    return painter.fontInfo().pixelSize() * scale >= kLargestKept;
}

void draw(QPainter& painter, const std::function<void(QPainter&)>& layDown)
{
    if (!drawnFromOutlines(painter))
        return layDown(painter);
    RecordingDevice device(*painter.device());
    {
        QPainter recording(&device);
        recording.setFont(painter.font());
        recording.setPen(painter.pen());
        recording.setBrush(painter.brush());
        layDown(recording);
    }
    painter.save();
    for (const Shape& shape : std::as_const(device.recorder().shapes)) {
        painter.setPen(shape.pen);
        painter.setBrush(shape.brush);
        painter.drawPath(shape.path);
    }
    painter.setRenderHint(QPainter::Antialiasing); // as Qt fills letters' outlines
    for (const Line& line : std::as_const(device.recorder().lines))
        fillLetters(painter, line);
    painter.restore();
}

} // namespace sprout::LargeLetters
