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
        {{"spadespic", {311, 209}}, scenes::spades},
        {{"heartspic", {311, 206}}, scenes::hearts},
        {{"crazy8spic", {312, 207}}, scenes::crazy8s},
        {{"warpic", {601, 448}}, scenes::war},
        {{"euchrepic", {278, 209}}, scenes::euchre},
        {{"ginpic", {309, 208}}, scenes::gin},
        {{"compmemorysmallpic", {311, 208}}, scenes::memorySmall},
        {{"compmemorybigpic", {310, 206}}, scenes::memoryBig},
        {{"cardmemscorepic", {246, 206}}, scenes::memoryAgainstClock},
        {{"interlockpuzzlepic", {238, 206}}, scenes::interlockPuzzle},
        {{"nestorpic", {309, 208}}, scenes::nestor},
        {{"calculationpic", {279, 176}}, scenes::calculation},
        {{"golfpic", {311, 209}}, scenes::golf},
        {{"fortythievespic", {310, 197}}, scenes::fortyThieves},
        {{"accordionpic", {310, 164}}, scenes::accordion},
        {{"backgammonpic", {481, 339}}, scenes::backgammon},
        {{"colorpic", {200, 209}}, scenes::colorMemory},
        {{"foreaftpic", {214, 206}}, scenes::foreAndAft},
        {{"tictactoepic", {311, 208}}, scenes::ticTacToe},
        {{"towers1pic", {309, 206}}, scenes::towersSmall},
        {{"towers2pic", {310, 207}}, scenes::towersMedium},
        {{"towers3pic", {308, 205}}, scenes::towersLarge},
        {{"seawarpic", {312, 216}}, scenes::seaWar},
        {{"hangmanpic", {311, 207}}, scenes::hangman},
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
