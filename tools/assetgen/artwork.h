#pragma once

#include <QImage>
#include <QString>
#include <vector>

namespace sprout::art {

// One picture the program ships. Built-in pictures are compiled into the program;
// picture files are written beside the executable, where the quizzes and awards
// read them by name.
struct Artwork {
    QString name;   // file name without extension, letter case as the program reads it
    QImage image;
    // "jpg" for the pictures designed as photographs: the program reads them at the
    // size it shows them, which a JPEG decoder does in a fraction of the time.
    // Drawings are 24-bit bitmaps, which the resource compiler packs small and the
    // program reads by copying rows: a PNG of the main menu's cover took longer to
    // decode than the rest of the menu took to build.
    QString type = QStringLiteral("bmp");
};

// Each group of pictures is drawn in its own source file.
std::vector<Artwork> classroomPictures(); // board, cover, lesson backdrop, icon
QImage iconAt(int size);                  // the program icon for the desktop, size x size
std::vector<Artwork> cellPictures();      // the five Tic-Tac-Toe cell images
std::vector<Artwork> lessonPictures();    // shapes, apple and ruler of the lessons
std::vector<Artwork> quizPictureFiles();  // the colours, shapes, words and sums of the quizzes
std::vector<Artwork> awardPictures();     // the certificates the award screens show
std::vector<Artwork> awardPictureFiles(); // the same certificates, as the award files

// Shared drawing helpers.
// A blank picture of width x height in the picture's own pixels. Built-in pictures
// are drawn twice, at their own size and at twice it for screens that magnify; the
// canvas carries the scale in force as its device pixel ratio, so that painting in
// the picture's own coordinates fills the larger canvas as well.
QImage canvas(int width, int height, QColor fill);
int drawingScale();
void setDrawingScale(int scale);

} // namespace sprout::art
