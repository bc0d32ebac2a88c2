#include "platform/files.h"
#include "platform/sound_module.h"

#include <QtGlobal>
#include <QTemporaryDir>

#include <dlfcn.h>

#include <fstream>

#include <gtest/gtest.h>

using namespace platform::detail;

TEST(SoundModule, LoadsOnceAndPlaysStopsAndEndsAChannelWithOrWithoutADevice) {
    const SoundModuleApi* api = loadSoundModule(GP_SOUND_MODULE_PATH);
    ASSERT_NE(api, nullptr);
    EXPECT_EQ(api->version, kSoundModuleVersion);
    EXPECT_EQ(loadSoundModule(GP_SOUND_MODULE_PATH), api);

    void* channel = api->create();
    ASSERT_NE(channel, nullptr);
    const std::string flick = platform::resolve("\\Sounds\\flick.wav").string();
    api->play(channel, flick.c_str());
    api->play(channel, flick.c_str());  // replaces what was playing
    api->stop(channel);
    api->destroy(channel);
    void* unused = api->create();
    api->stop(unused);  // before any sound
    api->destroy(unused);
}

TEST(SoundModule, AnUnusableModuleIsSilenceSaidOnceOnStderr) {
    QTemporaryDir dir;
    const std::filesystem::path notALibrary = dir.filePath("text.so").toStdString();
    std::ofstream(notALibrary) << "not a library";
    Dl_info qtCore{};
    ASSERT_NE(dladdr(reinterpret_cast<void*>(&qVersion), &qtCore), 0);
    const std::filesystem::path cases[] = {dir.filePath("missing.so").toStdString(), notALibrary,
                                           qtCore.dli_fname};
    for (const auto& file : cases) {
        SCOPED_TRACE(file.string());
        testing::internal::CaptureStderr();
        EXPECT_EQ(loadSoundModule(file), nullptr);
        EXPECT_EQ(loadSoundModule(file), nullptr);
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_EQ(said.find("No sound: the sound module " + file.string()), 0u) << said;
        EXPECT_EQ(said.find('\n'), said.size() - 1) << said;
    }
}
