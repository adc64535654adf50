#pragma once

#include "printresult.h"

#include <QtGlobal>

namespace sprout {

class PrintablePicture;

// The printer operations that fit-to-page printing needs, and no more. Lengths
// are in the printer's current unit unless a unit code says otherwise.
class PrinterSurface {
public:
    static constexpr int kPortrait = 1;
    static constexpr int kLandscape = 2;

    // Unit codes, as the printer numbers them.
    static constexpr qint16 kTwips = 1;        // 1440 to the inch
    static constexpr qint16 kPoints = 2;       // 72 to the inch
    static constexpr qint16 kDevicePixels = 3; // the printer's own resolution
    static constexpr qint16 kInches = 5;
    static constexpr qint16 kMillimetres = 6;
    static constexpr qint16 kCentimetres = 7;
    static constexpr qint16 kHimetric = 8;     // hundredths of a millimetre

    virtual ~PrinterSurface() = default;

    // Applies to the page about to be drawn.
    virtual void setOrientation(int orientation) = 0;

    // The printable area of the page in the current unit.
    virtual float scaleWidth() const = 0;
    virtual float scaleHeight() const = 0;

    virtual qint16 scaleMode() const = 0;

    virtual float scaleX(float length, qint16 fromUnit, qint16 toUnit) const = 0;
    virtual float scaleY(float length, qint16 fromUnit, qint16 toUnit) const = 0;

    // Draws the picture scaled to exactly width x height, its top-left corner at
    // (left, top) of the printable area. The first drawing starts the document.
    virtual void paintPicture(const PrintablePicture& picture, float left, float top,
                              double width, double height) = 0;

    // Closes the document and hands it to the printer. Anything that went wrong
    // since the document started is reported here; then nothing was printed.
    virtual PrintResult endDoc() = 0;
};

} // namespace sprout
