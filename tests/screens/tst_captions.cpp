// Every caption of every screen as a person sees it: all inside its box, none cut short.
#include "controls.h"
#include "screenfactory.h"
#include "screentesting.h"

#include <QGroupBox>
#include <QPainter>
#include <QStyleOptionButton>
#include <algorithm>

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

} // namespace

class TestCaptions : public QObject {
    Q_OBJECT
private slots:
    void everyCaptionIsSeenWhole_data() { addRowPerScreen(); }
    void everyCaptionIsSeenWhole()
    {
        QFETCH(ScreenId, id);
        ScreenRegistry registry(createScreen);
        QVERIFY(registry.show(id));
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
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join("\n")));
    }
};

QTEST_MAIN(TestCaptions)
#include "tst_captions.moc"
