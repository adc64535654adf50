#pragma once

#include <QObject>
#include <QPointF>
#include <optional>

namespace sprout {

// Children double-click everything. A double click is taken as one click: the
// second press of it does nothing, on the control that took the first, and on a
// screen or message that the first brought up under the pointer. What makes a
// double click is the desktop's own rule: a press at the spot of the press before
// it, with the same button, within the double-click interval (by the window
// system's clock, so that clicks queued behind a busy moment keep their timing).
class DoubleClickGuard : public QObject {
    Q_OBJECT
public:
    // Watches every window of the application while it lives.
    explicit DoubleClickGuard(QObject* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Press {
        quint64 time;
        QPointF where;
        int button;
    };
    bool followsLastPress(const Press& press) const;

    std::optional<Press> m_last;
    bool m_ignoring = false; // the press under way, until its release
};

} // namespace sprout
