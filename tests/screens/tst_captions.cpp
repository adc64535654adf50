// Every caption of every screen as a person sees it: all inside its box, and enough contrast.
#include "controls.h"
#include "screenfactory.h"
#include "screentesting.h"

#include <QGroupBox>
#include <QPainter>
#include <QStyleOptionButton>
#include <algorithm>
#include <cmath>
#include <vector>

using namespace sprout;
using namespace sprout::testing;

namespace {

QImage look(QWidget* control)
{
    QImage image(control->size() * control->devicePixelRatio(), QImage::Format_RGB32);
    image.setDevicePixelRatio(control->devicePixelRatio());
    image.fill(Qt::magenta); // a colour no caption is written in
    control->render(&image, {}, {}, QWidget::DrawChildren);
    return image;
}

// The ink of the caption written out whole on one line, black on white.
double inkOfWholeCaption(const QString& caption, const QFont& font, qreal scale)
{
    const QFontMetrics metrics(font);
    double total = 0;
    for (const QString& line : caption.split('\n')) {
        QImage image(QSize(metrics.horizontalAdvance(line) + 4 * metrics.height(), 3 * metrics.height()) * scale,
                     QImage::Format_RGB32);
        image.setDevicePixelRatio(scale);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setFont(font);
        painter.drawText(2 * metrics.height(), 2 * metrics.height(), line);
        painter.end();
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                total += (255 - qGray(image.pixel(x, y))) / 255.0;
    }
    return total;
}

// A caption's ink (how far it moves each pixel towards its colour) lies inside its box and
// all shows: a line or a letter's foot cut off takes ink away, closed-up letters hardly any.
QString captionProblem(QWidget* control, const std::function<void(const QString&)>& setCaption,
                       const QString& caption, QColor colour, const QRect& box)
{
    const QImage with = look(control);
    setCaption(QString());
    const QImage without = look(control);
    setCaption(caption);
    const qreal scale = with.devicePixelRatio();
    double shown = 0;
    for (int y = 0; y < with.height(); ++y)
        for (int x = 0; x < with.width(); ++x) {
            const double full = std::max(channelDistance(colour.rgb(), without.pixel(x, y)), 64);
            const double amount = std::min(1.0, channelDistance(with.pixel(x, y), without.pixel(x, y)) / full);
            shown += amount;
            if (amount > 0.25 && !box.contains(int(x / scale), int(y / scale)))
                return QString("has ink at (%1, %2), outside its box %3").arg(x).arg(y).arg(QDebug::toString(box));
        }
    const double whole = inkOfWholeCaption(caption, control->font(), scale);
    return shown < 0.998 * whole ? QString("shows %1 % of its ink").arg(100 * shown / whole, 0, 'f', 1) : QString();
}

// WCAG's relative luminance.
double luminance(QColor colour)
{
    auto linear = [](double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
}

// The contrast of a caption's ink against the median of the rest of its box.
double contrastInPicture(const QImage& picture, const QRect& box, QColor ink)
{
    std::vector<double> around;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x) {
            const QColor pixel = picture.pixelColor(x, y);
            if (channelDistance(pixel.rgb(), ink.rgb()) > 48)
                around.push_back(luminance(pixel));
        }
    if (around.empty())
        return 1;
    std::nth_element(around.begin(), around.begin() + around.size() / 2, around.end());
    const auto [dark, light] = std::minmax({luminance(ink), around[around.size() / 2]});
    return (light + 0.05) / (dark + 0.05);
}

} // namespace

class TestCaptions : public QObject {
    Q_OBJECT
private slots:
    void everyCaptionIsSeenWhole_data() { addRowPerScreen(); }
    // Contrast on a picture of the screen as drawn: 4.5:1 at least, as WCAG asks of text.
    void everyCaptionIsSeenWhole()
    {
        QFETCH(ScreenId, id);
        ScreenRegistry registry(createScreen);
        ReportRecorder reports;
        QVERIFY2(registry.show(id), qPrintable(reports.messages.join("; ")));
        const QStringList design = registry.reference(id).designProblems();
        QVERIFY2(design.isEmpty(), qPrintable(design.join("; ")));
        QWidget* client = registry.reference(id).client();
        QStringList problems;
        auto note = [&](const QWidget* widget, const QString& text, const QString& problem) {
            if (!problem.isEmpty())
                problems << widget->objectName() + " \"" + text + "\" " + problem;
        };
        for (auto* label : client->findChildren<ClickLabel*>())
            if (!label->text().isEmpty() && label->pixmap().isNull())
                note(label, label->text(),
                     captionProblem(label, [label](const QString& text) { label->setText(text); }, label->text(),
                                    label->palette().color(label->foregroundRole()), label->rect()));
        for (auto* button : client->findChildren<WrapButton*>()) {
            QStyleOptionButton option;
            option.initFrom(button);
            note(button, button->text(),
                 captionProblem(button, [button](const QString& text) { button->setText(text); }, button->text(),
                                button->palette().color(QPalette::ButtonText),
                                button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button)));
        }
        for (auto* frame : client->findChildren<QGroupBox*>())
            if (frame->height() >= 4 && !frame->title().isEmpty()) // a separator line's caption never shows
                note(frame, frame->title(),
                     captionProblem(frame, [frame](const QString& text) { frame->setTitle(text); }, frame->title(),
                                    frame->palette().color(QPalette::WindowText), frame->rect()));
        const QImage picture = client->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const qreal scale = picture.devicePixelRatio();
        for (auto* label : client->findChildren<ClickLabel*>()) {
            const QRect box(label->mapTo(client, QPoint(0, 0)), label->size());
            if (label->text().isEmpty() || !label->isVisible() || client->childAt(box.center()) != label)
                continue; // nothing to read, or hidden under a picture
            const QRect pixels = QRectF(QPointF(box.topLeft()) * scale, QSizeF(box.size()) * scale).toRect();
            const double ratio = contrastInPicture(picture, pixels.intersected(picture.rect()),
                                                   label->palette().color(QPalette::WindowText));
            if (ratio < 4.5)
                note(label, label->text(), QString("%1:1").arg(ratio, 0, 'f', 2));
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join("\n")));
    }
};

QTEST_MAIN(TestCaptions)
#include "tst_captions.moc"
