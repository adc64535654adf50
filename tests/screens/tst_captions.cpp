// Every caption of every screen, drawn with the fonts the program really uses,
// must stay on the lines its design gives it and never lose a line.
#include "controls.h"
#include "fonts.h"
#include "screentesting.h"

#include <QGroupBox>
#include <QStyleOptionButton>

using namespace sprout;
using namespace sprout::testing;

Q_DECLARE_METATYPE(sprout::ScreenId)

namespace {

// Where a caption's ink would be cut off by its box: too wide, or lines below
// the bottom, or lifted past the top.
QString fitProblem(const QString& text, const QFont& font, const QRect& box, const QRect& visible,
                   int flags)
{
    // Fractional advances, as the text is laid out; a glyph's last fraction of a
    // pixel past the edge is its side bearing, not ink.
    const QFontMetricsF metrics(font);
    const QRectF needed = metrics.boundingRect(QRectF(0, 0, box.width(), 100000),
                                               flags | Qt::TextWordWrap, text);
    const int lines = qMax(1, qRound(needed.height() / metrics.lineSpacing()));
    const QRectF ink = metrics.tightBoundingRect(text);
    const double inkTop = box.top() + metrics.ascent() + ink.top();
    const double inkBottom = box.top() + (lines - 1) * metrics.lineSpacing() + metrics.ascent()
                             + ink.bottom();
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
    void theFontsAreInstalled_data()
    {
        QTest::addColumn<QString>("design");
        QTest::newRow("Trebuchet MS") << "Trebuchet MS";
        QTest::newRow("Arial") << "Arial";
        QTest::newRow("MS Sans Serif") << "MS Sans Serif";
    }
    void theFontsAreInstalled()
    {
        // Without the font package, fontconfig would quietly draw a far wider font.
        QFETCH(QString, design);
        const QByteArray name = design.toLatin1();
        const QFont font = designFont(name.constData(), 12, true);
        QCOMPARE(QFontInfo(font).family(), fontFamilyFor(name.constData()));
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
        int checked = 0;
        for (auto* label : client->findChildren<ClickLabel*>()) {
            if (label->text().isEmpty())
                continue;
            ++checked;
            const QString problem = fitProblem(label->text(), label->font(),
                                               label->contentsRect().translated(0, -label->captionLift()),
                                               label->rect(), int(label->alignment()));
            if (!problem.isEmpty())
                problems << label->objectName() + " \"" + label->text() + "\" " + problem;
        }
        for (auto* button : client->findChildren<WrapButton*>()) {
            ++checked;
            QStyleOptionButton option;
            option.initFrom(button);
            const QRect area = button->style()->subElementRect(QStyle::SE_PushButtonContents,
                                                               &option, button);
            const QString problem = fitProblem(button->text(), button->font(), area, area,
                                               Qt::AlignCenter);
            if (!problem.isEmpty())
                problems << button->objectName() + " \"" + button->text() + "\" " + problem;
        }
        for (auto* frame : client->findChildren<QGroupBox*>()) {
            if (frame->height() < 4)
                continue; // a separator line, its caption never shows
            ++checked;
            const int width = QFontMetrics(frame->font()).horizontalAdvance(frame->title());
            if (width > frame->width() - 16)
                problems << frame->objectName() + " caption does not fit";
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join("\n")));
        qDebug() << checked << "captions checked";
    }
};

QTEST_MAIN(TestCaptions)
#include "tst_captions.moc"
