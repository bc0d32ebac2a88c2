#include "core/cards.h"
#include "common/faces.h"

#include "platform/controls.h"
#include "platform/form.h"
#include "support/window_test.h"

#include <set>

namespace {

class facetable : public platform::Form {
public:
    platform::ControlArray<platform::Image> cardpic{*this, 1, 3};
    common::FaceSet faces;
};

using Faces = gp::WindowTest;

}  // namespace

TEST_F(Faces, EachCodeShowsItsOwnFaceAndIsRecognisedByIt) {
    auto& t = open<facetable>();
    struct Case { int code; int rank; const char* suit; };
    const Case cases[] = {
        {1, 1, "spades"}, {13, 13, "spades"}, {14, 1, "hearts"}, {26, 13, "hearts"},
        {27, 1, "diamonds"}, {39, 13, "diamonds"}, {40, 1, "clubs"}, {52, 13, "clubs"},
    };
    for (const auto& c : cases) {
        common::cardface(t.cardpic[1], c.code, t.faces);
        EXPECT_EQ(t.cardpic[1].Picture.get(), t.faces.face(c.code));
        const int code = common::picturematch(t.cardpic[1], t.faces);
        EXPECT_EQ(code, c.code);
        EXPECT_EQ(core::rankof(code), c.rank);
        EXPECT_EQ(core::suitof(code, core::SuitOrder::Window), c.suit);
    }
}

TEST_F(Faces, FiftyTwoDistinctFacesOfCardSize) {
    auto& t = open<facetable>();
    std::set<const void*> distinct;
    for (int code = 1; code <= 52; ++code) {
        const auto face = t.faces.face(code);
        ASSERT_TRUE(face) << code;
        EXPECT_EQ(face.widthPx(), 71);
        EXPECT_EQ(face.heightPx(), 96);
        distinct.insert(face.image().constBits());
        EXPECT_EQ(t.faces.match(face), code);
    }
    EXPECT_EQ(distinct.size(), 52u);
}

TEST_F(Faces, APicturePassedOnStaysItsFace) {
    auto& t = open<facetable>();
    common::cardface(t.cardpic[1], 40, t.faces);
    t.cardpic[2].Picture = t.cardpic[1].Picture;
    t.cardpic[3].Picture = t.cardpic[2].Picture;
    EXPECT_EQ(common::picturematch(t.cardpic[3], t.faces), 40);
    EXPECT_EQ(common::picturematch(t.cardpic[1], t.faces), 40);  // shown twice, same card
}

TEST_F(Faces, PicturesThatAreNoFaceMatchNothing) {
    auto& t = open<facetable>();
    EXPECT_EQ(common::picturematch(t.cardpic[1], t.faces), 0);  // no picture
    const auto file = programDir() / "copy.bmp";
    ASSERT_TRUE(platform::SavePicture(t.faces.face(5), file.string()));
    t.cardpic[1].Picture = platform::LoadPicture(file.string());  // same pixels, another picture
    EXPECT_EQ(common::picturematch(t.cardpic[1], t.faces), 0);
    const common::FaceSet other;
    t.cardpic[1].Picture = other.face(5);
    EXPECT_EQ(common::picturematch(t.cardpic[1], t.faces), 0);
}

TEST_F(Faces, CodesOutsideTheDeckChangeNothing) {
    auto& t = open<facetable>();
    common::cardface(t.cardpic[1], 7, t.faces);
    t.cardpic[1].Move(300, 400);
    t.cardpic[1].Tag = "7";
    for (int code : {0, 53, -1}) {
        common::cardface(t.cardpic[1], code, t.faces);
        EXPECT_EQ(common::picturematch(t.cardpic[1], t.faces), 7) << code;
    }
    EXPECT_EQ(t.cardpic[1].Left.get(), 300);
    EXPECT_EQ(t.cardpic[1].Tag.get(), "7");
    EXPECT_FALSE(t.faces.face(0));
    EXPECT_FALSE(t.faces.face(53));
}
