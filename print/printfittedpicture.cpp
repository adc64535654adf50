#include "printfittedpicture.h"

#include "printablepicture.h"
#include "printersurface.h"

#include <QCoreApplication>

namespace sprout {

namespace {
QString tr(const char* text)
{
    return QCoreApplication::translate("sprout::PrintFittedPicture", text);
}
} // namespace

PrintResult PrintFittedPicture(PrinterSurface& printer, const PrintablePicture& picture)
{
    // Both ratios divide by a height; a picture or page without size would
    // otherwise put a blank or infinite page on the printer.
    if (picture.width() <= 0 || picture.height() <= 0) {
        return PrintResult::failure(
            tr("The picture is empty, so there is nothing to print. Nothing was printed."));
    }

    if (picture.height() >= picture.width())
        printer.setOrientation(PrinterSurface::kPortrait);
    else
        printer.setOrientation(PrinterSurface::kLandscape);

    const double pictureRatio = double(picture.width()) / double(picture.height());

    // Measured only now: the printable area depends on the orientation just set.
    // Every conversion reads the printer's unit afresh.
    const float scaleWidth = printer.scaleWidth();
    const double printableWidth =
        printer.scaleX(scaleWidth, printer.scaleMode(), PrinterSurface::kHimetric);
    const float scaleHeight = printer.scaleHeight();
    const double printableHeight =
        printer.scaleY(scaleHeight, printer.scaleMode(), PrinterSurface::kHimetric);

    if (!(printableWidth > 0.0) || !(printableHeight > 0.0)) {
        return PrintResult::failure(
            tr("The printer reports a page with no room to print on, so nothing was printed. "
               "Check the paper size in the printer settings, then try again."));
    }

    const double printableRatio = printableWidth / printableHeight;

    double outputWidth = 0.0;
    double outputHeight = 0.0;
    if (pictureRatio >= printableRatio) {
        outputWidth = printer.scaleX(float(printableWidth), PrinterSurface::kHimetric,
                                     printer.scaleMode());
        outputHeight = printer.scaleY(float(printableWidth / pictureRatio),
                                      PrinterSurface::kHimetric, printer.scaleMode());
    } else {
        outputHeight = printer.scaleY(float(printableHeight), PrinterSurface::kHimetric,
                                      printer.scaleMode());
        outputWidth = printer.scaleX(float(printableHeight * pictureRatio),
                                     PrinterSurface::kHimetric, printer.scaleMode());
    }

    printer.paintPicture(picture, 0.0f, 0.0f, outputWidth, outputHeight);
    return PrintResult::success();
}

} // namespace sprout
