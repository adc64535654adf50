#include "artwork.h"

namespace sprout::art {

namespace {

using Group = std::vector<Artwork> (*)(const QString& only);
constexpr Group kGroups[] = {classroomPictures, cellPictures, lessonPictures, awardPictures};

} // namespace

std::vector<Artwork> builtInPictures()
{
    std::vector<Artwork> pictures;
    for (Group group : kGroups)
        for (Artwork& picture : group({}))
            pictures.push_back(std::move(picture));
    return pictures;
}

QImage drawBuiltInPicture(const QString& name, QSize pixels, qreal scale)
{
    const qreal inForce = drawingScale();
    const bool copies = drawingCopies();
    setDrawingScale(scale);
    setDrawingSize(pixels);
    QImage image;
    for (Group group : kGroups)
        for (Artwork& picture : group(name))
            image = std::move(picture.image);
    setDrawingScale(inForce, copies);
    setDrawingSize({});
    return image;
}

} // namespace sprout::art
