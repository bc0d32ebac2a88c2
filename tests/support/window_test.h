#pragma once

#include "support/fakes.h"
#include "support/program_folder.h"

#include "platform/form.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The fixture of every window test: a temporary program folder laid out like the real one, a
// 1024 x 768 screen, a fixed random seed, the virtual clock, scripted boxes and recording sound and
// browser. Gestures go through the same routing as real input.
namespace gp {

// A point in the window's client area, in twips.
struct ClientPoint {
    double x, y;
};
// Where the user can press the control: a point where it is the frontmost control under the
// pointer, its centre when it can; none when it is covered everywhere or takes no pointer events.
std::optional<ClientPoint> reachablePoint(platform::Control& control);

// The captions the user sees, in order ("-" for a separator): a window's menu bar, a menu's items.
std::vector<std::string> menuCaptions(platform::Form& window);
std::vector<std::string> menuCaptions(platform::Menu& menu);

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Loads the window (Form_Load), shows it and lets it become active.
    template <class T>
    T& open() {
        T& w = platform::window<T>();
        w.Show();
        settle();
        return w;
    }

    // A click on the control where the user can see it (the test fails when it is visible and
    // enabled but covered everywhere). Hidden and disabled controls are clicked at their centre,
    // where whatever lies there takes the click.
    void click(platform::Control& control);
    // The same click with the button held down for holdMs on the virtual clock between press and
    // release, as a deliberate player does.
    void slowClick(platform::Control& control, int holdMs);
    // A click on the window's background at (x, y), client twips.
    void clickAt(platform::Form& form, double x, double y);
    // A plain pointer move onto the control.
    void mouseMove(platform::Control& control);
    // Pointer moves onto the source, a press, a move and a release over the target at (x, y) in the
    // target's twips (its centre by default). The test fails when another control is the frontmost
    // one at that point.
    void drag(platform::Control& source, platform::Control& target, std::optional<double> x = {},
              std::optional<double> y = {});
    // The same, released over the window's background at (x, y), client twips.
    void dragTo(platform::Control& source, double x, double y);
    void chooseMenu(platform::Menu& item);
    // The window's close box.
    void close(platform::Form& form);
    void doubleClick(platform::ListBox& list);
    void clickNode(platform::TreeView& tree, std::string_view text);
    void keyUp(platform::TreeView& tree, int keyCode);

    // Moves the virtual clock, delivering due ticks in order, then what they posted.
    void advance(int ms);
    // Runs what is posted for after the current handler (activations, disposals).
    void settle();

    void setScreen(int widthPx, int heightPx);
    bool programEnded() const { return ended_; }
    const std::filesystem::path& programDir() const { return folder_->path(); }

    ScriptedBoxes boxes;
    RecordingSound sounds;
    RecordingBrowser browser;

private:
    std::optional<ProgramFolder> folder_;
    bool ended_ = false;
};

}  // namespace gp
