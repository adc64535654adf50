#pragma once

#include <QImage>
#include <QString>
#include <vector>

class QPainter;
class QRectF;

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

// Each group of pictures is drawn in its own source file. Given a name, a group draws
// only the picture of that name (none when it has no such picture).
std::vector<Artwork> classroomPictures(const QString& only = {}); // board, cover, lesson backdrop, icon
QImage iconAt(int size);                  // the program icon for the desktop, size x size
std::vector<Artwork> cellPictures(const QString& only = {});   // the five Tic-Tac-Toe cell images
std::vector<Artwork> lessonPictures(const QString& only = {}); // shapes, apple and ruler of the lessons
std::vector<Artwork> quizPictureFiles();  // the colours, shapes, words and sums of the quizzes
std::vector<Artwork> awardPictures(const QString& only = {});  // the certificates the award screens show
std::vector<Artwork> awardPictureFiles(); // the same certificates, as the award files

// Every built-in picture at the scale in force.
std::vector<Artwork> builtInPictures();
// One built-in picture drawn `pixels` large, for a screen that shows it at a size no
// drawing compiled into the program has; null for an unknown name. The classroom's
// and the lessons' pictures are stretched to it as they are drawn; the others are
// drawn at the larger of the two scales and, where that is a pixel off, cut to it.
QImage drawBuiltInPicture(const QString& name, QSize pixels, qreal scale);

// Shared drawing helpers.
// A blank picture of width x height in the picture's own pixels. Built-in pictures
// are drawn at their own size, at twice it for screens that magnify, and by the
// program at any scale it shows them at; the canvas carries the scale in force as its
// device pixel ratio, so that painting in the picture's own coordinates fills the
// larger canvas as well.
QImage canvas(int width, int height, QColor fill);
// Maps a picture's pixels in one call where the system can, before they are first
// written: as large as a 3840 x 2160 screen they are tens of megabytes, and faulting
// their pages in one at a time as they were first written took twice as long. Changes
// no pixel.
void mapPixels(const QImage& picture);
qreal drawingScale();
// The copies compiled into the program leave out pictures already large enough
// (`copies`); a picture drawn for a screen is drawn at the scale asked for.
void setDrawingScale(qreal scale, bool copies = false);
bool drawingCopies();
// The canvas's size in pixels while the program draws one picture; empty otherwise.
QSize drawingSize();
void setDrawingSize(QSize pixels);
// A length in a picture's own pixels at the scale in force, rounded up (not for a
// rounding error) so that a picture is never drawn smaller than asked for.
int atDrawingScale(qreal length);
// Text as QPainter::drawText lays it out. Drawn for a large screen, letters too large
// for Qt to keep as pictures are filled one at a time, as the screens' own are: Qt
// fills a whole line as one shape, several times slower.
void drawText(QPainter& p, const QRectF& area, int flags, const QString& text);

} // namespace sprout::art
