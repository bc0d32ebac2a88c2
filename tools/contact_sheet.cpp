#include "contact_sheet.h"

#include "art/card_face.h"
#include "art/chooser.h"
#include "art/color_pads.h"
#include "art/deck.h"
#include "art/euchre_pictures.h"
#include "art/icons.h"
#include "art/painting.h"
#include "art/sounds.h"

#include <QPainter>
#include <QtEndian>

#include <vector>

namespace layout {
namespace {

constexpr int kSheetWidth = 1400;
constexpr int kGap = 12;
constexpr int kLabelHeight = 14;

struct Entry {
    QString label;
    QImage image;
};

struct Section {
    QString title;
    std::vector<Entry> entries;
};

// Lays entries left to right, wrapping at the sheet's width; returns the height used.
int flow(QPainter* painter, const Section& section, int top) {
    int x = kGap, y = top + 24, rowHeight = 0;
    if (painter) {
        painter->setPen(Qt::white);
        painter->setFont(QFont("DejaVu Sans", 13, QFont::Bold));
        painter->drawText(kGap, top + 17, section.title);
    }
    for (const Entry& e : section.entries) {
        const int w = std::max(e.image.width(), 40);
        if (x + w > kSheetWidth - kGap && x > kGap) {
            x = kGap;
            y += rowHeight + kLabelHeight + kGap;
            rowHeight = 0;
        }
        if (painter) {
            painter->drawImage(x, y, e.image);
            painter->setPen(QColor(230, 230, 230));
            painter->setFont(QFont("DejaVu Sans", 7));
            painter->drawText(QRect(x - 4, y + e.image.height() + 1, w + 8, kLabelHeight), Qt::AlignHCenter, e.label);
        }
        x += w + kGap;
        rowHeight = std::max(rowHeight, e.image.height());
    }
    return y + rowHeight + kLabelHeight + kGap - top;
}

Section faces() {
    Section s{"Card faces (71 x 96)", {}};
    const char* suits[] = {"S", "C", "D", "H"};
    for (art::Suit suit : art::kSuits)
        for (int rank = 1; rank <= 13; ++rank)
            s.entries.push_back({QString("%1%2").arg(rank).arg(suits[static_cast<int>(suit)]), art::cardFace(suit, rank)});
    return s;
}

Section decks() {
    Section s{"Deck designs: back, sideways back, full, half and thin stock", {}};
    const char* names[] = {"back", "side", "full", "half", "thin"};
    for (int design = 1; design <= art::kDeckDesigns; ++design)
        for (art::DeckPicture picture : art::kDeckPictures)
            s.entries.push_back({QString("%1 %2").arg(design).arg(names[static_cast<int>(picture)]),
                                 art::deckPicture(design, picture)});
    return s;
}

Section chooser() {
    Section s{"Game chooser pictures and tree icons", {}};
    for (const art::GamePictureInfo& info : art::gamePictures())
        s.entries.push_back({QString::fromLatin1(info.name.data(), static_cast<int>(info.name.size())), art::gamePicture(info.name)});
    for (int number = 1; number <= 3; ++number)
        s.entries.push_back({QString("tree %1").arg(number), art::treeIcon(number)});
    return s;
}

Section colorPads() {
    Section s{"Color Memorization pads, normal and lit", {}};
    for (int pad = 1; pad <= 4; ++pad)
        for (bool lit : {false, true})
            s.entries.push_back({QString("pad %1%2").arg(pad).arg(lit ? " lit" : ""), art::colorPad(pad, lit)});
    return s;
}

Section euchre() {
    Section s{"Euchre: trump pictures, arrows, suit buttons, dealer marker", {}};
    const char* suits[] = {"spades", "clubs", "diamonds", "hearts"};
    for (art::Suit suit : art::kSuits) s.entries.push_back({suits[static_cast<int>(suit)], art::trumpPicture(suit)});
    const char* arrows[] = {"up", "down", "left", "right"};
    for (art::Arrow arrow : {art::Arrow::Up, art::Arrow::Down, art::Arrow::Left, art::Arrow::Right})
        s.entries.push_back({arrows[static_cast<int>(arrow)], art::arrowPicture(arrow)});
    for (art::Suit suit : art::kSuits) s.entries.push_back({suits[static_cast<int>(suit)], art::suitButton(suit)});
    s.entries.push_back({"dealer", art::dealerMarker()});
    return s;
}

Section icons() {
    Section s{"Program icon and game cursor", {}};
    for (int size : {16, 32, 48, 64}) s.entries.push_back({QString("icon %1").arg(size), art::programIcon(size)});
    s.entries.push_back({"cursor", art::gameCursorImage()});
    return s;
}

// A sound drawn as its waveform, one pixel per 5 ms.
QImage waveform(const QByteArray& wav) {
    constexpr int kHeader = 44, kRate = 22050, kPerPixel = kRate / 200;
    const int samples = (static_cast<int>(wav.size()) - kHeader) / 2;
    QImage image(std::max(1, samples / kPerPixel), 60, QImage::Format_RGB32);
    image.fill(QColor(20, 20, 30));
    QPainter p(&image);
    p.setPen(QColor(120, 220, 255));
    const auto* data = reinterpret_cast<const uchar*>(wav.constData() + kHeader);
    for (int x = 0; x < image.width(); ++x) {
        int low = 0, high = 0;
        for (int i = x * kPerPixel; i < std::min(samples, (x + 1) * kPerPixel); ++i) {
            const int v = qFromLittleEndian<qint16>(data + 2 * i);
            low = std::min(low, v);
            high = std::max(high, v);
        }
        p.drawLine(x, 30 - high * 29 / 32768, x, 30 - low * 29 / 32768);
    }
    return image;
}

Section sounds() {
    Section s{"Sounds (waveforms, 5 ms a pixel)", {}};
    for (std::string_view name : art::soundNames())
        s.entries.push_back({QString::fromLatin1(name.data(), static_cast<int>(name.size())), waveform(art::soundFile(name))});
    return s;
}

std::vector<Section> sections() { return {faces(), decks(), chooser(), colorPads(), euchre(), icons(), sounds()}; }

}  // namespace

QImage contactSheet() {
    const std::vector<Section> all = sections();
    int height = 0;
    for (const Section& s : all) height += flow(nullptr, s, height);
    QImage sheet(kSheetWidth, height, QImage::Format_RGB32);
    sheet.fill(QColor(0, 100, 0));
    QPainter painter(&sheet);
    int top = 0;
    for (const Section& s : all) top += flow(&painter, s, top);
    return sheet;
}

}  // namespace layout
