#pragma once

#include <QString>
#include <functional>

class QPainter;
class QRect;
class QWidget;

namespace sprout {

// Finished pixels of what controls draw, for the next time they are painted. A
// window shown again repaints every control, and laying down kept pixels costs a
// fraction of shaping a caption's text or stretching a frame's edges afresh.
// One cache for the whole program, least recently used going first beyond a bound.
class PaintCache {
public:
    // Paints `area` (in the painter's coordinates) through the cache: `draw` paints
    // there as onto the control itself, once for each look. `look` must name all that
    // the drawing shows; the area and the device's pixel ratio are added to it. A
    // drawing that covers all its area with opaque colour is kept opaque, and laid
    // down by copying rather than blending.
    enum class Ground { Transparent, Opaque };
    static void paint(QPainter& painter, const QRect& area, const QString& look,
                      const std::function<void(QPainter&)>& draw, Ground ground = Ground::Transparent);

    // A rectangle as a look names it.
    static QString placeOf(const QRect& area);

    // Controls shown `scale` times their designed size (on the full-screen stage) keep
    // pictures that much larger: the bound grows with their area, so that the same
    // captions and frames stay kept.
    static void setScale(double scale);

    // Draws every look straight, keeping none, until `window`'s next frame is painted:
    // the first frame of the full-screen classroom would fill and copy tens of megabytes
    // of fresh pictures at 3840 x 2160, let go again on the way back to windows.
    static void drawStraightUntilFrame(QWidget* window);

    // The bound at the designed size: about what the main menu and the screen a child
    // comes back to from it show in captions and frames.
    static constexpr int kKilobytes = 1024;
};

} // namespace sprout
