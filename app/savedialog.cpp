#include "savedialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QRegularExpression>

namespace sprout {

namespace {
SaveDialog::Answer& currentAnswer()
{
    static SaveDialog::Answer answer;
    return answer;
}

// "PDF files (*.pdf)" -> "pdf"
QString firstEnding(const QString& filter)
{
    const auto match = QRegularExpression(QStringLiteral("\\*\\.(\\w+)")).match(filter);
    return match.hasMatch() ? match.captured(1) : QString();
}
} // namespace

QString SaveDialog::ask(const QString& caption, const QString& suggestedPath, const QString& filter)
{
    if (currentAnswer())
        return currentAnswer()(caption, suggestedPath, filter);

    QFileDialog dialog(QApplication::activeWindow(), caption, suggestedPath, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(firstEnding(filter));
    dialog.selectFile(suggestedPath);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

void SaveDialog::setAnswer(Answer answer)
{
    currentAnswer() = std::move(answer);
}

} // namespace sprout
