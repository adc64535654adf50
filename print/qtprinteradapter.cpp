#include "qtprinteradapter.h"

#include "printablepicture.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QPrinter>

namespace sprout {

namespace {
QString tr(const char* text)
{
    return QCoreApplication::translate("sprout::QtPrinterAdapter", text);
}

constexpr double kTwipsPerInch = 1440.0;

// How many of each unit make an inch.
double unitsPerInch(qint16 unit, double devicePixelsPerInch)
{
    switch (unit) {
    case PrinterSurface::kTwips: return kTwipsPerInch;
    case PrinterSurface::kPoints: return 72.0;
    case PrinterSurface::kDevicePixels: return devicePixelsPerInch;
    case PrinterSurface::kInches: return 1.0;
    case PrinterSurface::kMillimetres: return 25.4;
    case PrinterSurface::kCentimetres: return 2.54;
    case PrinterSurface::kHimetric: return 2540.0;
    default: return 0.0;
    }
}

// Qt hands the finished file to CUPS but ignores CUPS's answer, so a job that
// the queue refused would pass as printed. CUPS keeps the outcome of the last
// request per thread; Qt submits on this thread inside QPainter::end(), and its
// print plugin has already loaded the library, so we ask the same instance.
struct CupsStatus {
    int code = 0;
    QString text;
};

CupsStatus lastCupsStatus()
{
    using LastError = int (*)();
    using LastErrorString = const char* (*)();
    static QLibrary cups(QStringLiteral("cups"), 2);
    static const auto lastError = reinterpret_cast<LastError>(cups.resolve("cupsLastError"));
    static const auto lastErrorString =
        reinterpret_cast<LastErrorString>(cups.resolve("cupsLastErrorString"));
    CupsStatus status;
    if (lastError)
        status.code = lastError();
    if (lastErrorString && lastErrorString())
        status.text = QString::fromLocal8Bit(lastErrorString());
    return status;
}

// From "redirection-other-site" upwards CUPS counts a request as failed.
constexpr int kCupsFirstFailure = 0x0200;
} // namespace

QtPrinterAdapter::QtPrinterAdapter(QPrinter& printer)
    : m_printer(printer)
{
}

QtPrinterAdapter::~QtPrinterAdapter()
{
    if (m_painter.isActive()) {
        m_printer.abort();
        m_painter.end();
    }
}

void QtPrinterAdapter::setOrientation(int orientation)
{
    m_printer.setPageOrientation(orientation == kLandscape ? QPageLayout::Landscape
                                                           : QPageLayout::Portrait);
}

float QtPrinterAdapter::scaleWidth() const
{
    return float(m_printer.pageRect(QPrinter::DevicePixel).width() * kTwipsPerInch
                 / m_printer.logicalDpiX());
}

float QtPrinterAdapter::scaleHeight() const
{
    return float(m_printer.pageRect(QPrinter::DevicePixel).height() * kTwipsPerInch
                 / m_printer.logicalDpiY());
}

qint16 QtPrinterAdapter::scaleMode() const
{
    return kTwips;
}

float QtPrinterAdapter::scaleX(float length, qint16 fromUnit, qint16 toUnit) const
{
    return convert(length, fromUnit, toUnit, m_printer.logicalDpiX());
}

float QtPrinterAdapter::scaleY(float length, qint16 fromUnit, qint16 toUnit) const
{
    return convert(length, fromUnit, toUnit, m_printer.logicalDpiY());
}

float QtPrinterAdapter::convert(float length, qint16 fromUnit, qint16 toUnit,
                                double devicePixelsPerInch) const
{
    const double from = unitsPerInch(fromUnit, devicePixelsPerInch);
    const double to = unitsPerInch(toUnit, devicePixelsPerInch);
    if (from <= 0.0 || to <= 0.0) {
        fail(
            tr("The printer was asked for a measuring unit it does not know, so nothing was "
               "printed."));
        return 0.0f;
    }
    return float(double(length) * to / from);
}

void QtPrinterAdapter::paintPicture(const PrintablePicture& picture, float left, float top,
                                    double width, double height)
{
    if (!m_failure.isEmpty())
        return;
    // With no printer Qt quietly writes a PDF to nowhere, and only begin() says so.
    if (!m_painter.isActive() && !m_painter.begin(&m_printer)) {
        fail(tr("The printer could not be started, so nothing was printed. Check that the "
                "printer is switched on and set up on this computer, then try again."));
        return;
    }
    const double xScale = m_printer.logicalDpiX() / kTwipsPerInch;
    const double yScale = m_printer.logicalDpiY() / kTwipsPerInch;
    const QRectF target(left * xScale, top * yScale, width * xScale, height * yScale);
    m_painter.setRenderHint(QPainter::SmoothPixmapTransform);
    m_painter.drawImage(target, picture.image());
}

PrintResult QtPrinterAdapter::endDoc()
{
    if (!m_failure.isEmpty()) {
        if (m_painter.isActive()) {
            m_printer.abort();
            m_painter.end();
        }
        const QString message = m_failure;
        m_failure.clear();
        return PrintResult::failure(message);
    }
    if (!m_painter.isActive())
        return PrintResult::success();

    const bool ended = m_painter.end();
    if (!ended || m_printer.printerState() == QPrinter::Error
        || m_printer.printerState() == QPrinter::Aborted) {
        return PrintResult::failure(
            tr("The page could not be sent to the printer, so nothing was printed. Check that "
               "the printer is switched on and ready, then try again."));
    }
    if (m_printer.outputFormat() == QPrinter::NativeFormat) {
        const CupsStatus status = lastCupsStatus();
        if (status.code >= kCupsFirstFailure) {
            QString message = tr("The printer did not take the page, so nothing was printed. "
                                 "Check that the printer is switched on and ready to print, "
                                 "then try again.");
            if (!status.text.isEmpty())
                message += tr(" (The printing system said: %1)").arg(status.text);
            return PrintResult::failure(message);
        }
    }
    return PrintResult::success();
}

void QtPrinterAdapter::fail(const QString& message) const
{
    if (m_failure.isEmpty())
        m_failure = message;
}

} // namespace sprout
