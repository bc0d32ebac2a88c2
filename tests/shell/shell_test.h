#pragma once

#include "support/window_test.h"

#include "common/mainwindow.h"
#include "common/rules.h"
#include "platform/files.h"
#include "shell/hooks.h"

#include <string>
#include <string_view>

// The shell's windows under the window-test fixture, made known to the shared helpers as at start-up.
class ShellTest : public gp::WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        shell::connect();
    }
    void TearDown() override {
        WindowTest::TearDown();
        common::setmainwindow({});
        common::setrulesviewer({});
    }

    // A file of the program folder exactly as it lies on disk.
    std::string fileText(std::string_view name) const { return platform::readFile(name); }
    bool fileExists(std::string_view name) const { return std::filesystem::exists(platform::resolve(name)); }
    void writeFile(std::string_view name, std::string_view bytes) const {
        platform::writeFileAtomic(platform::resolve(name), bytes);
    }
    void removeFile(std::string_view name) const { std::filesystem::remove(platform::resolve(name)); }
};
