#include "fontwarmup.h"

#include "fonts.h"
#include "screendesigns.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QPixmap>
#include <QHash>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <memory>

namespace sprout::FontWarmUp {

namespace {

// A design font and the letters it shows: its controls' captions, and the screen's
// replies and digits, which a control may come to show instead.
struct Lettering {
    QFont font;
    QString letters;
};

QList<Lettering> designLettering()
{
    QList<Lettering> all;
    QHash<QString, qsizetype> byFont;
    for (const ScreenDesign* design : designs::all()) {
        QString shownLater = QStringLiteral("0123456789");
        for (const Reply& reply : design->replies)
            shownLater += QString::fromUtf8(reply.shown.data(), qsizetype(reply.shown.size()));
        for (const Control& control : design->controls) {
            if (!control.showsText())
                continue;
            const Font& font = control.look.font;
            // As a control's font is, resolved against the application's.
            const QFont opened = designFont(font.family, font.points, font.bold).resolve(QApplication::font());
            auto found = byFont.constFind(opened.key());
            if (found == byFont.constEnd()) {
                found = byFont.insert(opened.key(), all.size());
                all.append({opened, {}});
            }
            all[*found].letters += QString::fromUtf8(control.text) + shownLater;
        }
    }
    for (Lettering& lettering : all) {
        QList<QChar> letters(lettering.letters.begin(), lettering.letters.end());
        std::sort(letters.begin(), letters.end());
        letters.erase(std::unique(letters.begin(), letters.end()), letters.end());
        lettering.letters = QString(letters.constData(), letters.size());
    }
    return all;
}

// Measured as a control measures its caption, at the screen's resolution, and drawn as
// it draws onto its kept picture, at the picture's: each opens a font of its own. Each
// letter at each of the quarter-pixel offsets at which it may fall.
void layDown(const Lettering& lettering, QWidget* window)
{
    const QFont font(lettering.font, window);
    const QFontMetricsF metrics(font);
    QPixmap scratch(metrics.boundingRect(lettering.letters).size().toSize() + QSize(2, 2));
    scratch.fill(Qt::transparent);
    QPainter painter(&scratch);
    painter.setFont(font);
    for (qreal offset : {0.0, 0.25, 0.5, 0.75})
        painter.drawText(QPointF(offset, metrics.ascent()), lettering.letters);
}

void layDownNext(std::shared_ptr<QList<Lettering>> fonts, QPointer<QWidget> window)
{
    if (fonts->isEmpty() || !window)
        return;
    layDown(fonts->takeFirst(), window);
    // One font an event-loop turn, so that a click waits for one font at most.
    QTimer::singleShot(0, [fonts, window] { layDownNext(fonts, window); });
}

} // namespace

void start(QWidget* window)
{
    static bool started = false;
    if (started)
        return;
    started = true;
    // Not in the turn that shows the first screen, which takes the keyboard then.
    QTimer::singleShot(0, [window = QPointer<QWidget>(window)] {
        layDownNext(std::make_shared<QList<Lettering>>(designLettering()), window);
    });
}

} // namespace sprout::FontWarmUp
