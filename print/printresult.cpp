#include "printresult.h"

namespace sprout {

PrintResult::PrintResult(bool ok, const QString& message, bool printerMissing)
    : m_ok(ok)
    , m_message(message)
    , m_printerMissing(printerMissing)
{
}

PrintResult PrintResult::success()
{
    return PrintResult(true, QString());
}

PrintResult PrintResult::failure(const QString& message)
{
    return PrintResult(false, message);
}

PrintResult PrintResult::noPrinter(const QString& message)
{
    return PrintResult(false, message, true);
}

} // namespace sprout
