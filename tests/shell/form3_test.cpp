#include "shell_test.h"

#include "common/mainwindow.h"
#include "shell/form1.h"
#include "shell/form3.h"

namespace {

constexpr std::string_view kUsers = "\\Data\\users.dat";
constexpr std::string_view kCount = "\\Data\\totalusers.dat";

class LogIn : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        main = &open<Form1>();
    }
    void storeUsers(std::string_view users, std::string_view count) {
        writeFile(kUsers, users);
        writeFile(kCount, count);
    }
    Form3& openLogIn() {
        chooseMenu(main->change);
        settle();
        return *platform::loaded<Form3>();
    }
    static std::vector<std::string> listed(const Form3& login) {
        std::vector<std::string> names;
        for (int i = 0; i < login.List1.ListCount(); ++i) names.push_back(login.List1.List(i));
        return names;
    }
    void select(Form3& login, std::string_view name) {
        for (int i = 0; i < login.List1.ListCount(); ++i)
            if (login.List1.List(i) == name) login.List1.ListIndex = i;
    }
    Form1* main = nullptr;
};

using Names = std::vector<std::string>;

TEST_F(LogIn, ListsTheStoredNamesInFileOrderWhateverTheCountSays) {
    struct Case {
        std::string_view users, count;
        Names expected;
    };
    const Case cases[] = {
        {"*1*alpha*2*\r\n*1*beta*2*\r\n\r\n", "2\r\n", {"alpha", "beta"}},
        {"*1*alpha*2*\r\n*1*beta*2*\r\n\r\n", "7\r\n", {"alpha", "beta"}},
        {"*1*alpha*2*\r\n*1*beta*2*\r\n\r\n", "none\r\n", {"alpha", "beta"}},
        {"*1*x*1*y*2*\r\n\r\n", "1\r\n", {"x*1*y", "y"}},
        {"", "3\r\n", {}},
    };
    for (const Case& c : cases) {
        storeUsers(c.users, c.count);
        Form3& login = openLogIn();
        EXPECT_EQ(listed(login), c.expected) << c.users;
        login.Unload();
        settle();
    }
}

TEST_F(LogIn, MissingFilesListNobody) {
    removeFile(kUsers);
    removeFile(kCount);
    Form3& login = openLogIn();
    EXPECT_EQ(login.List1.ListCount(), 0);
}

TEST_F(LogIn, AddUserTakesOnlyAcceptableNewNames) {
    struct Case {
        std::string answer;
        bool added;
    };
    const Case cases[] = {
        {"gamma", true},
        {"beta", false},             // BETA is listed
        {"   ", true},               // three blanks
        {" ", false},
        {"  ", false},
        {"", false},                 // Cancel
        {std::string(20, 'n'), true},
        {std::string(21, 'm'), false},
        {"x*1*y", false},            // would come back as two names
        {"ab*2*c", false},           // would come back cut short
        {"2*ok", true},
    };
    storeUsers("*1*BETA*2*\r\n\r\n", "1\r\n");
    Form3& login = openLogIn();
    for (const Case& c : cases) {
        const int before = login.List1.ListCount();
        boxes.expectInput(c.answer, "Enter Name");
        click(login.Command1);
        EXPECT_EQ(login.List1.ListCount(), before + (c.added ? 1 : 0)) << '"' << c.answer << '"';
        if (c.added) {
            EXPECT_EQ(login.List1.List(before), c.answer);
        }
    }
    ASSERT_FALSE(boxes.shown().empty());
    EXPECT_EQ(boxes.shown().back().prompt, "Enter Your Name");
}

TEST_F(LogIn, ClosingSavesTheListAndItsCount) {
    storeUsers("*1*alpha*2*\r\n\r\n", "5\r\n");
    Form3& login = openLogIn();
    boxes.expectInput("beta");
    click(login.Command1);
    close(login);
    settle();
    EXPECT_EQ(fileText(kUsers), "*1*alpha*2*\r\n*1*beta*2*\r\n\r\n");
    EXPECT_EQ(fileText(kCount), "2\r\n");

    Form3& again = openLogIn();
    EXPECT_EQ(listed(again), (Names{"alpha", "beta"}));
}

TEST_F(LogIn, RemovingEveryUserSticks) {
    storeUsers("*1*alpha*2*\r\n\r\n", "1\r\n");
    Form3& login = openLogIn();
    select(login, "alpha");
    click(login.Command2);
    EXPECT_EQ(login.List1.ListCount(), 0);
    close(login);
    settle();
    EXPECT_EQ(fileText(kCount), "0\r\n");
    EXPECT_EQ(fileText(kUsers), "\r\n");
    EXPECT_EQ(openLogIn().List1.ListCount(), 0);
}

TEST_F(LogIn, RemoveWithNothingSelectedDoesNothing) {
    storeUsers("*1*alpha*2*\r\n*1*beta*2*\r\n\r\n", "2\r\n");
    Form3& login = openLogIn();
    click(login.Command2);
    EXPECT_EQ(listed(login), (Names{"alpha", "beta"}));
}

TEST_F(LogIn, LogInNamesTheUserForEveryGameAndCloses) {
    storeUsers("*1*alpha*2*\r\n*1*beta*2*\r\n\r\n", "2\r\n");
    Form3& login = openLogIn();
    EXPECT_FALSE(main->Enabled);
    select(login, "beta");
    click(login.Command3);
    settle();
    EXPECT_EQ(platform::loaded<Form3>(), nullptr);
    EXPECT_EQ(main->Label1.Caption, "beta");
    EXPECT_EQ(common::playername(), "beta");
    EXPECT_TRUE(main->Enabled);
    EXPECT_EQ(fileText(kCount), "2\r\n");
}

TEST_F(LogIn, DoubleClickLogsInLikeTheButton) {
    storeUsers("*1*alpha*2*\r\n\r\n", "1\r\n");
    Form3& login = openLogIn();
    select(login, "alpha");
    doubleClick(login.List1);
    settle();
    EXPECT_EQ(platform::loaded<Form3>(), nullptr);
    EXPECT_EQ(main->Label1.Caption, "alpha");
}

TEST_F(LogIn, LogInWithNobodySelectedAsksForAUser) {
    storeUsers("*1*alpha*2*\r\n\r\n", "1\r\n");
    Form3& login = openLogIn();
    boxes.expect("Select a User", platform::vbOK);
    click(login.Command3);
    settle();
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].title, "Error");
    EXPECT_EQ(boxes.shown()[0].style, platform::vbOKOnly + platform::vbInformation);
    EXPECT_EQ(platform::loaded<Form3>(), &login);
    EXPECT_EQ(main->Label1.Caption, "Guest");
}

TEST_F(LogIn, LogInWithNobodyListedDoesNothing) {
    storeUsers("", "0\r\n");
    Form3& login = openLogIn();
    click(login.Command3);
    settle();
    EXPECT_TRUE(boxes.shown().empty());
    EXPECT_EQ(platform::loaded<Form3>(), &login);
}

TEST_F(LogIn, NameLastsUntilTheProgramEnds) {
    storeUsers("*1*alpha*2*\r\n\r\n", "1\r\n");
    Form3& login = openLogIn();
    select(login, "alpha");
    click(login.Command3);
    settle();
    close(openLogIn());
    settle();
    EXPECT_EQ(main->Label1.Caption, "alpha");
}

TEST_F(LogIn, ScalesOnSmallScreens) {
    struct Case {
        int width, height;
        float factor;
        double font;
    };
    const Case cases[] = {{640, 480, 0.63f, 7}, {800, 600, 0.78f, 7}, {1024, 768, 1.0f, 8.25}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
        setScreen(c.width, c.height);
        Form3& login = openLogIn();
        const double f = c.factor;
        EXPECT_DOUBLE_EQ(login.Left, 4770 * f);
        EXPECT_LE(login.Command3.Top + login.Command3.Height, login.ScaleHeight());
        EXPECT_DOUBLE_EQ(login.Command3.Top, 4680 * f);
        EXPECT_DOUBLE_EQ(login.Command2.Left, 2040 * f);
        EXPECT_DOUBLE_EQ(login.List1.Font.Size, c.font);
        EXPECT_DOUBLE_EQ(login.Command1.Font.Size, c.font);
        login.Unload();
        settle();
    }
}

}  // namespace
