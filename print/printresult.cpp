#include "printresult.h"

namespace sprout {

PrintResult::PrintResult(bool ok, const QString& message)
    : m_ok(ok)
    , m_message(message)
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

} // namespace sprout
