#pragma once

#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

namespace sprout {

// Pictures read from files in the program folder. Every read goes to the disk
// afresh: a file replaced while the program runs is read as it is now.
class BitmapFile {
public:
    struct Loaded {
        QImage picture;
        QString problem; // what is wrong, in plain words, when nothing was read

        bool ok() const { return problem.isEmpty(); }
    };

    // Reads the Windows bitmap at a full path. A missing, unreadable, damaged or
    // foreign file gives no picture and a message that names the file, says what
    // is wrong with it and how to get it back.
    static Loaded load(const QString& path);

    // Fills a quiz's picture table from the program folder, one slot per name
    // constant, in order; an empty constant leaves its slot without a picture.
    // Stops at the first file that cannot be read, reports it, leaves the table as
    // it was and returns false, so that the quiz does not open and the program
    // goes on.
    static bool loadTable(const QStringList& nameConstants, QList<QImage>& pics);
    static bool loadTable(const QString& folder, const QStringList& nameConstants,
                          QList<QImage>& pics);

    static QString reportTitle();
};

} // namespace sprout
