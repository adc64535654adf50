#include "clientarea.h"

#include "formbuilder.h"

namespace sprout {

ClientArea::ClientArea(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("client"));
}

bool ClientArea::focusNextPrevChild(bool next)
{
    if (window()->focusWidget() != this)
        return QWidget::focusNextPrevChild(next);
    QWidget* end = nullptr;
    int endPlace = 0;
    for (QWidget* widget = nextInFocusChain(); widget != this; widget = widget->nextInFocusChain()) {
        const QVariant place = widget->property(FormBuilder::kReadingPlace);
        if (!(widget->focusPolicy() & Qt::TabFocus) || !widget->isVisible() || !widget->isEnabled()
            || !place.isValid() || !isAncestorOf(widget))
            continue;
        if (!end || (next ? place.toInt() < endPlace : place.toInt() > endPlace)) {
            end = widget;
            endPlace = place.toInt();
        }
    }
    if (!end)
        return QWidget::focusNextPrevChild(next);
    end->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

} // namespace sprout
