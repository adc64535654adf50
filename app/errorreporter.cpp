#include "errorreporter.h"

#include <QApplication>
#include <QMessageBox>

namespace sprout {

namespace {
ErrorReporter::Sink& currentSink()
{
    static ErrorReporter::Sink sink;
    return sink;
}
} // namespace

void ErrorReporter::report(const QString& title, const QString& message)
{
    if (currentSink()) {
        currentSink()(title, message);
        return;
    }
    QMessageBox::warning(QApplication::activeWindow(), title, message);
}

void ErrorReporter::setSink(Sink sink)
{
    currentSink() = std::move(sink);
}

} // namespace sprout
