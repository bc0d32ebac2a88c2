#include "shell_test.h"

#include "platform/chance.h"
#include "shell/form1.h"
#include "shell/form6.h"

namespace {

using Startup = ShellTest;

TEST_F(Startup, ShowsTheMainWindowMaximizedAndIsNeverSeen) {
    platform::window<Form6>();
    settle();

    EXPECT_EQ(platform::loaded<Form6>(), nullptr);
    Form1* main = platform::loaded<Form1>();
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(main->Visible);
    EXPECT_EQ(platform::activeForm(), main);
    EXPECT_EQ(main->WindowState, platform::vbMaximized);
    EXPECT_EQ(main->Label1.Caption, "Guest");
    EXPECT_FALSE(main->Label1.Visible);
    EXPECT_EQ(main->Label3.Caption, "");
}

TEST_F(Startup, SeedsTheRandomGenerator) {
    platform::setFixedSeed(4242);
    platform::Randomize();
    const double first = platform::Rnd();
    platform::Rnd();  // the sequence moves on; only a fresh seed brings it back

    platform::window<Form6>();
    EXPECT_EQ(platform::Rnd(), first);
}

}  // namespace
