#include "defaultprinter.h"

#include "printfittedpicture.h"
#include "printablepicture.h"
#include "qtprinteradapter.h"

#include <QCoreApplication>
#include <QPrinter>
#include <QPrinterInfo>

namespace sprout {

namespace {
QString tr(const char* text)
{
    return QCoreApplication::translate("sprout::printOnDefaultPrinter", text);
}
} // namespace

PrintResult printOnDefaultPrinter(const QImage& picture, const QString& documentName)
{
    if (picture.isNull()) {
        return PrintResult::failure(
            tr("There is no picture to print, so nothing was printed."));
    }

    const PrintResult noPrinter = PrintResult::noPrinter(
        tr("No printer is set up on this computer, so nothing was printed. Set up a printer "
           "in the computer's printer settings, then try printing again."));

    // Without a printer Qt does not complain: it turns the printer into a PDF
    // writer without a file. Ask for the default printer before anything else.
    const QPrinterInfo defaultPrinter = QPrinterInfo::defaultPrinter();
    if (defaultPrinter.isNull())
        return noPrinter;
    QPrinter printer(defaultPrinter, QPrinter::HighResolution);
    if (!printer.isValid() || printer.outputFormat() != QPrinter::NativeFormat)
        return noPrinter;
    printer.setDocName(documentName);

    QtPrinterAdapter adapter(printer);
    const PrintResult fitted = PrintFittedPicture(adapter, PrintablePicture::fromImage(picture));
    if (!fitted)
        return fitted;
    return adapter.endDoc();
}

} // namespace sprout
