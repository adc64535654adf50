#include "fontwarmup.h"

#include "fonts.h"
#include "screendesigns.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QSet>
#include <QTimer>
#include <QWidget>
#include <memory>

namespace sprout::FontWarmUp {

namespace {

bool showsText(const Control& control)
{
    return control.text && control.kind != Kind::Image && control.kind != Kind::PictureBox
           && control.kind != Kind::ImageList && control.kind != Kind::Line;
}

QList<QFont> designFonts(const std::function<double(const WindowDesign&)>& scaleOf)
{
    QList<QFont> fonts;
    QSet<QString> seen;
    for (const ScreenDesign* design : designs::all()) {
        const double scale = scaleOf(design->window);
        for (const Control& control : design->controls) {
            if (!showsText(control))
                continue;
            const Font& font = control.look.font;
            // As a control's font is, resolved against the application's.
            const QFont opened = designFont(font.family, font.points, font.bold, scale).resolve(QApplication::font());
            if (!seen.contains(opened.key())) {
                seen.insert(opened.key());
                fonts << opened;
            }
        }
    }
    return fonts;
}

// Measured as a control measures its caption, at the screen's resolution, and drawn as
// it draws onto its kept picture, at the picture's: each opens a font of its own.
// Every printable letter, since replies and scores show letters no caption has, and
// at each of the quarter-pixel offsets at which a letter may fall.
void layDown(const QFont& font, QWidget* window)
{
    QString letters;
    for (char letter = ' '; letter <= '~'; ++letter)
        letters += QLatin1Char(letter);
    const QFontMetricsF metrics(QFont(font, window));
    const QSize size = metrics.boundingRect(letters).size().toSize() + QSize(2, 2);
    QPixmap scratch(size);
    scratch.fill(Qt::transparent);
    QPainter painter(&scratch);
    painter.setFont(QFont(font, window));
    for (qreal offset : {0.0, 0.25, 0.5, 0.75})
        painter.drawText(QPointF(offset, metrics.ascent()), letters);
}

void layDownNext(std::shared_ptr<QList<QFont>> fonts, QPointer<QWidget> window)
{
    if (fonts->isEmpty() || !window)
        return;
    layDown(fonts->takeFirst(), window);
    // One font an event-loop turn, so that a click waits for one font at most.
    QTimer::singleShot(0, [fonts, window] { layDownNext(fonts, window); });
}

} // namespace

void start(QWidget* window, std::function<double(const WindowDesign&)> scaleOf)
{
    static bool started = false;
    if (started)
        return;
    started = true;
    layDownNext(std::make_shared<QList<QFont>>(designFonts(scaleOf)), window);
}

} // namespace sprout::FontWarmUp
