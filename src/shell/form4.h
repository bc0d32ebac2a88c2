#pragma once

#include "platform/controls.h"
#include "platform/form.h"

// The deck chooser: the card-back design every card game shows, applied when the window closes.
class Form4 : public platform::Form {
public:
    Form4();

    // Each design: its upright back in the visible row, its other four pictures in a frame below
    // the window's edge, and an option button under the back.
    platform::Image Image1{*this}, Image6{*this}, Image11{*this}, Image16{*this}, Image21{*this};
    platform::Frame Frame1{*this}, Frame2{*this}, Frame3{*this}, Frame4{*this}, Frame5{*this};
    platform::Image Image2{Frame1}, Image3{Frame1}, Image4{Frame1}, Image5{Frame1};
    platform::Image Image7{Frame2}, Image8{Frame2}, Image9{Frame2}, Image10{Frame2};
    platform::Image Image12{Frame3}, Image13{Frame3}, Image14{Frame3}, Image15{Frame3};
    platform::Image Image17{Frame4}, Image18{Frame4}, Image19{Frame4}, Image20{Frame4};
    platform::Image Image22{Frame5}, Image23{Frame5}, Image24{Frame5}, Image25{Frame5};
    platform::OptionButton Option1{*this}, Option2{*this}, Option3{*this}, Option4{*this}, Option5{*this};

private:
    void Form_Load() override;
    void Form_Unload(int& Cancel) override;
};
