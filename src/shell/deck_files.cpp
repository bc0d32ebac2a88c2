#include "shell/deck_files.h"

#include "art/deck.h"
#include "core/cards.h"
#include "core/stock.h"
#include "platform/files.h"
#include "platform/picture.h"

#include <QImage>

#include <string>

namespace shell {
namespace {

// In the order the pictures are saved: the upright back, the sideways back, full, half, thin stock.
constexpr std::array<std::string_view, 5> kDeckFiles{core::backfile, core::sidebackfile, core::stockfull,
                                                     core::stockhalf, core::stockthin};

QImage designPicture(int design, std::size_t file) { return art::deckPicture(design, art::kDeckPictures[file]); }

bool shows(const platform::Picture& picture, const QImage& wanted) {
    return picture && picture.image().convertToFormat(QImage::Format_RGB32) == wanted.convertToFormat(QImage::Format_RGB32);
}

}  // namespace

int storeddesign() {
    const std::string stored = platform::readSetting(kDesignFile);
    for (int design = 1; design <= art::kDeckDesigns; ++design)
        if (stored == std::to_string(design)) return design;
    return 1;
}

// The number is written last, so it names a set only once all five pictures of it are saved.
bool savedeck(int design) {
    bool saved = true;
    for (std::size_t file = 0; saved && file < kDeckFiles.size(); ++file)
        saved = platform::SavePicture(platform::Picture(designPicture(design, file)), kDeckFiles[file]);
    if (saved) saved = platform::writeSetting(kDesignFile, std::to_string(design));
    if (!saved) matchdeck();
    return saved;
}

// Rolling back rather than completing: the number names the last set that was saved whole, and the
// design being saved when the program stopped cannot be known. A save writes the upright back first,
// each file whole, so a back that shows the number's design means no save stopped half way since:
// the other four need then only be there, at their size, and drawing them all to compare, most of
// the program's start-up, is left for when something is amiss.
void matchdeck() {
    const int design = storeddesign();
    const auto present = [design](std::size_t file) {
        const platform::Picture picture = platform::LoadPicture(kDeckFiles[file]);
        return picture && QSize(picture.widthPx(), picture.heightPx()) == art::deckPictureSize(design, art::kDeckPictures[file]);
    };
    bool whole = shows(platform::LoadPicture(kDeckFiles[0]), designPicture(design, 0));
    for (std::size_t file = 1; whole && file < kDeckFiles.size(); ++file) whole = present(file);
    if (whole) return;
    const auto match = [design](std::size_t file) {
        const QImage wanted = designPicture(design, file);
        return shows(platform::LoadPicture(kDeckFiles[file]), wanted) ||
               platform::SavePicture(platform::Picture(wanted), kDeckFiles[file]);
    };
    // The back last, and only once the other four show the design: a rollback that a failed write or a
    // kill stops leaves the back of the other design, and the next start-up takes it up again.
    bool rest = true;
    for (std::size_t file = 1; file < kDeckFiles.size(); ++file) rest = match(file) && rest;
    if (rest) match(0);
}

namespace {

bool& deckCheckWaits() {
    static bool waits = false;
    return waits;
}

}  // namespace

void deferdeckcheck() { deckCheckWaits() = true; }

// The user asked for no save: a rollback that cannot be written is said on standard error only,
// and the next start takes it up again.
void finishdeckcheck() {
    if (!deckCheckWaits()) return;
    deckCheckWaits() = false;
    const platform::UntoldWrites quiet;
    matchdeck();
}

}  // namespace shell
