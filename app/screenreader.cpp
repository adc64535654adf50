#include "screenreader.h"

#include "clientarea.h"
#include "controls.h"
#include "formbuilder.h"

#include <QAccessibleWidget>
#include <QFocusFrame>
#include <QMenu>
#include <algorithm>
#include <climits>

namespace sprout {

namespace {

// The children Qt would list, those with a place in the reading order first, in it.
QWidgetList inReadingOrder(const QWidget* container)
{
    QWidgetList children;
    for (QObject* child : container->children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (widget && !widget->isWindow() && !qobject_cast<QFocusFrame*>(widget) && !qobject_cast<QMenu*>(widget))
            children << widget;
    }
    auto place = [](const QWidget* widget) {
        const QVariant place = widget->property(FormBuilder::kReadingPlace);
        return place.isValid() ? place.toInt() : INT_MAX;
    };
    std::stable_sort(children.begin(), children.end(),
                     [&](const QWidget* a, const QWidget* b) { return place(a) < place(b); });
    return children;
}

// A client area or a frame.
class ContainerInterface : public QAccessibleWidget {
public:
    ContainerInterface(QWidget* container, QAccessible::Role role) : QAccessibleWidget(container, role) {}

    int childCount() const override { return int(inReadingOrder(widget()).size()); }

    QAccessibleInterface* child(int index) const override
    {
        const QWidgetList children = inReadingOrder(widget());
        return index >= 0 && index < children.size() ? QAccessible::queryAccessibleInterface(children.at(index))
                                                     : nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return int(inReadingOrder(widget()).indexOf(qobject_cast<QWidget*>(child->object())));
    }

    QString text(QAccessible::Text kind) const override
    {
        const QString text = QAccessibleWidget::text(kind);
        if (kind == QAccessible::Name && text.isEmpty())
            if (auto* frame = qobject_cast<const FrameBox*>(widget()))
                return frame->title();
        return text;
    }
};

// A label, image or picture box.
class ControlInterface : public QAccessibleWidget {
public:
    explicit ControlInterface(ClickLabel* control) : QAccessibleWidget(control) {}

    QAccessible::Role role() const override
    {
        if (control()->isClickable())
            return QAccessible::Button;
        return control()->showsPicture() ? QAccessible::Graphic : QAccessible::StaticText;
    }

    QString text(QAccessible::Text kind) const override
    {
        QString text = QAccessibleWidget::text(kind);
        if (kind != QAccessible::Name)
            return text;
        if (text.isEmpty())
            text = control()->text();
        const QString shown = control()->shownName();
        if (shown.isEmpty())
            return text;
        return text.isEmpty() ? shown : text + QStringLiteral(", ") + shown;
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        if (control()->isCovered()) {
            state.invisible = true;
            state.offscreen = true;
        }
        return state;
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (control()->isClickable() && !control()->isCovered())
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString& name) override
    {
        if (name == pressAction() && actionNames().contains(name))
            control()->click();
        else
            QAccessibleWidget::doAction(name);
    }

private:
    ClickLabel* control() const { return static_cast<ClickLabel*>(widget()); }
};

QAccessibleInterface* interfaceFor(const QString& className, QObject* object)
{
    if (className == QLatin1String(ClickLabel::staticMetaObject.className()))
        return new ControlInterface(static_cast<ClickLabel*>(object));
    if (className == QLatin1String(FrameBox::staticMetaObject.className()))
        return new ContainerInterface(static_cast<QWidget*>(object), QAccessible::Grouping);
    if (className == QLatin1String(ClientArea::staticMetaObject.className()))
        return new ContainerInterface(static_cast<QWidget*>(object), QAccessible::Client);
    return nullptr;
}

} // namespace

void ScreenReader::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(interfaceFor);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace sprout
