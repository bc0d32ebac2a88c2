#pragma once

#include "platform/form.h"

#include <string>
#include <vector>

// Small windows that write what happens to them into one log, for the platform's own tests.
namespace gp::testwin {

inline std::vector<std::string>& events() {
    static std::vector<std::string> log;
    return log;
}
inline void note(std::string event) { events().push_back(std::move(event)); }

// A window that logs its load, activation and unload under its own name; Cancel refuses unloads.
template <int N>
class Logged : public platform::Form {
public:
    Logged() { Caption = name(); }
    // Appended rather than added: GCC 12's optimiser warns falsely about a literal + std::string.
    static std::string name() { return std::string("W").append(std::to_string(N)); }
    int counter = 0;  // window state: zero in every fresh window
    static inline bool refuse = false;

    void Form_Load() override { note(name() + ".load"); }
    void Form_Activate() override { note(name() + ".activate"); }
    void Form_Unload(int& Cancel) override {
        note(name() + ".unload");
        if (refuse) Cancel = 1;
    }
};
using W1 = Logged<1>;
using W2 = Logged<2>;
using W3 = Logged<3>;

// Its load shows another window and then unloads itself, as a start-up window does.
class Starter : public platform::Form {
public:
    void Form_Load() override {
        platform::window<W1>().Show();
        note("starter.shown");
        Unload();
        note("starter.after-unload");
    }
};

// A window that unloads itself inside a click handler and reads its own controls afterwards.
class SelfCloser : public platform::Form {
public:
    SelfCloser() {
        on(Command1.Click, &SelfCloser::Command1_Click);
        Command1.Move(120, 120, 1200, 400);
        Label1.Caption = "still here";
    }
    platform::CommandButton Command1{*this};
    platform::Label Label1{*this};

private:
    void Command1_Click() {
        Unload();
        note("closed, label reads " + Label1.Caption.get());
    }
};

// A dialog that, as it unloads, hands a step over to after its unload: the step notes whether the
// dialog is still loaded and, when asked, shows W3.
class HandsOver : public platform::Form {
public:
    static inline bool showNext = false;
    void Form_Unload(int&) override {
        note("handsover.unload");
        platform::afterHandler([] {
            note(platform::loaded<HandsOver>() ? "step, dialog still loaded" : "step, dialog gone");
            if (showNext) platform::window<W3>().Show();
        });
        platform::afterHandler([] { note("second step"); });
    }
};

// A table of both layers. Back to front in the light layer: shape, card(1..3), line, zone,
// label; in the window's windowed layer the button and the frame, which holds an image and a label.
class Table : public platform::Form {
public:
    Table() {
        Width = 9000;
        Height = 7000;
        shape.Move(0, 0, 3000, 3000);
        for (int i = 1; i <= 3; ++i) card[i].Move(600.0 * i, 600, 1065, 1440);
        line.X1 = 0, line.Y1 = 1000, line.X2 = 6000, line.Y2 = 1000;
        zone.Move(4000, 3000, 1500, 1500);
        label.Move(6000, 3000, 1500, 300);
        button.Move(6000, 600, 1200, 400);
        frame.Move(3000, 4800, 3000, 1800);
        inner.Move(300, 300, 600, 600);
        framelabel.Move(1200, 300, 900, 300);

        card.Click = [](int i) { note("card" + std::to_string(i) + ".click"); };
        card.MouseMove = [](int i, int, int, double, double) { note("card" + std::to_string(i) + ".move"); };
        card.DragDrop = [](int i, platform::Control& source, double x, double y) {
            note("card" + std::to_string(i) + ".drop from " + std::to_string(source.Index()) + " at " +
                 std::to_string(int(x)) + "," + std::to_string(int(y)));
        };
        card.DragOver = [](int i, platform::Control&, double, double, int state) {
            note("card" + std::to_string(i) + ".over" + std::to_string(state));
        };
        zone.Click = [] { note("zone.click"); };
        zone.DragDrop = [](platform::Control& source, double x, double y) {
            note("zone.drop from " + std::to_string(source.Index()) + " at " + std::to_string(int(x)) + "," +
                 std::to_string(int(y)));
        };
        label.Click = [] { note("label.click"); };
        button.Click = [] { note("button.click"); };
        inner.Click = [] { note("inner.click"); };
        framelabel.Click = [] { note("framelabel.click"); };
        frame.Click = [] { note("frame.click"); };
    }

    platform::Shape shape{*this};
    platform::ControlArray<platform::Image> card{*this, 1, 3};
    platform::Line line{*this};
    platform::Image zone{*this};
    platform::Label label{*this};
    platform::CommandButton button{*this};
    platform::Frame frame{*this};
    platform::Image inner{frame};
    platform::Label framelabel{frame};

    void Form_Click() override { note("form.click"); }
    void Form_MouseMove(int, int, double, double) override { note("form.move"); }
    void Form_DragDrop(platform::Control& source, double x, double y) override {
        note("form.drop from " + std::to_string(source.Index()) + " at " + std::to_string(int(x)) + "," +
             std::to_string(int(y)));
    }
    void Form_DragEnded(platform::Control& source) override { note("drag ended " + std::to_string(source.Index())); }
};

}  // namespace gp::testwin
