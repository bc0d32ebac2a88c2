#include "program_test.h"

#include "platform/boxes.h"
#include "platform/screen_fit.h"
#include "platform/services.h"

#include <string>
#include <typeindex>
#include <vector>

// Every window and dialog of the program lies wholly on the screen, with room for a title bar, at
// the small screens; at 1024 x 768 the windows keep their own size and place.
namespace {

class ScreenFit : public ProgramTest {
protected:
    // Every registered window: the games first, then the dialogs, whose owners are open by then.
    void openEveryWindow() {
        boxes.answerWith([](const platform::BoxRequest&) { return platform::BoxReply{platform::vbNo, {}}; });
        mainWindow();
        for (bool games : {true, false})
            for (const gp::PlayedWindow& window : gp::playedWindows())
                if (window.played == games) {
                    window.show();
                    settle();
                }
    }
    std::string nameOf(const platform::Form& form) {
        for (const gp::PlayedWindow& window : gp::playedWindows())
            if (window.type == std::type_index(typeid(form))) return window.name;
        return typeid(form).name();
    }
};

class ScreenFitAt : public ScreenFit, public ::testing::WithParamInterface<platform::ScreenSize> {};

TEST_P(ScreenFitAt, EveryWindowLiesWhollyOnTheScreen) {
    const auto [width, height] = GetParam();
    setScreen(width, height);
    openEveryWindow();
    std::vector<std::string> shown;
    for (platform::Form* form : platform::loadedForms()) {
        if (!form->Visible) continue;
        shown.push_back(nameOf(*form));
        const platform::ScreenRect outer{form->Left, form->Top, form->Width, form->Height};
        if (form->WindowState == platform::vbMaximized) {
            // The window system frames a maximized window within the screen it covers.
            EXPECT_EQ(outer.width, width * 15.0) << nameOf(*form);
            EXPECT_EQ(outer.height, height * 15.0) << nameOf(*form);
            continue;
        }
        EXPECT_TRUE(platform::fitsOnScreen(outer, width * 15.0, height * 15.0))
            << nameOf(*form) << " at " << width << " x " << height << ": left " << outer.left << ", top " << outer.top
            << ", " << outer.width << " x " << outer.height << " twips";
    }
    EXPECT_EQ(shown.size(), gp::playedWindows().size() - 1) << "every window but the start-up window is shown";
}

INSTANTIATE_TEST_SUITE_P(SmallScreens, ScreenFitAt,
                         ::testing::Values(platform::ScreenSize{640, 480}, platform::ScreenSize{800, 600}),
                         [](const auto& info) {
                             return std::to_string(info.param.widthPx) + "x" + std::to_string(info.param.heightPx);
                         });

TEST_F(ScreenFit, At1024x768WindowsKeepTheirOwnSizeAndPlace) {
    struct Kept {
        std::string name;
        platform::ScreenRect outer;
    };
    const std::vector<Kept> kept{
        {"hearts", {2378, 1530, 10605, 8460}},   {"euchre", {2415, 1030, 10530, 9460}},
        {"calculation", {2385, 1080, 10590, 9360}}, {"spades", {2378, 850, 10605, 9820}},
        {"nestor", {1778, 1222, 11805, 9075}},   {"login", {4770, 435, 4050, 5940}},
        {"decks", {4380, 4260, 6600, 3000}},
    };
    openEveryWindow();
    for (const Kept& k : kept) {
        SCOPED_TRACE(k.name);
        platform::Form* form = nullptr;
        for (platform::Form* f : platform::loadedForms())
            if (nameOf(*f) == k.name) form = f;
        ASSERT_NE(form, nullptr);
        EXPECT_NEAR(form->Left, k.outer.left, 1);
        EXPECT_NEAR(form->Top, k.outer.top, 1);
        EXPECT_NEAR(form->Width, k.outer.width, 1);
        EXPECT_NEAR(form->Height, k.outer.height, 1);
    }
}

}  // namespace
