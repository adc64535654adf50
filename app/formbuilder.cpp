#include "formbuilder.h"

#include "controls.h"
#include "fonts.h"
#include "builtinpictures.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <cmath>
#include <algorithm>
#include <functional>
#include <tuple>
#include <vector>

namespace sprout {

namespace {

const char* const kScaleProperty = "designScale";
const char* const kLetGoProperty = "pictureLetGo";
const char* const kWaitsForCover = "pictureWaitsForCover";

QRect geometryOf(const Control& control, double scale)
{
    return QRect(px(control.left, scale), px(control.top, scale), px(control.width, scale),
                 px(control.height, scale));
}

// Lines and sunken borders are two pixels wide as designed and grow with the screen.
int borderWidth(double scale)
{
    return static_cast<int>(std::lround(2 * scale));
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
void markOpaqueIfCovered(QLabel* image, QSizeF covered, bool opaque)
{
    if (opaque && covered.width() >= image->width() && covered.height() >= image->height())
        image->setAttribute(Qt::WA_OpaquePaintEvent);
}

// Runs an action when a control is hidden by a call, also in a window not yet shown.
class OnHide : public QObject {
public:
    OnHide(QWidget* control, std::function<void()> action) : QObject(control), m_action(std::move(action))
    {
        control->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::HideToParent && m_action)
            std::exchange(m_action, nullptr)();
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_action;
};

// The opaque picture stacked above a control that hides all of it, if any.
QWidget* coverAbove(const QWidget* control)
{
    const QObjectList& siblings = control->parentWidget()->children();
    for (qsizetype i = siblings.indexOf(control) + 1; i < siblings.size(); ++i) {
        auto* other = qobject_cast<ClickLabel*>(siblings.at(i));
        if (other && other->testAttribute(Qt::WA_OpaquePaintEvent) && !other->isHidden()
            && other->geometry().contains(control->geometry()))
            return other;
    }
    return nullptr;
}

// The size a design picture is shown at: its control's, stretched, or its own times the
// scale.
QSize shownSize(const Control& control, double scale)
{
    return (control.look.flags & Stretch) ? geometryOf(control, scale).size()
                                          : builtInPictureSize(QString::fromLatin1(control.text), scale);
}

// A picture under an opaque picture stacked above it (an earlier row) waits for that
// cover to go: the main menu's board.
bool coveredInDesign(std::span<const Control> design, const Control& control)
{
    const QRect area = geometryOf(control, 1);
    for (const Control& above : design) {
        if (&above == &control)
            return false;
        if (above.kind == Kind::Image && above.text && !(above.look.flags & Hidden)
            && qstrcmp(above.parent, control.parent) == 0 && geometryOf(above, 1).contains(area))
            return true;
    }
    return false;
}

// Pictures are made on another core while the window and its other controls are
// built; a picture is taken when it is first painted. A picture stretched or shown
// larger than it is compiled in is made for its screen alone; at the designed size
// it is shared by the screens that show it, unpacked once.
bool madeAhead(const Control& control, double scale)
{
    return scale != 1 || (control.look.flags & Stretch);
}

void drawAhead(std::span<const Control> design, const Control& control, double scale)
{
    if (control.kind != Kind::Image || !control.text || (control.look.flags & Hidden)
        || coveredInDesign(design, control))
        return;
    const QString name = QString::fromLatin1(control.text);
    if (madeAhead(control, scale))
        drawBuiltInPictureAhead(name, shownSize(control, scale));
    else
        unpackBuiltInPictureAhead(name);
}

// The arrow keys move the focus between the members of a control array laid out as
// a grid (the Tic-Tac-Toe squares): to the nearest one in the arrow's direction, and
// nowhere at the edge.
class ArrowKeys : public QObject {
public:
    explicit ArrowKeys(QList<QWidget*> members) : QObject(members.first()->parentWidget()), m_members(members)
    {
        for (QWidget* member : members)
            member->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() & ~Qt::KeypadModifier)
            return false;
        QPoint step;
        switch (key->key()) {
        case Qt::Key_Left: step = {-1, 0}; break;
        case Qt::Key_Right: step = {1, 0}; break;
        case Qt::Key_Up: step = {0, -1}; break;
        case Qt::Key_Down: step = {0, 1}; break;
        default: return false;
        }
        if (QWidget* next = nearest(static_cast<QWidget*>(watched), step))
            next->setFocus(Qt::TabFocusReason);
        return true;
    }

private:
    QWidget* nearest(const QWidget* from, QPoint step) const
    {
        const QPoint origin = from->geometry().center();
        QWidget* best = nullptr;
        int bestDistance = 0;
        for (QWidget* member : m_members) {
            const QPoint offset = member->geometry().center() - origin;
            const int along = offset.x() * step.x() + offset.y() * step.y();
            const int across = std::abs(offset.x() * step.y()) + std::abs(offset.y() * step.x());
            if (along <= 0 || across > along || !member->isVisible())
                continue; // not in the arrow's direction
            const int distance = along + 2 * across;
            if (!best || distance < bestDistance) {
                best = member;
                bestDistance = distance;
            }
        }
        return best;
    }

    QList<QWidget*> m_members;
};

QWidget* createPictureBox(const Control& control, QWidget* parent)
{
    auto* box = new ClickLabel(parent);
    if (control.look.flags & Sunken)
        box->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    box->setFocusPolicy(Qt::StrongFocus);
    return box;
}

QWidget* createTextBox(const Control& control, QWidget* parent)
{
    const bool readOnly = control.look.flags & ReadOnly;
    if (control.look.flags & MultiLine) {
        auto* box = new TextBox(parent);
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
    return new LineControl({}, {}, borderWidth(1), colour, parent); // placed with the rest
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
    const double scale = scaleOf(image);
    image->setProperty(kLetGoProperty, false);
    // Shown larger, a picture under a cover (the main menu's board) is drawn only once
    // the cover goes: at full screen it is as large as the screen.
    if (QWidget* cover = scale != 1 ? coverAbove(image) : nullptr) {
        image->showPicture(QPixmap());
        image->setProperty(kLetGoProperty, true);
        if (!image->property(kWaitsForCover).toBool()) {
            image->setProperty(kWaitsForCover, true);
            new OnHide(cover, [image = QPointer<ClickLabel>(image), &control] {
                if (!image)
                    return;
                image->setProperty(kWaitsForCover, false);
                if (image->property(kLetGoProperty).toBool() && image->isVisible())
                    showPicture(image, control);
            });
        }
        return;
    }
    const bool stretch = control.look.flags & Stretch;
    const QSize shown = shownSize(control, scale);
    // A picture started ahead is taken when it is first painted: the screen is built
    // meanwhile. The pictures compiled in are opaque.
    std::function<QPixmap()> drawing = madeAhead(control, scale)
        ? takeBuiltInPictureDrawnAhead(name, shown)
        : std::function<QPixmap()>([name] { return builtInPicture(name); });
    if (drawing && !shown.isEmpty()) {
        image->showComingPicture(std::move(drawing));
        image->resize(shown);
        markOpaqueIfCovered(image, shown, true);
        return;
    }
    image->showPicture(stretch ? builtInPictureNotKept(name, shown) : builtInPicture(name, scale));
    const QPixmap& picture = image->pixmap();
    // An image that does not stretch takes the size of its picture.
    if (!stretch && !picture.isNull())
        image->resize(picture.deviceIndependentSize().toSize());
    markOpaqueIfCovered(image, picture.deviceIndependentSize(), !picture.isNull() && !picture.hasAlphaChannel());
}

void FormBuilder::fitToPicture(QLabel* image)
{
    image->resize((image->pixmap().deviceIndependentSize() * scaleOf(image)).toSize());
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

// The designed tab positions come first, then the controls without one as they are
// read on the screen: from the top down, and from left to right along a line. Tab
// follows this order among the controls that take the focus, screen readers
// among all.
void FormBuilder::orderTabs(QWidget* client, std::span<const Control> design, const Controls& controls,
                            const QSet<QString>& clickable)
{
    struct Placed {
        QWidget* widget;
        const Control* row;
        std::tuple<int, int, int> key;
    };
    std::vector<Placed> order;
    for (const Control& control : design) {
        QWidget* widget = controls.value(objectNameOf(control));
        if (!widget)
            continue;
        const QPoint at = widget->mapTo(client, QPoint());
        order.push_back({widget, &control,
                         control.tabIndex >= 0 ? std::tuple(0, control.tabIndex, 0) : std::tuple(1, at.y(), at.x())});
    }
    std::stable_sort(order.begin(), order.end(), [](const Placed& a, const Placed& b) { return a.key < b.key; });

    QWidget* previous = nullptr;
    for (size_t place = 0; place < order.size(); ++place) {
        const auto& [widget, row, key] = order[place];
        for (QWidget* holder = widget; holder != client; holder = holder->parentWidget())
            if (!holder->property(kReadingPlace).isValid())
                holder->setProperty(kReadingPlace, int(place));
        if (auto* label = qobject_cast<ClickLabel*>(widget))
            label->setClickable(clickable.contains(QLatin1String(row->name)));
        else if (!isWindowed(row->kind) || row->kind == Kind::Frame)
            widget->setFocusPolicy(Qt::NoFocus);
        if (widget->focusPolicy() == Qt::NoFocus)
            continue;
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }

    // Links under a cover join the round once it goes; their place is kept meanwhile.
    for (const Placed& placed : order) {
        auto* label = qobject_cast<ClickLabel*>(placed.widget);
        QWidget* cover = label && label->isClickable() ? coverAbove(label) : nullptr;
        if (!cover)
            continue;
        label->setCovered(true);
        new OnHide(cover, [label = QPointer<ClickLabel>(label)] {
            if (label)
                label->setCovered(false);
        });
    }
}

void FormBuilder::moveByArrows(std::span<const Control> design, const Controls& controls)
{
    QHash<QString, QList<QWidget*>> arrays;
    for (const Control& control : design)
        if (control.index && control.kind == Kind::PictureBox)
            arrays[QLatin1String(control.name)] << controls.value(objectNameOf(control));
    for (const QList<QWidget*>& members : std::as_const(arrays))
        new ArrowKeys(members);
}

bool FormBuilder::showsDesignedPicture(const QLabel* image, const Control& control)
{
    if (control.kind == Kind::Image)
        return true;
    return control.kind == Kind::PictureBox
           && image->pixmap().cacheKey() == image->property("designPicture").toLongLong();
}

double FormBuilder::scaleOf(const QWidget* widget)
{
    for (; widget; widget = widget->parentWidget())
        if (const QVariant scale = widget->property(kScaleProperty); scale.isValid())
            return scale.toDouble();
    return 1.0;
}

void FormBuilder::place(QWidget* widget, const Control& control, double scale)
{
    widget->setFont(designFont(control.look.font.family, control.look.font.points,
                               control.look.font.bold, scale));
    switch (control.kind) {
    case Kind::Line:
        static_cast<LineControl*>(widget)->setEnds(
            QPoint(px(control.left, scale), px(control.top, scale)),
            QPoint(px(control.width, scale), px(control.height, scale)), borderWidth(scale));
        return;
    case Kind::PictureBox: {
        auto* box = static_cast<ClickLabel*>(widget);
        if (control.look.flags & Sunken)
            box->setLineWidth(borderWidth(scale));
        // The designed picture is drawn afresh at the scale; one the screen put in
        // since is the screen's to change (scaleChanged).
        if (control.text && (box->pixmap().isNull() || showsDesignedPicture(box, control))) {
            box->setPixmap(builtInPicture(QString::fromLatin1(control.text), scale));
            box->setProperty("designPicture", box->pixmap().cacheKey());
        }
        break;
    }
    case Kind::Image:
        // A picture a screen puts in later (a quiz's) grows with the screen.
        if (!control.text)
            static_cast<ClickLabel*>(widget)->setScaledContents(scale != 1.0);
        break;
    default:
        break;
    }
    widget->setGeometry(geometryOf(control, scale));
    const QFont designed = designFont(control.look.font.family, control.look.font.points, control.look.font.bold, 1);
    const int designedWidth = scale == 1.0 ? 0 : px(control.width, 1);
    if (auto* label = qobject_cast<ClickLabel*>(widget))
        label->setDesign(designed, designedWidth);
    else if (auto* box = qobject_cast<TextBox*>(widget))
        box->setDesign(designed, designedWidth);
}

void FormBuilder::rescale(QWidget* client, std::span<const Control> design, const Controls& controls,
                          double scale)
{
    client->setProperty(kScaleProperty, scale);
    for (const Control& control : design) {
        QWidget* widget = controls.value(objectNameOf(control));
        if (!widget)
            continue;
        place(widget, control, scale);
        // An image still waiting under its cover gets its picture at the scale then.
        if (auto* image = qobject_cast<ClickLabel*>(widget);
            image && control.kind == Kind::Image && control.text && image->showsPicture())
            showPicture(image, control);
        else if (image && control.kind == Kind::Image && !control.text && !image->pixmap().isNull())
            fitToPicture(image);
    }
}

void FormBuilder::letPicturesGo(std::span<const Control> design, const Controls& controls)
{
    for (const Control& control : design)
        if (auto* image = qobject_cast<ClickLabel*>(controls.value(objectNameOf(control)));
            image && control.text && image->showsPicture() && showsDesignedPicture(image, control)) {
            image->showPicture(QPixmap());
            image->setProperty(kLetGoProperty, true);
        }
}

void FormBuilder::takePicturesBack(std::span<const Control> design, const Controls& controls)
{
    auto letGo = [&](const Control& control) {
        auto* image = qobject_cast<ClickLabel*>(controls.value(objectNameOf(control)));
        return image && image->property(kLetGoProperty).toBool() ? image : nullptr;
    };
    for (const Control& control : design)
        if (const ClickLabel* image = letGo(control))
            drawAhead(design, control, scaleOf(image));
    for (const Control& control : design) {
        ClickLabel* image = letGo(control);
        if (!image)
            continue;
        image->setProperty(kLetGoProperty, false);
        if (control.kind == Kind::Image)
            showPicture(image, control);
        else if (control.kind == Kind::PictureBox)
            place(image, control, scaleOf(image));
    }
    forgetPicturesDrawnAhead();
}

void FormBuilder::drawPicturesAhead(std::span<const Control> design, double scale)
{
    for (const Control& control : design)
        drawAhead(design, control, scale);
}

FormBuilder::Controls FormBuilder::build(QWidget* client, std::span<const Control> design,
                                         const QSet<QString>& clickable, double scale)
{
    client->setProperty(kScaleProperty, scale);
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
            place(widget, control, scale);
            if (control.look.flags & Hidden)
                widget->hide();
            controls.insert(widget->objectName(), widget);
        }
    };
    buildRows(true);
    buildRows(false);
    stack(design, controls);
    // Once stacked, so that a picture knows whether it lies under a cover.
    for (const Control& control : design)
        if (auto* image = qobject_cast<ClickLabel*>(controls.value(objectNameOf(control)));
            image && control.kind == Kind::Image && control.text)
            showPicture(image, control);
    orderTabs(client, design, controls, clickable);
    moveByArrows(design, controls);
    return controls;
}

} // namespace sprout
