// Every caption of every screen, drawn with the fonts the program really uses,
// keeps its ink inside its label, button or frame and never loses a line.
#include "controls.h"
#include "fonts.h"
#include "screenfactory.h"
#include "screentesting.h"

#include <QGroupBox>
#include <QStyleOptionButton>

using namespace sprout;
using namespace sprout::testing;

Q_DECLARE_METATYPE(sprout::ScreenId)

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

} // namespace

class TestCaptions : public QObject {
    Q_OBJECT
private slots:
    // Without the font packages, fontconfig would quietly draw far wider fonts.
    void theFontsAreInstalled()
    {
        for (const char* design : {"Trebuchet MS", "Arial", "MS Sans Serif"})
            QCOMPARE(QFontInfo(designFont(design, 12, true)).family(), fontFamilyFor(design));
    }

    void everyCaptionFits_data()
    {
        QTest::addColumn<ScreenId>("id");
        for (int i = 0; i < kScreenCount; ++i)
            QTest::newRow(screenName(ScreenId(i))) << ScreenId(i);
    }
    void everyCaptionFits()
    {
        QFETCH(ScreenId, id);
        ScreenRegistry registry(createScreen);
        ReportRecorder reports;
        QVERIFY2(registry.show(id), qPrintable(reports.messages.join("; ")));
        QWidget* client = registry.reference(id).client();
        QStringList problems;
        auto note = [&](const QWidget* widget, const QString& text, const QString& problem) {
            if (!problem.isEmpty())
                problems << widget->objectName() + " \"" + text + "\" " + problem;
        };
        for (auto* label : client->findChildren<ClickLabel*>())
            if (!label->text().isEmpty())
                note(label, label->text(),
                     fitProblem(label->text(), label->font(), label->contentsRect().translated(0, -label->captionLift()),
                                label->rect(), int(label->alignment())));
        for (auto* button : client->findChildren<WrapButton*>()) {
            QStyleOptionButton option;
            option.initFrom(button);
            const QRect area = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
            note(button, button->text(), fitProblem(button->text(), button->font(), area, area, Qt::AlignCenter));
        }
        for (auto* frame : client->findChildren<QGroupBox*>())
            if (frame->height() >= 4 // a separator line's caption never shows
                && QFontMetrics(frame->font()).horizontalAdvance(frame->title()) > frame->width() - 16)
                note(frame, frame->title(), "does not fit");
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join("\n")));
    }
};

QTEST_MAIN(TestCaptions)
#include "tst_captions.moc"
