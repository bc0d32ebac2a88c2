#include "common/gamewindow.h"
#include "common/locks.h"
#include "common/mainwindow.h"
#include "common/namelabel.h"
#include "common/options.h"
#include "common/question.h"
#include "common/rules.h"
#include "common/scaling.h"
#include "common/support/standins.h"

#include "platform/boxes.h"
#include "platform/controls.h"
#include "platform/form.h"
#include "support/window_test.h"

#include <array>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

// A game window in miniature on the shared base: a Sound menu over a switch file, an option menu,
// and the main window locked while it is open.
class minigame : public common::GameWindow {
public:
    minigame() : GameWindow("golf", "golf") {
        Move(1200, 600, 6000, 4000);
        card.Move(1000, 2000, 1065, 1440);
        edge.X1 = 480, edge.Y1 = 600, edge.X2 = 4800, edge.Y2 = 4560;
    }
    platform::Menu speed{*this, "Speed", sound};
    platform::Menu slow{speed, "Slow"};
    platform::Menu fast{speed, "Fast "};
    platform::Image card{*this};
    platform::Line edge{*this};
    platform::Label Label1{*this};

    void Form_Load() override { common::lockmain(); }
    void Form_Activate() override { common::lockmain(); }
    void Form_Unload(int&) override { common::releasemain(); }
    void flick() { playsound("flick.wav"); }
    void choose(std::string_view value) {
        common::settingradio(speedsetting, value, "\\speed.dat", speeds());
    }
    std::array<common::OptionItem, 2> speeds() { return {{{"SLOW", &slow}, {"FAST", &fast}}}; }
    std::string speedsetting;
};

class WindowHelpers : public gp::WindowTest {
protected:
    void putSwitch(const std::string& bytes) {
        std::filesystem::create_directories(programDir() / "Data");
        std::ofstream(programDir() / "Data" / "golfsound.dat", std::ios::binary) << bytes;
    }
    std::string switchBytes() {
        std::ifstream in(programDir() / "Data" / "golfsound.dat", std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    minigame& reopen() {
        platform::unload<minigame>();
        settle();
        return open<minigame>();
    }
    gp::CommonStandIns standIns;
};

}  // namespace

TEST_F(WindowHelpers, SoundSwitchTicksOnOnlyForExactlyYes) {
    const std::pair<std::string, bool> cases[] = {
        {"YES\r\n", true}, {"YES", true}, {"yes\r\n", false}, {"NO\r\n", false}, {"", false},
    };
    for (const auto& [bytes, on] : cases) {
        putSwitch(bytes);
        auto& g = reopen();
        EXPECT_EQ(g.onsound.Checked.get(), on) << bytes;
        EXPECT_EQ(g.off.Checked.get(), !on) << bytes;
        sounds.clear();
        g.flick();
        EXPECT_EQ(sounds.played().size(), on ? 1u : 0u) << bytes;
    }
}

TEST_F(WindowHelpers, OnAndOffWriteTheSwitchAndDecideEverySound) {
    putSwitch("maybe\r\n");
    auto& g = open<minigame>();
    chooseMenu(g.off);
    EXPECT_EQ(switchBytes(), "NO\r\n");
    EXPECT_FALSE(g.soundon());
    g.flick();
    EXPECT_TRUE(sounds.played().empty());

    chooseMenu(g.onsound);
    EXPECT_EQ(switchBytes(), "YES\r\n");
    EXPECT_TRUE(g.onsound.Checked.get());
    EXPECT_FALSE(g.off.Checked.get());
    g.flick();
    g.flick();
    EXPECT_EQ(sounds.played(), (std::vector<std::string>{"flick.wav", "flick.wav"}));

    chooseMenu(g.onsound);  // choosing the ticked item writes once more, still one line
    EXPECT_EQ(switchBytes(), "YES\r\n");
}

TEST_F(WindowHelpers, AFailedSwitchWriteLeavesTheTicksTellingWhatSoundsDo) {
    putSwitch("YES\r\n");
    auto& g = open<minigame>();
    // A folder where the temporary file would go makes the write fail.
    std::filesystem::create_directories(programDir() / "Data" / "golfsound.dat.tmp");
    testing::internal::CaptureStderr();
    boxes.expect("golfsound.dat", platform::vbOK);
    chooseMenu(g.off);
    testing::internal::GetCapturedStderr();
    g.flick();
    const bool heard = !sounds.played().empty();
    EXPECT_EQ(g.onsound.Checked.get(), heard);
    EXPECT_EQ(g.off.Checked.get(), !heard);
}

TEST_F(WindowHelpers, SoundDecisionsReadTheSwitchValueNotTheFile) {
    putSwitch("YES\r\n");
    auto& g = open<minigame>();
    putSwitch("NO\r\n");  // another window switched sound off: this one hears of it at its next load
    g.flick();
    EXPECT_EQ(sounds.played(), std::vector<std::string>{"flick.wav"});
}

TEST_F(WindowHelpers, OptionItemsTickWhatTheFileReadsBack) {
    auto& g = open<minigame>();
    const auto bytes = [&] {
        std::ifstream in(programDir() / "speed.dat", std::ios::binary);
        return std::string{std::istreambuf_iterator<char>(in), {}};
    };
    g.choose("FAST");
    EXPECT_EQ(bytes(), "FAST\r\n");
    EXPECT_EQ(g.speedsetting, "FAST");
    EXPECT_TRUE(g.fast.Checked.get());
    EXPECT_FALSE(g.slow.Checked.get());
    g.choose("SLOW");
    EXPECT_TRUE(g.slow.Checked.get());
    EXPECT_FALSE(g.fast.Checked.get());
    g.choose("fast");
    EXPECT_EQ(g.speedsetting, "fast");
    EXPECT_TRUE(g.slow.Checked.get()) << "a value of no item leaves the ticks";
    common::tickoption("FAST", std::array<common::OptionItem, 2>{{{"FAST", &g.fast}, {"FAST", &g.slow}}});
    EXPECT_TRUE(g.fast.Checked.get()) << "the first match wins";
    EXPECT_FALSE(g.slow.Checked.get());
}

TEST_F(WindowHelpers, GameWindowLocksTheMainWindowUntilItUnloads) {
    auto& main = open<gp::mainstandin>();
    auto& g = open<minigame>();
    EXPECT_FALSE(main.Enabled.get());
    main.Enabled = true;  // another window released it: the lock is not counted
    platform::window<gp::mainstandin>().Show();
    settle();
    g.Show();
    settle();
    EXPECT_FALSE(main.Enabled.get()) << "locked again when it became active";
    platform::unload<minigame>();
    settle();
    EXPECT_TRUE(main.Enabled.get());
}

TEST_F(WindowHelpers, ReleasingNeverBringsBackAClosedMainWindow) {
    open<gp::mainstandin>();
    open<minigame>();
    platform::unload<gp::mainstandin>();
    settle();
    platform::unload<minigame>();
    settle();
    EXPECT_EQ(platform::loaded<gp::mainstandin>(), nullptr);
    EXPECT_EQ(common::mainwindow(), nullptr);
}

TEST_F(WindowHelpers, PlayerNameIsTheMainWindowsLabelOrGuest) {
    EXPECT_EQ(common::playername(), "Guest");
    auto& main = open<gp::mainstandin>();
    EXPECT_EQ(common::playername(), "Guest");
    main.Label1.Caption = "alpha";
    EXPECT_EQ(common::playername(), "alpha");
    platform::unload<gp::mainstandin>();
    settle();
    EXPECT_EQ(common::playername(), "Guest");
}

TEST_F(WindowHelpers, RulesGoToTheViewerAsADataPage) {
    common::showrules("golf");
    common::showrules("scorememory");
    EXPECT_EQ(standIns.rulesShown(), (std::vector<std::string>{"\\Data\\golf.html", "\\Data\\scorememory.html"}));
}

TEST_F(WindowHelpers, PlayAgainAsksYesNoWithTheInformationIcon) {
    boxes.expect("Keep Playing?", platform::vbYes);
    boxes.expect("Play Again?", platform::vbNo);
    EXPECT_TRUE(common::playagain("You Win! Play again?"));
    EXPECT_FALSE(common::playagain("You Lost, Play Again?", common::kPlayAgain));
    ASSERT_EQ(boxes.shown().size(), 2u);
    EXPECT_EQ(boxes.shown()[0].style, 68);
    EXPECT_EQ(boxes.shown()[0].title, "Keep Playing?");
    EXPECT_EQ(boxes.shown()[0].prompt, "You Win! Play again?");
    EXPECT_EQ(boxes.shown()[1].title, "Play Again?");
}

TEST_F(WindowHelpers, SetScaleNamesTheScreenAndScaleItShrinksInOrder) {
    struct Case { int w, h; const char* text; float scale; bool small; };
    const Case cases[] = {
        {640, 480, "Screen Resolution: 640 x 480", 0.74f, true},
        {800, 600, "Screen Resolution: 800 x 600", 0.9f, true},
        {1024, 768, "Screen Resolution: 1024 x 768", 1.0f, false},
        {1152, 864, "Screen Resolution: 1152 x 864", 1.0f, false},
    };
    for (const auto& c : cases) {
        setScreen(c.w, c.h);
        auto& g = reopen();
        const auto choice = common::setscale(g, {0.74f, 0.9f});
        EXPECT_EQ(choice.text, c.text);
        EXPECT_EQ(choice.scale, c.scale) << c.text;
        EXPECT_EQ(core::smallscreen(choice), c.small) << c.text;
        common::scaleit(g.card, choice.scale);
        EXPECT_DOUBLE_EQ(g.card.Left.get(), 1000 * double(c.scale)) << c.text;
        EXPECT_DOUBLE_EQ(g.card.Top.get(), 2000 * double(c.scale)) << c.text;
        EXPECT_DOUBLE_EQ(g.card.Width.get(), 1065 * double(c.scale)) << c.text;
        EXPECT_DOUBLE_EQ(g.card.Height.get(), 1440 * double(c.scale)) << c.text;
        common::scaleline(g.edge, choice.scale);
        EXPECT_DOUBLE_EQ(g.edge.X1.get(), 480 * double(c.scale)) << c.text;
        EXPECT_DOUBLE_EQ(g.edge.Y1.get(), 600 * double(c.scale)) << c.text;
        EXPECT_DOUBLE_EQ(g.edge.X2.get(), 4800 * double(c.scale)) << c.text;
        EXPECT_DOUBLE_EQ(g.edge.Y2.get(), 4560 * double(c.scale)) << c.text;
        common::scaleit(g, choice.scale);
        EXPECT_DOUBLE_EQ(g.Width.get(), 6000 * double(c.scale)) << c.text;
        EXPECT_DOUBLE_EQ(g.Left.get(), 1200 * double(c.scale)) << c.text;
    }
}

TEST_F(WindowHelpers, HoldClientGrowsAScaledWindowJustEnoughAndNeverShrinksIt) {
    auto& g = open<minigame>();
    common::scaleit(g, 0.5f);  // 3000 x 2000: the frame now takes a larger share
    const double width = g.Width, height = g.Height;
    const double clientWidth = g.ScaleWidth(), clientHeight = g.ScaleHeight();
    common::holdclient(g, clientWidth - 100, clientHeight - 100);
    EXPECT_DOUBLE_EQ(g.Width.get(), width);
    EXPECT_DOUBLE_EQ(g.Height.get(), height);
    common::holdclient(g, clientWidth + 40, clientHeight + 70);
    EXPECT_DOUBLE_EQ(g.Width.get(), width + 40);
    EXPECT_DOUBLE_EQ(g.Height.get(), height + 70);
    EXPECT_DOUBLE_EQ(g.ScaleHeight(), clientHeight + 70);
}

TEST_F(WindowHelpers, ANameLabelReadsYourNameCentredInLightYellowOnMenuText) {
    minigame& g = open<minigame>();
    const double defaultFontSize = g.Label1.Font.Size;
    common::namelabel(g.Label1, 3960, 4920, 1695);
    EXPECT_EQ(g.Label1.Caption.get(), "Your Name");
    EXPECT_EQ(g.Label1.Left.get(), 3960);
    EXPECT_EQ(g.Label1.Top.get(), 4920);
    EXPECT_EQ(g.Label1.Width.get(), 1695);
    EXPECT_EQ(g.Label1.Height.get(), 255);
    EXPECT_EQ(g.Label1.Alignment.get(), platform::vbCenter);
    EXPECT_EQ(g.Label1.ForeColor.get(), platform::RGB(255, 255, 128));
    EXPECT_EQ(g.Label1.BackColor.get(), platform::vbMenuText);
    EXPECT_EQ(g.Label1.Font.Size.get(), defaultFontSize) << "the system's font";
}
