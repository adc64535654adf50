#include "formbuilder.h"

#include "controls.h"
#include "fonts.h"
#include "pictures.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <algorithm>
#include <vector>

namespace sprout {

namespace {

QRect geometryOf(const Control& control)
{
    return QRect(px(control.left), px(control.top), px(control.width), px(control.height));
}

QString textOf(const Control& control)
{
    return control.text ? QString::fromUtf8(control.text) : QString();
}

QWidget* createLabel(const Control& control, QWidget* parent)
{
    auto* label = new ClickLabel(parent);
    label->setWordWrap(true);
    label->setText(textOf(control));
    if (control.look.flags & Centred)
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    return label;
}

QWidget* createImage(const Control&, QWidget* parent)
{
    return new ClickLabel(parent); // its picture comes with its place: showPicture
}

// A picture without transparency that fills its image hides whatever lies beneath:
// told so, Qt paints neither the window's background nor the controls under it (the
// main menu's board and links under its cover) in a frame they cannot show in.
void markOpaqueIfCovered(QLabel* image)
{
    const QPixmap& picture = image->pixmap();
    const QSizeF covered = picture.deviceIndependentSize();
    if (!picture.isNull() && !picture.hasAlphaChannel() && covered.width() >= image->width()
        && covered.height() >= image->height())
        image->setAttribute(Qt::WA_OpaquePaintEvent);
}

QWidget* createPictureBox(const Control& control, QWidget* parent)
{
    auto* box = new ClickLabel(parent);
    if (control.look.flags & Sunken) {
        box->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        box->setLineWidth(2);
    }
    box->setFocusPolicy(Qt::StrongFocus);
    if (control.text)
        box->setPixmap(builtInPicture(QString::fromLatin1(control.text)));
    return box;
}

QWidget* createTextBox(const Control& control, QWidget* parent)
{
    const bool readOnly = control.look.flags & ReadOnly;
    if (control.look.flags & MultiLine) {
        auto* box = new QPlainTextEdit(parent);
        box->setPlainText(textOf(control).replace(QLatin1String("\r\n"), QLatin1String("\n")));
        box->setReadOnly(readOnly);
        box->setVerticalScrollBarPolicy((control.look.flags & ScrollBar) ? Qt::ScrollBarAlwaysOn
                                                                       : Qt::ScrollBarAlwaysOff);
        box->setTabChangesFocus(true);
        return box;
    }
    auto* box = new QLineEdit(textOf(control), parent);
    box->setReadOnly(readOnly);
    return box;
}

QWidget* createLine(const Control& control, QWidget* parent)
{
    const QColor colour = control.look.fore == kDefault ? QColor(Qt::black)
                                                        : QColor(control.look.fore);
    return new LineControl(QPoint(px(control.left), px(control.top)),
                           QPoint(px(control.width), px(control.height)), 2, colour, parent);
}

} // namespace

bool isWindowed(Kind kind)
{
    return kind == Kind::TextBox || kind == Kind::Frame || kind == Kind::Button
           || kind == Kind::PictureBox;
}

QString FormBuilder::objectNameOf(const Control& control)
{
    const QString name = QString::fromLatin1(control.name);
    return control.index ? QStringLiteral("%1(%2)").arg(name).arg(control.index) : name;
}

QWidget* FormBuilder::create(const Control& control, QWidget* parent)
{
    switch (control.kind) {
    case Kind::Label: return createLabel(control, parent);
    case Kind::Image: return createImage(control, parent);
    case Kind::PictureBox: return createPictureBox(control, parent);
    case Kind::TextBox: return createTextBox(control, parent);
    case Kind::Frame: return new FrameBox(textOf(control), parent);
    case Kind::Button: return new WrapButton(textOf(control), parent);
    case Kind::Line: return createLine(control, parent);
    case Kind::ImageList: return nullptr; // holds pictures, shows nothing
    }
    return nullptr;
}

void FormBuilder::applyLook(QWidget* widget, const Look& look)
{
    widget->setFont(designFont(look.font.family, look.font.points, look.font.bold));
    QPalette palette = widget->palette();
    if (look.fore != kDefault) {
        for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            palette.setColor(role, QColor(look.fore));
    }
    if (look.back != kDefault) {
        for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
            palette.setColor(role, QColor(look.back));
    }
    widget->setPalette(palette);
    // Labels are transparent unless designed opaque; frames with a colour of their
    // own fill their area with it.
    widget->setAutoFillBackground((look.flags & Opaque) != 0);
}

void FormBuilder::showPicture(ClickLabel* image, const Control& control)
{
    const QString name = QString::fromLatin1(control.text);
    const bool stretch = control.look.flags & Stretch;
    image->setPixmap(stretch ? builtInPicture(name, geometryOf(control).size()) : builtInPicture(name));
    // An image that does not stretch takes the size of its picture.
    if (!stretch && !image->pixmap().isNull())
        image->resize(image->pixmap().deviceIndependentSize().toSize());
    markOpaqueIfCovered(image);
}

void FormBuilder::stack(std::span<const Control> design, const Controls& controls)
{
    // Raising from the bottom row up leaves the table's order; windowed controls
    // are then raised above the rest, keeping their own order.
    for (auto row = design.rbegin(); row != design.rend(); ++row)
        if (QWidget* widget = controls.value(objectNameOf(*row)))
            widget->raise();
    for (auto row = design.rbegin(); row != design.rend(); ++row)
        if (QWidget* widget = controls.value(objectNameOf(*row)); widget && isWindowed(row->kind))
            widget->raise();
}

void FormBuilder::orderTabs(std::span<const Control> design, const Controls& controls)
{
    std::vector<const Control*> tabbed;
    for (const Control& control : design) {
        QWidget* widget = controls.value(objectNameOf(control));
        if (!widget)
            continue;
        if (!isWindowed(control.kind) || control.kind == Kind::Frame)
            widget->setFocusPolicy(Qt::NoFocus);
        else if (control.tabIndex >= 0)
            tabbed.push_back(&control);
    }
    std::stable_sort(tabbed.begin(), tabbed.end(),
                     [](const Control* a, const Control* b) { return a->tabIndex < b->tabIndex; });
    for (size_t i = 1; i < tabbed.size(); ++i)
        QWidget::setTabOrder(controls.value(objectNameOf(*tabbed[i - 1])),
                             controls.value(objectNameOf(*tabbed[i])));
}

FormBuilder::Controls FormBuilder::build(QWidget* client, std::span<const Control> design)
{
    Controls controls;
    // Frames first, so that the controls inside them have their parent ready.
    auto buildRows = [&](bool frames) {
        for (const Control& control : design) {
            if ((control.kind == Kind::Frame) != frames)
                continue;
            QWidget* parent = control.parent
                                  ? controls.value(QString::fromLatin1(control.parent), client)
                                  : client;
            QWidget* widget = create(control, parent);
            if (!widget)
                continue;
            widget->setObjectName(objectNameOf(control));
            widget->setProperty("controlIndex", control.index);
            applyLook(widget, control.look);
            if (control.kind != Kind::Line)
                widget->setGeometry(geometryOf(control));
            if (control.kind == Kind::Image && control.text)
                showPicture(static_cast<ClickLabel*>(widget), control);
            if (control.look.flags & Hidden)
                widget->hide();
            controls.insert(widget->objectName(), widget);
        }
    };
    buildRows(true);
    buildRows(false);
    stack(design, controls);
    orderTabs(design, controls);
    return controls;
}

} // namespace sprout
