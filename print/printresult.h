#pragma once

#include <QString>

namespace sprout {

// What became of a print: either it went to the printer, or nothing was
// printed and the message says why and what to do, in words for a parent.
class PrintResult {
public:
    static PrintResult success();
    static PrintResult failure(const QString& message);

    bool ok() const { return m_ok; }
    explicit operator bool() const { return m_ok; }
    const QString& message() const { return m_message; }

private:
    PrintResult(bool ok, const QString& message);

    bool m_ok;
    QString m_message;
};

} // namespace sprout
