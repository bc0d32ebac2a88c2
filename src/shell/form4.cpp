#include "shell/form4.h"

#include "art/deck.h"
#include "common/locks.h"
#include "shell/deck_files.h"

#include <array>

namespace {

using ImageOf = platform::Image Form4::*;

struct Design {
    int number;
    platform::OptionButton Form4::*option;
    platform::Frame Form4::*frame;
    // Upright back, sideways back, full, half and thin stock pile.
    std::array<ImageOf, 5> pictures;
    double optionLeft, optionTop, backLeft, backTop;
    bool shown;
};

// In the order of the option buttons, which is the order the choice is looked for.
// Left to right the window shows designs 4, 2, 1 and 5; design 3 lies beyond its right edge.
constexpr std::array<Design, 5> kDesigns{{
    {2, &Form4::Option1, &Form4::Frame1,
     {&Form4::Image1, &Form4::Image2, &Form4::Image3, &Form4::Image4, &Form4::Image5}, 2280, 2160, 1800, 240, true},
    {1, &Form4::Option2, &Form4::Frame2,
     {&Form4::Image6, &Form4::Image7, &Form4::Image8, &Form4::Image9, &Form4::Image10}, 3840, 2160, 3360, 240, true},
    {3, &Form4::Option3, &Form4::Frame3,
     {&Form4::Image11, &Form4::Image12, &Form4::Image13, &Form4::Image14, &Form4::Image15}, 8280, 3120, 7800, 1200,
     false},
    {4, &Form4::Option4, &Form4::Frame4,
     {&Form4::Image16, &Form4::Image17, &Form4::Image18, &Form4::Image19, &Form4::Image20}, 720, 2160, 240, 240, true},
    {5, &Form4::Option5, &Form4::Frame5,
     {&Form4::Image21, &Form4::Image22, &Form4::Image23, &Form4::Image24, &Form4::Image25}, 5520, 2160, 4920, 240,
     true},
}};

constexpr platform::Color kTable = platform::RGB(0, 128, 0);

}  // namespace

Form4::Form4() {
    Caption = "Select Card Deck";
    Width = 6600;
    Height = 2745;
    // The client area holds the option buttons under the backs, with the row's margin below them.
    setClientSize(ScaleWidth(), 2595);
    StartUpPosition = platform::vbStartUpScreen;
    BackColor = kTable;

    for (const Design& design : kDesigns) {
        platform::Frame& frame = this->*design.frame;
        frame.Move(240, 4680 + 210 * (design.number - 1), 6000, 2400);
        for (std::size_t i = 0; i < design.pictures.size(); ++i) {
            platform::Image& image = this->*design.pictures[i];
            image.Picture = art::deckPicture(design.number, art::kDeckPictures[i]);
            if (i > 0) image.Move(120 + 1800 * double(i - 1), 120);
        }
        platform::Image& back = this->*design.pictures[0];
        back.Move(design.backLeft, design.backTop);
        back.Visible = design.shown;

        platform::OptionButton& option = this->*design.option;
        option.Move(design.optionLeft, design.optionTop, 255, 195);
        option.BackColor = kTable;
        option.Visible = design.shown;
    }
    // Design 5's back is drawn a little smaller than its picture.
    Image21.Stretch = true;
    Image21.Move(4920, 240, 1320, 1755);
    Option2.Value = true;
}

void Form4::Form_Load() {
    common::lockmain();
    const int stored = shell::storeddesign();
    for (const Design& design : kDesigns)
        if (stored == design.number) (this->*design.option).Value = true;
}

void Form4::Form_Unload(int&) {
    common::releasemain();
    for (const Design& design : kDesigns) {
        if (!(this->*design.option).Value) continue;
        shell::savedeck(design.number);
        return;
    }
}
