#pragma once

#include "screen.h"

#include <QImage>
#include <QPixmap>
#include <QString>

namespace sprout {

// The four award screens are twins that differ only in a few positions and in
// the certificate they show and print.
class AwardScreen : public Screen {
    Q_OBJECT
public:
    AwardScreen(ScreenRegistry& registry, ScreenId id);

    // Where "Print Award" reads the award file; the program folder unless set.
    // Kept while the screen is unloaded, like the screen itself.
    void setPictureFolder(const QString& folder) { m_pictureFolder = folder; }
    QString pictureFolder() const;

    // Also a background picture that does not exist.
    QStringList designProblems() const override;
    void letPicturesGo() override;

protected:
    void controlsBuilt() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void scaleChanged() override;

private:
    void Command1_Click(); // "Print Award"
    void Command2_Click(); // "Continue": the award goes, the quiz beneath keeps its score
    // The way out when the award could not be printed.
    void saveAsPdf(const QImage& certificate);

    QString m_pictureFolder;
    QPixmap m_background; // the window's picture at the screen's scale, if it has one
};

} // namespace sprout
