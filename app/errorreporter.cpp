#include "errorreporter.h"

#include "speech.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace sprout {

namespace {
ErrorReporter::Sink& currentSink()
{
    static ErrorReporter::Sink sink;
    return sink;
}

ErrorReporter::Chooser& currentChooser()
{
    static ErrorReporter::Chooser chooser;
    return chooser;
}

// Says the message's words for as long as the message is up.
class ReadAloud {
public:
    explicit ReadAloud(const ErrorReporter::Spoken& said)
    {
        if (said)
            Speech::say(*said, this);
    }
    ~ReadAloud() { Speech::stopSaidBy(this); }
    ReadAloud(const ReadAloud&) = delete;
    ReadAloud& operator=(const ReadAloud&) = delete;
};
} // namespace

void ErrorReporter::report(const QString& title, const QString& message, Spoken said)
{
    const ReadAloud reading(said);
    if (currentSink()) {
        currentSink()(title, message);
        return;
    }
    QMessageBox::warning(QApplication::activeWindow(), title, message);
}

bool ErrorReporter::reportWithOffer(const QString& title, const QString& message,
                                    const QString& offer, Spoken said)
{
    const ReadAloud reading(said);
    if (currentChooser())
        return currentChooser()(title, message, offer);
    if (currentSink()) {
        currentSink()(title, message);
        return false;
    }
    QMessageBox box(QMessageBox::Warning, title, message, QMessageBox::NoButton,
                    QApplication::activeWindow());
    QPushButton* takeOffer = box.addButton(offer, QMessageBox::AcceptRole);
    // "OK" leads and answers Escape: a stray key press opens no dialog.
    QPushButton* ok = box.addButton(QMessageBox::Ok);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
    return box.clickedButton() == takeOffer;
}

void ErrorReporter::inform(const QString& title, const QString& message, Spoken said)
{
    const ReadAloud reading(said);
    if (currentSink()) {
        currentSink()(title, message);
        return;
    }
    QMessageBox::information(QApplication::activeWindow(), title, message);
}

void ErrorReporter::setSink(Sink sink)
{
    currentSink() = std::move(sink);
}

void ErrorReporter::setChooser(Chooser chooser)
{
    currentChooser() = std::move(chooser);
}

} // namespace sprout
