#pragma once

#include <QDir>
#include <QPrinterInfo>
#include <QTest>

namespace sprout::testing {

// Points the print system at a server that does not exist, so that no press of
// "Print Award" can reach paper; a PDF that Qt might write instead lands in `folder`.
inline void withoutPrinter(const QString& folder)
{
    qputenv("CUPS_SERVER", "127.0.0.1:1");
    qunsetenv("PRINTER");
    qunsetenv("LPDEST");
    QVERIFY(QDir::setCurrent(folder));
    QVERIFY(QPrinterInfo::defaultPrinter().isNull());
}

} // namespace sprout::testing
