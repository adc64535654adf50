#include "savefittedpdf.h"

#include "printfittedpicture.h"
#include "printablepicture.h"
#include "qtprinteradapter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QSaveFile>
#include <QTemporaryDir>

namespace sprout {

namespace {
QString tr(const char* text)
{
    return QCoreApplication::translate("sprout::saveFittedPdf", text);
}

// The page is made in a scratch folder first: the printer writes its file as it
// goes, and a half-written page must never take the place of a parent's file.
PrintResult writePage(const QImage& picture, const QString& scratchPath,
                      const QString& documentName)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(scratchPath);
    printer.setDocName(documentName);
    printer.setCreator(QStringLiteral("Sproutkin"));

    QtPrinterAdapter adapter(printer);
    const PrintResult fitted = PrintFittedPicture(adapter, PrintablePicture::fromImage(picture));
    if (!fitted)
        return fitted;
    return adapter.endDoc();
}

PrintResult folderRefused(const QString& path, const QString& reason)
{
    const QFileInfo folder(QFileInfo(path).absolutePath());
    const QString name = QDir::toNativeSeparators(folder.filePath());
    const QString why = folder.isDir()
                            ? tr("The file could not be saved in the folder %1 (the computer said: %2).")
                                  .arg(name, reason)
                            : tr("The file could not be saved in the folder %1, because there is no "
                                 "such folder.")
                                  .arg(name);
    return PrintResult::failure(
        why + tr(" Nothing was saved. Choose another folder, such as your Documents folder, and "
                 "try again."));
}
} // namespace

PrintResult saveFittedPdf(const QImage& picture, const QString& path, const QString& documentName)
{
    if (picture.isNull())
        return PrintResult::failure(tr("There is no picture to save, so nothing was saved."));

    const PrintResult notMade = PrintResult::failure(
        tr("The PDF file could not be made, so nothing was saved. Check that the computer has "
           "free disk space, then try again."));
    QTemporaryDir scratch;
    if (!scratch.isValid())
        return notMade;
    const QString scratchPath = scratch.filePath(QStringLiteral("page.pdf"));
    const PrintResult written = writePage(picture, scratchPath, documentName);
    if (!written)
        return written;
    QFile page(scratchPath);
    if (!page.open(QIODevice::ReadOnly))
        return notMade;
    const QByteArray bytes = page.readAll();

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return folderRefused(path, file.errorString());
    if (file.write(bytes) != bytes.size() || !file.commit())
        return folderRefused(path, file.errorString());
    return PrintResult::success();
}

} // namespace sprout
