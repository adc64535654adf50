#include "focusring.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMainWindow>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>

namespace sprout {

namespace {

const QColor kDark(20, 20, 70);
const QColor kLight(255, 255, 255);

bool movesFocus(const QKeyEvent* key)
{
    switch (key->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down: return true;
    default: return false;
    }
}

// The client area of the screen a control lies on; null for a message box or dialog.
QWidget* clientAreaOf(const QWidget* control)
{
    const auto* frame = qobject_cast<const QMainWindow*>(control->window());
    QWidget* area = frame ? frame->centralWidget() : nullptr;
    return area && area->isAncestorOf(control) ? area : nullptr;
}

// Watches the keys and the mouse of the whole application and keeps the one ring
// around the control with the focus while the keyboard is in use.
class FocusWatch : public QObject {
public:
    FocusWatch() : QObject(qApp)
    {
        qApp->installEventFilter(this);
        connect(qApp, &QApplication::focusChanged, this, &FocusWatch::follow);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::KeyPress:
            if (movesFocus(static_cast<QKeyEvent*>(event)) && !m_keyboard) {
                m_keyboard = true;
                follow();
            }
            break;
        case QEvent::MouseButtonPress:
            if (m_keyboard) {
                m_keyboard = false;
                follow();
            }
            break;
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
            if (watched == m_target)
                follow();
            break;
        default:
            break;
        }
        return false;
    }

private:
    void follow()
    {
        QWidget* target = m_keyboard ? QApplication::focusWidget() : nullptr;
        QWidget* area = target && (target->focusPolicy() & Qt::TabFocus) ? clientAreaOf(target) : nullptr;
        m_target = area ? target : nullptr;
        if (!area || !target->isVisible()) {
            if (m_ring)
                m_ring->hide();
            return;
        }
        if (!m_ring)
            m_ring = new FocusRing(area);
        else if (m_ring->parentWidget() != area)
            m_ring->setParent(area);
        m_ring->surround(target);
    }

    bool m_keyboard = false;
    QPointer<QWidget> m_target;
    QPointer<FocusRing> m_ring; // goes with the window it lies on
};

} // namespace

void FocusRing::install()
{
    static QPointer<QObject> watch;
    if (!watch)
        watch = new FocusWatch;
}

int FocusRing::thicknessFor(const QWidget* control)
{
    return std::max(3, qRound(QFontInfo(control->font()).pixelSize() / 5.0));
}

FocusRing::FocusRing(QWidget* clientArea) : QFocusFrame(clientArea)
{
    setObjectName(QStringLiteral("focusRing"));
}

void FocusRing::surround(const QWidget* control)
{
    m_band = thicknessFor(control);
    m_edge = std::max(1, (m_band + 1) / 3);
    const int margin = m_band + m_edge;
    const QRect inner(control->mapTo(parentWidget(), QPoint()), control->size());
    setGeometry(inner.adjusted(-margin, -margin, margin, margin));
    // Only the ring is the widget's: what lies inside it is painted and clicked as ever.
    setMask(QRegion(rect()).subtracted(QRegion(rect().adjusted(margin, margin, -margin, -margin))));
    raise();
    show();
    update();
}

void FocusRing::paintEvent(QPaintEvent*)
{
    const int margin = m_band + m_edge;
    const QRectF control = QRectF(rect()).adjusted(margin, margin, -margin, -margin);
    const QRectF edge = control.adjusted(-m_edge, -m_edge, m_edge, m_edge);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath band;
    band.addRoundedRect(QRectF(rect()), m_band, m_band);
    band.addRect(edge);
    painter.fillPath(band, kDark);
    QPainterPath light;
    light.addRect(edge);
    light.addRect(control);
    painter.fillPath(light, kLight);
}

} // namespace sprout
