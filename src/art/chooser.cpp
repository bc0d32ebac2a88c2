#include "art/chooser.h"

#include "art/chooser_scenes.h"
#include "art/painting.h"

namespace art {
namespace {

struct Entry {
    GamePictureInfo info;
    void (*paint)(QPainter&, QSize);
};

const std::vector<Entry>& entries() {
    static const std::vector<Entry> table{
#define GP_GAME(key, group, text, picture, pictureWidth, pictureHeight, left, top, width, height, painter, ...) \
    {{#picture, {pictureWidth, pictureHeight}}, scenes::painter},
#include "core/gamelist.def"
    };
    return table;
}

}  // namespace

const std::vector<GamePictureInfo>& gamePictures() {
    static const std::vector<GamePictureInfo> infos = [] {
        std::vector<GamePictureInfo> list;
        for (const Entry& e : entries()) list.push_back(e.info);
        return list;
    }();
    return infos;
}

QImage gamePicture(std::string_view name) {
    for (const Entry& e : entries()) {
        if (e.info.name != name) continue;
        QImage image = canvas(e.info.size, Qt::black);
        QPainter painter(&image);
        smooth(painter);
        e.paint(painter, e.info.size);
        return image;
    }
    return {};
}

}  // namespace art
