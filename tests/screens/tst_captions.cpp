// Every caption of every screen, drawn with the fonts the program really uses, as a
// person sees it: all its ink inside its label, button or frame, no line cut off or
// lost below the edge, and dark or light enough against what lies behind it.
#include "controls.h"
#include "fonts.h"
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
    QImage image(control->size(), QImage::Format_RGB32);
    image.fill(Qt::magenta); // a colour no caption is written in
    control->render(&image, {}, {}, QWidget::DrawChildren);
    return image;
}

int channelDistance(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

// What of a control is its caption: for each pixel, how far the caption moves it from
// how the control looks without one towards the caption's colour, from 0 to 1.
struct CaptionInk {
    std::vector<std::vector<double>> amount;
    double total = 0;

    CaptionInk(QWidget* control, const std::function<void(const QString&)>& setCaption, const QString& caption,
               QColor colour)
    {
        const QImage with = look(control);
        setCaption(QString());
        const QImage without = look(control);
        setCaption(caption);
        amount.assign(with.height(), std::vector<double>(with.width()));
        for (int y = 0; y < with.height(); ++y)
            for (int x = 0; x < with.width(); ++x) {
                const double full = std::max(channelDistance(colour.rgb(), without.pixel(x, y)), 64);
                total += amount[y][x] = std::min(1.0, channelDistance(with.pixel(x, y), without.pixel(x, y)) / full);
            }
    }

    // Where ink lies outside the box it belongs in.
    QString outside(const QRect& box) const
    {
        for (int y = 0; y < int(amount.size()); ++y)
            for (int x = 0; x < int(amount[y].size()); ++x)
                if (amount[y][x] > 0.25 && !box.contains(x, y))
                    return QString("has ink at (%1, %2), outside its %3 x %4 box").arg(x).arg(y).arg(box.width()).arg(box.height());
        return {};
    }
};

// The ink of the caption written out whole on one line, black on white.
double inkOfWholeCaption(const QString& caption, const QFont& font)
{
    const QFontMetrics metrics(font);
    double total = 0;
    for (const QString& line : caption.split('\n')) {
        QImage image(metrics.horizontalAdvance(line) + 4 * metrics.height(), 3 * metrics.height(), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(2 * metrics.height(), 2 * metrics.height(), line);
        painter.end();
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                total += (255 - qGray(image.pixel(x, y))) / 255.0;
    }
    return total;
}

// A caption shown in part: a line left below the edge, a word past the side or the
// foot of a letter cut off takes its ink away. A caption drawn whole in closed-up
// letters has all of it but for a few pixels' blending.
QString lostInk(const CaptionInk& ink, const QString& caption, const QFont& font)
{
    const double whole = inkOfWholeCaption(caption, font);
    return ink.total < 0.998 * whole ? QString("shows %1 % of its ink").arg(100 * ink.total / whole, 0, 'f', 1) : QString();
}

// WCAG's relative luminance.
double luminance(QColor colour)
{
    auto linear = [](double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
}

// The contrast of a caption's ink against the median of what lies around it in a
// picture of the screen: the pixels of the label's box that are not the ink itself.
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
    // Without the font packages, fontconfig would quietly draw far wider fonts.
    void theFontsAreInstalled()
    {
        for (const auto& [design, installed] : {std::pair("Trebuchet MS", "Cabin"), {"Arial", "Liberation Sans"},
                                                {"MS Sans Serif", "Liberation Sans"}})
            QCOMPARE(QFontInfo(designFont(design, 12, true)).family(), QString(installed));
    }

    void everyCaptionIsSeenWhole_data() { addRowPerScreen(); }
    // Each caption also measured on a picture of the screen as drawn: 4.5:1 at
    // least against what lies around it, as WCAG asks of text.
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
        for (auto* label : client->findChildren<ClickLabel*>()) {
            const QString caption = label->text();
            if (caption.isEmpty() || !label->pixmap().isNull())
                continue;
            const CaptionInk ink(label, [label](const QString& text) { label->setText(text); }, caption,
                                 label->palette().color(label->foregroundRole()));
            note(label, caption, lostInk(ink, caption, label->font()));
        }
        for (auto* button : client->findChildren<WrapButton*>()) {
            QStyleOptionButton option;
            option.initFrom(button);
            const QRect contents = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
            const QString caption = button->text();
            const CaptionInk ink(button, [button](const QString& text) { button->setText(text); }, caption,
                                 button->palette().color(QPalette::ButtonText));
            note(button, caption, ink.outside(contents));
            note(button, caption, lostInk(ink, caption, button->font()));
        }
        for (auto* frame : client->findChildren<QGroupBox*>()) {
            const QString caption = frame->title();
            if (frame->height() < 4 || caption.isEmpty()) // a separator line's caption never shows
                continue;
            const CaptionInk ink(frame, [frame](const QString& text) { frame->setTitle(text); }, caption,
                                 frame->palette().color(QPalette::WindowText));
            note(frame, caption, lostInk(ink, caption, frame->font()));
        }
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
