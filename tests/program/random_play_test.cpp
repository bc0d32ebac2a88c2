#include "program_test.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <typeindex>
#include <vector>

// Every registered window played at random: the main window with everything it opens, and each
// game on its own over the main window, from as many seeds as its rules ask for; between them the
// runs must meet every prompt its rules name.
namespace {

// Enough steps to play several hands and open every dialog; few enough to keep the suite quick.
constexpr int kSteps = 1500;

std::vector<std::string> playedNames() {
    std::vector<std::string> names;
    for (const gp::PlayedWindow& w : gp::playedWindows())
        if (w.played) names.push_back(w.name);
    return names;
}

class RandomPlay : public ProgramTest, public testing::WithParamInterface<std::string> {};

TEST_P(RandomPlay, NothingLostNothingStuck) {
    const gp::PlayedWindow* played = nullptr;
    for (const gp::PlayedWindow& w : gp::playedWindows())
        if (w.name == GetParam()) played = &w;
    ASSERT_NE(played, nullptr);
    for (int seed = 1; seed <= played->seeds && !HasFailure(); ++seed)
        play(static_cast<std::uint32_t>(seed), kSteps, played->type, [&] {
            const Form1* main = platform::loaded<Form1>();
            if (!main || !main->Visible) startProgram();
            played->show();
        });
    if (HasFailure()) return;
    for (const std::string& prompt : played->reaches)
        EXPECT_TRUE(met().contains(prompt)) << "no run met \"" << prompt << '"';
}

// A run may open a window in the middle of a step (the chooser, a restart): its rules must hold
// right away, with nothing noted before the step, at every screen size.
class OpenedMidStep : public ProgramTest, public testing::WithParamInterface<std::string> {};

TEST_P(OpenedMidStep, ItsRulesHoldAtOnce) {
    for (const gp::PlayedWindow& w : gp::playedWindows()) {
        if (!w.played) continue;
        SCOPED_TRACE(w.name);
        TearDown();
        SetUp();
        const int width = GetParam() == "640" ? 640 : GetParam() == "800" ? 800 : 1024;
        setScreen(width, width * 3 / 4);
        // A window may ask something as it opens: the first answer each time.
        boxes.answerWith([](const platform::BoxRequest& request) {
            platform::BoxReply reply;
            if ((request.style & 7) == platform::vbYesNo) reply.button = platform::vbYes;
            if (request.kind == platform::BoxRequest::Kind::Input) reply.text = "Ada";
            return reply;
        });
        startProgram();
        const auto look = [](platform::Form& f) {
            for (const gp::PlayedWindow& rules : gp::playedWindows())
                if (rules.before && rules.type == std::type_index(typeid(f))) rules.before(f);
        };
        const std::vector<platform::Form*> before = platform::loadedForms();
        for (platform::Form* f : before) look(*f);
        w.show();
        settle();
        // As the run does: a window the step opened is noted as it opened.
        for (platform::Form* f : platform::loadedForms())
            if (std::ranges::count(before, f) == 0) look(*f);
        for (platform::Form* f : platform::loadedForms())
            for (const gp::PlayedWindow& rules : gp::playedWindows())
                if (rules.holds && rules.type == std::type_index(typeid(*f))) {
                    EXPECT_EQ(rules.holds(*f), "") << rules.name;
                }
        platform::unloadAll();
        settle();
        boxes.answerWith({});
    }
}

INSTANTIATE_TEST_SUITE_P(Screens, OpenedMidStep, testing::Values("640", "800", "1024"));

INSTANTIATE_TEST_SUITE_P(Windows, RandomPlay, testing::ValuesIn(playedNames()),
                         [](const testing::TestParamInfo<std::string>& info) {
                             std::string name = info.param;
                             for (char& c : name)
                                 if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                             return name;
                         });

}  // namespace
