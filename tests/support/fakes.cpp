#include "support/fakes.h"

#include "platform/services.h"

#include <gtest/gtest.h>

namespace gp {
namespace {

using platform::BoxReply;
using platform::BoxRequest;

// The innermost fake of each kind answers; an outer one takes over again when it ends.
ScriptedBoxes* currentBoxes = nullptr;
RecordingSound* currentSound = nullptr;
RecordingBrowser* currentBrowser = nullptr;

bool isYesNo(int style) { return (style & 7) == platform::vbYesNo; }

std::string describe(const BoxRequest& request) {
    const char* kind = request.kind == BoxRequest::Kind::Input ? "input box" : "message box";
    return std::string(kind) + " \"" + request.prompt + "\" titled \"" + request.title + "\"";
}

// What the user would most safely answer: OK, No, or Cancel.
BoxReply fallback(const BoxRequest& request) {
    if (request.kind == BoxRequest::Kind::Input) return {platform::vbCancel, {}};
    return {isYesNo(request.style) ? platform::vbNo : platform::vbOK, {}};
}

std::string fallbackWord(const BoxRequest& request) {
    if (request.kind == BoxRequest::Kind::Input) return "Cancel";
    return isYesNo(request.style) ? "No" : "OK";
}

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

bool fitsButtons(int answer, const BoxRequest& request) {
    if (request.kind == BoxRequest::Kind::Input) return true;
    if (isYesNo(request.style)) return answer == platform::vbYes || answer == platform::vbNo;
    return answer == platform::vbOK;
}

}  // namespace

ScriptedBoxes::ScriptedBoxes() : outer_(currentBoxes) {
    currentBoxes = this;
    platform::setBoxHook([](const BoxRequest& request) { return currentBoxes->answer(request); });
}

ScriptedBoxes::~ScriptedBoxes() {
    verifyAllUsed();
    currentBoxes = outer_;
    if (!currentBoxes) platform::setBoxHook({});
}

void ScriptedBoxes::expect(std::string match, int answer) {
    script_.push_back({BoxRequest::Kind::Message, std::move(match), {answer, {}}, {}});
}

void ScriptedBoxes::expect(std::string match, int answer, std::function<void()> whileOpen) {
    script_.push_back({BoxRequest::Kind::Message, std::move(match), {answer, {}}, std::move(whileOpen)});
}

void ScriptedBoxes::expectInput(std::string text, std::string match) {
    script_.push_back({BoxRequest::Kind::Input, std::move(match), {platform::vbOK, std::move(text)}, {}});
}

void ScriptedBoxes::allow(std::string match, int answer) {
    standing_.push_back({BoxRequest::Kind::Message, std::move(match), {answer, {}}, {}});
}

void ScriptedBoxes::verifyAllUsed() {
    for (const Answer& unused : script_)
        ADD_FAILURE() << "A scripted " << (unused.kind == BoxRequest::Kind::Input ? "input" : "message")
                      << " box answer for \"" << unused.match << "\" was never used";
    script_.clear();
}

void ScriptedBoxes::answerWith(std::function<BoxReply(const BoxRequest&)> answer) { answerer_ = std::move(answer); }

BoxReply ScriptedBoxes::answer(const BoxRequest& request) {
    shown_.push_back(request);
    if (answerer_) return answerer_(request);
    const std::string answered = "; answered " + fallbackWord(request);
    const auto fits = [&](const Answer& a) {
        return a.kind == request.kind && (contains(request.title, a.match) || contains(request.prompt, a.match));
    };
    if (script_.empty() || !fits(script_.front()))
        for (const Answer& standing : standing_)
            if (fits(standing) && fitsButtons(standing.reply.button, request)) return standing.reply;
    if (script_.empty()) {
        ADD_FAILURE() << "Unexpected " << describe(request) << ": nobody scripted an answer" << answered;
        return fallback(request);
    }
    const Answer next = script_.front();
    if (!fits(next)) {
        ADD_FAILURE() << "Unexpected " << describe(request) << ": the next scripted answer is for \""
                      << next.match << "\"" << answered;
        return fallback(request);
    }
    script_.pop_front();
    if (!fitsButtons(next.reply.button, request)) {
        ADD_FAILURE() << "The scripted answer " << next.reply.button << " is not a button of the "
                      << describe(request) << answered;
        return fallback(request);
    }
    if (next.whileOpen) next.whileOpen();
    return next.reply;
}

RecordingSound::RecordingSound() : outer_(currentSound) {
    currentSound = this;
    platform::setSoundHook(
        [](const std::filesystem::path& file) { currentSound->played_.push_back(file.filename().string()); });
}

RecordingSound::~RecordingSound() {
    currentSound = outer_;
    if (!currentSound) platform::setSoundHook({});
}

RecordingBrowser::RecordingBrowser() : outer_(currentBrowser) {
    currentBrowser = this;
    platform::setBrowserHook([](const std::string& address) {
        currentBrowser->opened_.push_back(address);
        return !currentBrowser->failing_;
    });
}

RecordingBrowser::~RecordingBrowser() {
    currentBrowser = outer_;
    if (!currentBrowser) platform::setBrowserHook({});
}

}  // namespace gp
