#pragma once

#include "printresult.h"

#include <QImage>
#include <QString>

namespace sprout {

// Writes the picture as a one-page PDF file, fitted to the page and turned to
// suit it exactly as printOnDefaultPrinter would put it on paper, for a computer that has
// no printer. A file already at the path is replaced only by a whole new one; on
// failure nothing is written and the message names the folder.
PrintResult saveFittedPdf(const QImage& picture, const QString& path,
                          const QString& documentName = QStringLiteral("Sproutkin award"));

} // namespace sprout
