#pragma once

#include "platform/boxes.h"

#include <deque>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

// Stand-ins for the things a test cannot watch or click: message and input boxes, sound and the
// system browser. Each takes over its service while it lives.
namespace gp {

// Answers boxes from a script. Each box takes the next scripted answer, which must match it (the
// title or the prompt contains the given text; empty text matches any box of that kind). A box
// nobody scripted fails the test, naming its prompt, and is answered OK, No or Cancel. An answer
// still unused when the script ends fails the test too.
class ScriptedBoxes {
public:
    ScriptedBoxes();
    ~ScriptedBoxes();
    ScriptedBoxes(const ScriptedBoxes&) = delete;
    ScriptedBoxes& operator=(const ScriptedBoxes&) = delete;

    void expect(std::string match, int answer);                  // a message box: vbOK, vbYes or vbNo
    // The same, running whileOpen while the box waits for its answer (the clock moving on, say).
    void expect(std::string match, int answer, std::function<void()> whileOpen);
    void expectInput(std::string text, std::string match = {});  // an input box; empty text is Cancel
    // A standing answer for message boxes that match (title or prompt), however many come, none
    // included; for play whose notices cannot be foreseen. The script's next answer goes first.
    void allow(std::string match, int answer);
    // Fails the test for each answer not yet used, and forgets them.
    void verifyAllUsed();
    // While set, every box is answered by the function instead of the script, as a run that plays
    // at random answers whatever box comes; an empty function goes back to the script.
    void answerWith(std::function<platform::BoxReply(const platform::BoxRequest&)> answer);

    const std::vector<platform::BoxRequest>& shown() const { return shown_; }  // every box, in order

private:
    struct Answer {
        platform::BoxRequest::Kind kind;
        std::string match;
        platform::BoxReply reply;
        std::function<void()> whileOpen;
    };
    platform::BoxReply answer(const platform::BoxRequest& request);

    std::deque<Answer> script_;
    std::function<platform::BoxReply(const platform::BoxRequest&)> answerer_;
    std::vector<Answer> standing_;
    std::vector<platform::BoxRequest> shown_;
    ScriptedBoxes* outer_;
};

// Records the sound files played, by file name ("flick.wav").
class RecordingSound {
public:
    RecordingSound();
    ~RecordingSound();
    RecordingSound(const RecordingSound&) = delete;
    RecordingSound& operator=(const RecordingSound&) = delete;

    const std::vector<std::string>& played() const { return played_; }
    void clear() { played_.clear(); }

private:
    std::vector<std::string> played_;
    RecordingSound* outer_;
};

// Records the addresses given to the system browser.
class RecordingBrowser {
public:
    RecordingBrowser();
    ~RecordingBrowser();
    RecordingBrowser(const RecordingBrowser&) = delete;
    RecordingBrowser& operator=(const RecordingBrowser&) = delete;

    const std::vector<std::string>& opened() const { return opened_; }
    void clear() { opened_.clear(); }
    // From now on no browser starts: as on a machine without one.
    void fail() { failing_ = true; }

private:
    std::vector<std::string> opened_;
    bool failing_ = false;
    RecordingBrowser* outer_;
};

}  // namespace gp
