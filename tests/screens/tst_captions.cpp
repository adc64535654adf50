// Every caption of every screen, drawn with the fonts the program really uses,
// keeps its ink inside its label, button or frame and never loses a line; and
// every screen's design table is sound.
#include "controls.h"
#include "fonts.h"
#include "screenfactory.h"
#include "screentesting.h"

#include <QGroupBox>
#include <QStyleOptionButton>
#include <algorithm>
#include <cmath>
#include <vector>

using namespace sprout;
using namespace sprout::testing;


namespace {

// Where a caption's ink would be cut off by its box: too wide, lines below the
// bottom, or lifted past the top.
QString fitProblem(const QString& text, const QFont& font, const QRect& box, const QRect& visible, int flags)
{
    // Fractional advances, as the text is laid out; a glyph's last fraction of a
    // pixel past the edge is its side bearing, not ink.
    const QFontMetricsF metrics(font);
    const QRectF needed = metrics.boundingRect(QRectF(0, 0, box.width(), 100000), flags | Qt::TextWordWrap, text);
    const int lines = qMax(1, qRound(needed.height() / metrics.lineSpacing()));
    const QRectF ink = metrics.tightBoundingRect(text);
    const double inkTop = box.top() + metrics.ascent() + ink.top();
    const double inkBottom = box.top() + (lines - 1) * metrics.lineSpacing() + metrics.ascent() + ink.bottom();
    if (needed.width() > box.width() + 0.5)
        return QString("is %1 px wide in a %2 px box").arg(needed.width()).arg(box.width());
    if (inkBottom > visible.bottom() + 1.5 || inkTop < visible.top() - 0.5)
        return QString("needs %1 lines, its ink runs from %2 to %3 px in a %4 px box")
            .arg(lines).arg(inkTop).arg(inkBottom).arg(visible.height());
    return {};
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
            const int distance = std::max({std::abs(pixel.red() - ink.red()), std::abs(pixel.green() - ink.green()),
                                           std::abs(pixel.blue() - ink.blue())});
            if (distance > 48)
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

    void everyCaptionFits_data() { addRowPerScreen(); }
    // Each caption also measured on a picture of the screen as drawn: 4.5:1 at
    // least against what lies around it, as WCAG asks of text.
    void everyCaptionFits()
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
            if (!label->text().isEmpty())
                note(label, label->text(),
                     fitProblem(label->text(), label->captionFont(), label->contentsRect().translated(0, -label->captionLift()),
                                label->rect(), int(label->alignment())));
        for (auto* button : client->findChildren<WrapButton*>()) {
            QStyleOptionButton option;
            option.initFrom(button);
            const QRect area = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
            note(button, button->text(), fitProblem(button->text(), button->font(), area, area, Qt::AlignCenter));
            // And the caption is really painted: dark ink inside the button's contents.
            const QImage shown = button->grab(area).toImage();
            int ink = 0;
            for (int y = 0; y < shown.height(); ++y)
                for (int x = 0; x < shown.width(); ++x)
                    ink += qGray(shown.pixel(x, y)) < 80;
            note(button, button->text(), ink < 20 ? "is not painted" : "");
        }
        for (auto* frame : client->findChildren<QGroupBox*>())
            if (frame->height() >= 4 // a separator line's caption never shows
                && QFontMetrics(frame->font()).horizontalAdvance(frame->title()) > frame->width() - 16)
                note(frame, frame->title(), "does not fit");
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
