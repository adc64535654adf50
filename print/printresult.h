#pragma once

#include <QString>

namespace sprout {

// What became of a print: either it went to the printer, or nothing was
// printed and the message says why and what to do, in words for a parent.
class PrintResult {
public:
    static PrintResult success();
    static PrintResult failure(const QString& message);
    // Nothing was printed because the computer has no printer to print on.
    static PrintResult noPrinter(const QString& message);

    bool ok() const { return m_ok; }
    explicit operator bool() const { return m_ok; }
    const QString& message() const { return m_message; }
    bool printerMissing() const { return m_printerMissing; }

private:
    PrintResult(bool ok, const QString& message, bool printerMissing = false);

    bool m_ok;
    QString m_message;
    bool m_printerMissing;
};

} // namespace sprout
