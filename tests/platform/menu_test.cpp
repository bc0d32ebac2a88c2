#include "support/window_test.h"

#include <QAction>
#include <QMenu>

namespace gp {
namespace {

std::vector<std::string>& chosen() {
    static std::vector<std::string> log;
    return log;
}

class Menus : public platform::Form {
public:
    Menus() {
        onsound.Click = [this] {
            chosen().push_back("On");
            onsound.Checked = true;
            off.Checked = false;
        };
        off.Click = [] { chosen().push_back("Off"); };
        deep.Click = [] { chosen().push_back("deep"); };
        sound.Click = [] { chosen().push_back("Sound opened"); };
    }
    platform::Menu file{*this, "File"};
    platform::Menu newgame{file, "New Game"};
    platform::Menu div1{file, "-"};
    platform::Menu more{file, "More"};
    platform::Menu deep{more, "Deep"};
    platform::Menu sound{*this, "Sound"};
    platform::Menu onsound{sound, "On"};
    platform::Menu off{sound, "Off"};
};

// A window that puts its own menus and items among those it inherits.
class MoreMenus : public Menus {
public:
    platform::Menu first{file, "First", newgame};
    platform::Menu view{*this, "View", sound};
    platform::Menu last{*this, "Last"};
};

class MenuItems : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        chosen().clear();
        m = &open<Menus>();
    }
    Menus* m = nullptr;
};

TEST_F(MenuItems, ChoosingAnItemRunsItsClickAtAnyDepth) {
    chooseMenu(m->onsound);
    chooseMenu(m->deep);
    EXPECT_EQ(chosen(), (std::vector<std::string>{"On", "deep"}));
    EXPECT_TRUE(m->onsound.Checked);
    EXPECT_TRUE(m->onsound.action()->isChecked());
}

TEST_F(MenuItems, UnreachableItemsDoNothing) {
    struct Case {
        const char* what;
        std::function<void(Menus&)> block;
        std::function<void(Menus&)> unblock;
    };
    const Case cases[] = {
        {"disabled item", [](Menus& w) { w.off.Enabled = false; }, [](Menus& w) { w.off.Enabled = true; }},
        {"hidden item", [](Menus& w) { w.off.Visible = false; }, [](Menus& w) { w.off.Visible = true; }},
        {"disabled menu above", [](Menus& w) { w.sound.Enabled = false; }, [](Menus& w) { w.sound.Enabled = true; }},
        {"disabled window", [](Menus& w) { w.Enabled = false; }, [](Menus& w) { w.Enabled = true; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        chosen().clear();
        c.block(*m);
        chooseMenu(m->off);
        EXPECT_TRUE(chosen().empty());
        c.unblock(*m);
        chooseMenu(m->off);
        EXPECT_EQ(chosen(), std::vector<std::string>{"Off"});
    }
}

TEST_F(MenuItems, TicksBelongToTheWindowNotToQt) {
    m->off.Checked = true;
    m->off.action()->trigger();  // Qt alone would untick a ticked item
    EXPECT_TRUE(m->off.Checked);
    EXPECT_TRUE(m->off.action()->isChecked());
    EXPECT_EQ(chosen(), std::vector<std::string>{"Off"});
}

TEST_F(MenuItems, CaptionsChangeAtRunTimeAndDashesAreSeparators) {
    m->newgame.Caption = "Start Game";
    EXPECT_EQ(m->newgame.action()->text().toStdString(), "Start Game");
    EXPECT_TRUE(m->div1.action()->isSeparator());
    ASSERT_NE(m->file.action()->menu(), nullptr);
    EXPECT_EQ(m->file.action()->menu()->actions().size(), 3);
}

TEST_F(MenuItems, InsertedMenusAndItemsStandInFrontOfTheirNeighbour) {
    auto& w = open<MoreMenus>();
    EXPECT_EQ(menuCaptions(w), (std::vector<std::string>{"File", "View", "Sound", "Last"}));
    EXPECT_EQ(menuCaptions(w.file),
              (std::vector<std::string>{"First", "New Game", "-", "More"}));
    w.first.Click = [] { chosen().push_back("first"); };
    chooseMenu(w.first);
    EXPECT_EQ(chosen(), std::vector<std::string>{"first"});
}

TEST_F(MenuItems, OpeningAMenuIsItsClick) {
    emit m->sound.action()->menu()->aboutToShow();
    EXPECT_EQ(chosen(), std::vector<std::string>{"Sound opened"});
}

}  // namespace
}  // namespace gp
