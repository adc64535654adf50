#pragma once

#include <QString>
#include <functional>

class QPainter;
class QRect;

namespace sprout {

// Finished pixels of what controls draw, for the next time they are painted. A
// window shown again repaints every control, and laying down kept pixels costs a
// fraction of shaping a caption's text or stretching a frame's edges afresh.
// One cache for the whole program, least recently used going first beyond a bound.
class PaintCache {
public:
    // Paints `area` (in the painter's coordinates) through the cache: `draw` paints
    // there as onto the control itself, straight the first time a look is painted and
    // onto the picture kept the second time. `look` must name all that
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

    // The bound at the designed size: about what the main menu and the screen a child
    // comes back to from it show in captions and frames.
    static constexpr int kKilobytes = 1024;
};

} // namespace sprout
