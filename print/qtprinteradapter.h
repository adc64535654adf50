#pragma once

#include "printersurface.h"

#include <QPainter>
#include <QString>

class QPrinter;

namespace sprout {

// Puts fit-to-page printing on a QPrinter: the system's print queue, or a PDF
// file when the printer is set to write one.
//
// The adapter's unit is the twip (code 1), the unit the screens are laid out
// in: 1440 twips to the inch. HIMETRIC (code 8) is 2540 to the inch, so a
// twip is exactly 127/72 HIMETRIC. The printable area is the device's own
// pixel rectangle turned into twips, and drawing turns twips back into device
// pixels with the same resolution, so the page receives the picture at the
// size computed, from the top-left corner of the printable area.
class QtPrinterAdapter final : public PrinterSurface {
public:
    explicit QtPrinterAdapter(QPrinter& printer);
    // A document that was started but not ended is thrown away, not printed.
    ~QtPrinterAdapter() override;

    void setOrientation(int orientation) override;
    float scaleWidth() const override;
    float scaleHeight() const override;
    qint16 scaleMode() const override;
    float scaleX(float length, qint16 fromUnit, qint16 toUnit) const override;
    float scaleY(float length, qint16 fromUnit, qint16 toUnit) const override;
    void paintPicture(const PrintablePicture& picture, float left, float top,
                      double width, double height) override;
    PrintResult endDoc() override;

private:
    float convert(float length, qint16 fromUnit, qint16 toUnit, double devicePixelsPerInch) const;
    void fail(const QString& message) const;

    QPrinter& m_printer;
    QPainter m_painter;
    // A conversion, a query, can also find the request unprintable.
    mutable QString m_failure;
};

} // namespace sprout
