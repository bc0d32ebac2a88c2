#include "support/window_test.h"

#include "platform/files.h"
#include "platform/web_browser.h"

#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <QLineEdit>
#include <QTreeWidget>

namespace gp {
namespace {

std::vector<std::string>& heard() {
    static std::vector<std::string> log;
    return log;
}

class Panel : public platform::Form {
public:
    Panel() {
        Width = 9000;
        Height = 7000;
        Text1.Change = [] { heard().push_back("Text1 changed"); };
        RichTextBox1.Change = [this] { heard().push_back("rich: " + RichTextBox1.Text.get()); };
        Option1.Move(120, 120, 1200, 300);
        Option2.Move(120, 480, 1200, 300);
        Frame1.Move(3000, 120, 3000, 1500);
        Option3.Move(120, 300, 1200, 300);
        Option1.Click = [] { heard().push_back("Option1"); };
        Option2.Click = [] { heard().push_back("Option2"); };
        Check1.Move(120, 900, 1200, 300);
        Check1.Click = [] { heard().push_back("Check1"); };
        List1.Move(120, 1500, 2400, 1500);
        List1.Click = [] { heard().push_back("List1 click"); };
        List1.DblClick = [this] { heard().push_back("List1 double " + List1.Text()); };
        Combo1.Move(120, 3300, 1300, 315);
        Combo1.Click = [this] { heard().push_back("Combo1 " + Combo1.Text.get()); };
        TreeView1.Move(3000, 2000, 4000, 3000);
        TreeView1.Click = [this] {
            const platform::Node* n = TreeView1.SelectedItem();
            heard().push_back("tree " + (n ? n->Text.get() : std::string("none")));
        };
        TreeView1.KeyUp = [](int key, int) { heard().push_back("key " + std::to_string(key)); };
    }
    platform::TextBox Text1{*this};
    platform::RichTextBox RichTextBox1{*this};
    platform::OptionButton Option1{*this}, Option2{*this};
    platform::Frame Frame1{*this};
    platform::OptionButton Option3{Frame1};
    platform::CheckBox Check1{*this};
    platform::ListBox List1{*this};
    platform::ComboBox Combo1{*this};
    platform::TreeView TreeView1{*this};
    platform::MediaPlayer player{*this};
    platform::WebBrowser WebBrowser1{*this};
    platform::Label Label1{*this};
    platform::Shape Shape1{*this};
};

class Controls : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        heard().clear();
        p = &open<Panel>();
    }
    Panel* p = nullptr;
};

TEST_F(Controls, ChangeRunsOnlyWhenTheTextBecomesDifferent) {
    p->Text1.Text = "spades";
    p->Text1.Text = "spades";
    p->Text1.Text = "";
    EXPECT_EQ(heard(), (std::vector<std::string>{"Text1 changed", "Text1 changed"}));
    EXPECT_EQ(static_cast<QLineEdit*>(p->Text1.widget())->text(), "");
}

TEST_F(Controls, RichTextBoxLoadsAWholeFile) {
    ASSERT_TRUE(platform::writeSetting("\\Data\\golfsound.dat", "YES"));
    p->RichTextBox1.LoadFile("\\Data\\golfsound.dat");
    p->RichTextBox1.LoadFile("\\Data\\missing.dat");
    EXPECT_EQ(heard(), (std::vector<std::string>{"rich: YES\r\n", "rich: "}));
}

TEST_F(Controls, OneOptionButtonPerContainerIsSelected) {
    p->Option3.Value = true;
    click(p->Option1);
    click(p->Option2);
    EXPECT_FALSE(p->Option1.Value);
    EXPECT_TRUE(p->Option2.Value);
    EXPECT_TRUE(p->Option3.Value) << "a frame's option buttons are a group of their own";
    p->Option2.Value = true;
    EXPECT_EQ(heard(), (std::vector<std::string>{"Option1", "Option2"})) << "setting the selected one again is no change";
}

TEST_F(Controls, CheckBoxTogglesAndReportsEachChange) {
    click(p->Check1);
    EXPECT_EQ(p->Check1.Value, platform::vbChecked);
    p->Check1.Value = platform::vbUnchecked;
    EXPECT_EQ(heard(), (std::vector<std::string>{"Check1", "Check1"}));
}

TEST_F(Controls, ListBoxEntriesSelectionAndDoubleClick) {
    for (const char* name : {"alpha", "beta", "gamma"}) p->List1.AddItem(name);
    EXPECT_EQ(p->List1.ListCount(), 3);
    EXPECT_EQ(p->List1.Text(), "");
    p->List1.ListIndex = 1;
    doubleClick(p->List1);
    p->List1.RemoveItem(1);
    EXPECT_EQ(p->List1.ListIndex, -1);
    EXPECT_EQ(p->List1.List(1), "gamma");
    EXPECT_EQ(p->List1.List(5), "");
    EXPECT_EQ(heard(), (std::vector<std::string>{"List1 click", "List1 double beta"}));
}

TEST_F(Controls, DropDownListChoosesOnlyItsOwnEntries) {
    for (int i = 1; i <= 15; ++i) p->Combo1.AddItem(std::to_string(i));
    p->Combo1.Text = "7";
    EXPECT_EQ(p->Combo1.ListIndex, 6);
    p->Combo1.userChoose(9);
    EXPECT_EQ(p->Combo1.Text, "10");
    p->Combo1.Text = "99";
    EXPECT_EQ(p->Combo1.ListIndex, -1);
    EXPECT_EQ(heard(), (std::vector<std::string>{"Combo1 7", "Combo1 10"}));
}

TEST_F(Controls, TreeEntriesUnderTheirKeysWithClicksAndKeys) {
    platform::TreeView& tree = p->TreeView1;
    tree.Add("card", "Multi Player Card Games");
    tree.Add("card", platform::tvwChild, "J1", "Spades");
    tree.Add("card", platform::tvwChild, "J2", "Hearts");
    tree.Add("board", "Other Games");
    tree.Nodes(1).Expanded = true;
    EXPECT_TRUE(tree.Nodes(1).item()->isExpanded());
    EXPECT_EQ(tree.Nodes(3).item()->parent(), tree.Nodes(1).item());
    EXPECT_EQ(tree.Nodes(4).Index(), 4);
    EXPECT_EQ(tree.SelectedItem(), nullptr);
    clickNode(tree, "Hearts");
    keyUp(tree, 40);
    EXPECT_EQ(tree.SelectedItem(), &tree.Nodes(3));
    EXPECT_EQ(heard(), (std::vector<std::string>{"tree Hearts", "key 40"}));
}

TEST_F(Controls, MediaPlayerPlaysEachTimeItsFileNameIsSet) {
    p->player.FileName = "\\Sounds\\flick.wav";
    p->player.FileName = platform::programFolder().string() + "\\Sounds\\flick.wav";
    EXPECT_EQ(sounds.played(), (std::vector<std::string>{"flick.wav", "flick.wav"}));
}

TEST_F(Controls, BrowserNavigatesToAProgramPage) {
    p->WebBrowser1.Navigate("\\Data\\golf.html");
    EXPECT_EQ(p->WebBrowser1.LocationURL(), (programDir() / "Data" / "golf.html").string());
}

// A word longer than any real page has gets a zero-width space after each kLongestWord characters;
// blanks, tags, entities, multi-byte characters, style and script are left as they are.
TEST(PageText, OverlongWordsGetAPlaceToBreak) {
    using platform::kLongestWord;
    const std::string word(kLongestWord, 'x');
    const std::string zw = "&#8203;";
    const struct {
        const char* what;
        std::string page;
        std::string shown;
    } cases[] = {
        {"short words", "<p>Play the ace.</p>", "<p>Play the ace.</p>"},
        {"a word of the longest length", word, word},
        {"one character more", word + "y", word + zw + "y"},
        {"three lengths", word + word + word, word + zw + word + zw + word},
        {"a blank starts afresh", word + " " + word, word + " " + word},
        {"a tag starts afresh", word + "<b>" + word + "</b>", word + "<b>" + word + "</b>"},
        {"a long tag stays whole", "<a href=\"" + word + word + "\">a</a>", "<a href=\"" + word + word + "\">a</a>"},
        {"an entity stays whole", std::string(kLongestWord - 2, 'x') + "&amp;y", std::string(kLongestWord - 2, 'x') + "&amp;" + zw + "y"},
        {"a character of two bytes stays whole", std::string(kLongestWord, 'x') + "\xC3\xA9",
         std::string(kLongestWord, 'x') + zw + "\xC3\xA9"},
        {"style stays as written", "<style>" + word + word + "</style>" + word, "<style>" + word + word + "</style>" + word},
        {"script stays as written", "<SCRIPT>" + word + word + "</script>", "<SCRIPT>" + word + word + "</script>"},
        {"an unclosed tag", "<p" + word + word, "<p" + word + word},
    };
    for (const auto& c : cases) EXPECT_EQ(platform::breakLongWords(c.page), c.shown) << c.what;
}

TEST_F(Controls, PropertiesReadAndWriteLikeTheirValues) {
    p->Label1.Caption = "Your Name";
    p->Label1.Caption = p->Label1.Caption + " here";
    EXPECT_EQ(p->Label1.Caption, "Your Name here");
    p->Label1.Left = 100;
    p->Label1.Left += 50.5;
    EXPECT_EQ(p->Label1.Left, 150.5);
    p->Label1.Font.Name = "Verdana";
    p->Label1.Font.Size = 8.25;
    EXPECT_EQ(p->Label1.Font.Size, 8.25);
    const QFont font = p->Label1.Font.toQFont();
    EXPECT_DOUBLE_EQ(font.pointSizeF(), 8.25);
    EXPECT_TRUE(QFontInfo(font).exactMatch() || font.family() == "DejaVu Sans");
    p->Label1.ForeColor = platform::RGB(255, 255, 128);
    EXPECT_EQ(p->Label1.ForeColor, platform::RGB(255, 255, 128));
    EXPECT_NE(p->Label1.ForeColor, platform::vbMenuText);
}

// The shape painted alone on a clear 40 x 40 pixel sheet.
QImage painted(const platform::Shape& shape) {
    QImage sheet(40, 40, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(Qt::transparent);
    QPainter painter(&sheet);
    shape.paint(painter);
    return sheet;
}

TEST_F(Controls, ShapesFillSolidOrHatchedWithCrossedDiagonalsThatLetTheTableShowBetween) {
    p->Shape1.Move(0, 0, 600, 600);
    p->Shape1.BorderColor = platform::RGB(64, 0, 0);
    p->Shape1.FillColor = platform::RGB(255, 0, 0);
    const auto count = [](const QImage& sheet) {
        int red = 0, clear = 0;
        for (int y = 3; y < 37; ++y)
            for (int x = 3; x < 37; ++x) {
                const QRgb pixel = sheet.pixel(x, y);
                red += qAlpha(pixel) == 255 && qRed(pixel) == 255 && qGreen(pixel) == 0;
                clear += qAlpha(pixel) == 0;
            }
        return std::pair{red, clear};
    };

    p->Shape1.FillStyle = platform::vbFSTransparent;
    EXPECT_EQ(count(painted(p->Shape1)), std::pair(0, 34 * 34));

    p->Shape1.FillStyle = platform::vbFSSolid;
    EXPECT_EQ(count(painted(p->Shape1)), std::pair(34 * 34, 0));

    p->Shape1.FillStyle = platform::vbFSDiagonalCross;
    const QImage hatched = painted(p->Shape1);
    const auto [red, clear] = count(hatched);
    EXPECT_GT(red, 34 * 34 / 8) << "red lines cross the inside";
    EXPECT_GT(clear, 34 * 34 / 2) << "the table shows between them";
    EXPECT_EQ(red + clear, 34 * 34);
    // Lines run on from a pixel to the next one down, both to the right and to the left.
    int down = 0, up = 0;
    for (int y = 3; y < 36; ++y)
        for (int x = 4; x < 36; ++x) {
            if (qAlpha(hatched.pixel(x, y)) == 0) continue;
            down += qAlpha(hatched.pixel(x + 1, y + 1)) == 255;
            up += qAlpha(hatched.pixel(x - 1, y + 1)) == 255;
        }
    EXPECT_GT(down, 34) << "lines fall to the right";
    EXPECT_GT(up, 34) << "and cross lines falling to the left";
    EXPECT_EQ(hatched.pixel(20, 0), qRgb(64, 0, 0)) << "the thin dark border";
}

}  // namespace
}  // namespace gp
