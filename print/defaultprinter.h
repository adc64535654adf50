#pragma once

#include "printresult.h"

#include <QImage>
#include <QString>

namespace sprout {

// Prints the picture on the system's default printer as one page, fitted to the
// page and turned to suit it. On failure nothing is printed and the result
// carries a message for the person at the computer.
PrintResult printOnDefaultPrinter(const QImage& picture,
                                  const QString& documentName = QStringLiteral("Sproutkin award"));

} // namespace sprout
