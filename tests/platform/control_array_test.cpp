#include "support/window_test.h"

#include "platform/input.h"

#include <stdexcept>

namespace gp {
namespace {

std::vector<std::string>& clicks() {
    static std::vector<std::string> log;
    return log;
}

class Slots : public platform::Form {
public:
    Slots() {
        Width = 12000;
        Height = 8000;
        for (int i = 0; i <= 3; ++i) slot[i].Move(1500.0 * i, 300, 1065, 1440);
        slot[0].Tag = "template";
        slot[0].Stretch = true;
        slot[0].DragMode = platform::vbAutomatic;
        slot.Click = [this](int Index) {
            clicks().push_back("slot " + std::to_string(Index));
            if (unloadOnClick) slot.Unload(Index);
        };
    }
    platform::ControlArray<platform::Image> slot{*this, 0, 3};
    bool unloadOnClick = false;
};

// Cells 1-2 lie in a frame at (3000, 2000), cells 3-4 on the window.
class TwoContainers : public platform::Form {
public:
    TwoContainers() {
        Width = 12000;
        Height = 8000;
        side.Move(3000, 2000, 4000, 3000);
        for (int i = 1; i <= 4; ++i) cell[i].Move(i <= 2 ? 600.0 * i : 600.0 * i + 6000, 300, 500, 500);
        cell.Click = [](int Index) { clicks().push_back("cell " + std::to_string(Index)); };
    }
    platform::Frame side{*this};
    platform::ControlArray<platform::Image> cell{{{side, 1, 2}, {*this, 3, 4}}};
};

class Arrays : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        clicks().clear();
        s = &open<Slots>();
    }
    Slots* s = nullptr;
};

TEST_F(Arrays, DesignMembersAreNumberedAsDesigned) {
    EXPECT_EQ(s->slot.LBound(), 0);
    EXPECT_EQ(s->slot.UBound(), 3);
    EXPECT_EQ(s->slot.Count(), 4);
    EXPECT_EQ(s->slot[2].Index(), 2);
    EXPECT_THROW(s->slot[4], std::out_of_range);
    click(s->slot[2]);
    EXPECT_EQ(clicks(), std::vector<std::string>{"slot 2"});
}

TEST_F(Arrays, LoadedMemberCopiesTheLowestOneHiddenAndInFront) {
    platform::Image& extra = s->slot.Load(7);
    EXPECT_FALSE(extra.Visible);
    EXPECT_EQ(extra.Tag, "template");
    EXPECT_TRUE(extra.Stretch);
    EXPECT_EQ(extra.DragMode, platform::vbAutomatic);
    EXPECT_EQ(extra.Left, 0);
    EXPECT_EQ(extra.Width, 1065);
    EXPECT_EQ(&s->slot.Load(7), &extra) << "loading it again changes nothing";
    extra.Visible = true;
    extra.DragMode = platform::vbManual;
    click(extra);
    EXPECT_EQ(clicks(), std::vector<std::string>{"slot 7"}) << "a new member lies in front of the template";
}

TEST_F(Arrays, MemberLoadedBelowTheOthersCopiesTheLowestExistingOne) {
    s->slot.Unload(0);
    s->slot[1].Tag = "first";
    platform::Image& again = s->slot.Load(0);
    EXPECT_EQ(again.Tag, "first");
    EXPECT_EQ(again.Left, 1500);
    EXPECT_EQ(again.Width, 1065);
    EXPECT_EQ(again.Height, 1440);
}

TEST_F(Arrays, UnloadedMemberIsGoneAndCanBeLoadedAnew) {
    s->slot[3].Tag = "changed";
    s->slot.Unload(3);
    s->slot.Unload(3);
    EXPECT_FALSE(s->slot.exists(3));
    EXPECT_EQ(s->slot.Count(), 3);
    platform::input::press(*s, 4600, 400, platform::vbLeftButton);
    platform::input::release(*s, 4600, 400, platform::vbLeftButton);
    EXPECT_TRUE(clicks().empty());
    EXPECT_EQ(s->slot.Load(3).Tag, "template");
}

TEST_F(Arrays, MemberUnloadedInsideItsOwnClickIsSafe) {
    s->unloadOnClick = true;
    click(s->slot[1]);
    EXPECT_FALSE(s->slot.exists(1));
    EXPECT_EQ(clicks(), std::vector<std::string>{"slot 1"});
}

TEST_F(Arrays, MembersLieInTheContainersTheirRangesName) {
    auto& w = open<TwoContainers>();
    EXPECT_EQ(w.cell.Count(), 4);
    EXPECT_EQ(w.cell[2].container(), &w.side);
    EXPECT_EQ(w.cell[3].container(), &w);
    EXPECT_EQ(w.cell[1].windowX(), 3600) << "a frame's member is placed from the frame's corner";
    EXPECT_EQ(w.cell[3].windowX(), 7800);
    click(w.cell[1]);
    click(w.cell[4]);
    w.side.Visible = false;
    EXPECT_FALSE(w.cell[2].takesPointer());
    EXPECT_TRUE(w.cell[3].takesPointer()) << "hiding the frame leaves the window's members alone";
    EXPECT_EQ(clicks(), (std::vector<std::string>{"cell 1", "cell 4"}));
}

TEST_F(Arrays, MemberLoadedIntoTwoContainersGoesWhereTheLowestOneLies) {
    auto& w = open<TwoContainers>();
    EXPECT_EQ(w.cell.Load(9).container(), &w.side);
    w.cell.Unload(1);
    w.cell.Unload(2);
    EXPECT_EQ(w.cell.Load(0).container(), &w) << "the lowest member left lies on the window";
    EXPECT_EQ(w.cell[0].Left, w.cell[3].Left);
}

}  // namespace
}  // namespace gp
