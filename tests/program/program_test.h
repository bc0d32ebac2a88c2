#pragma once

#include "support/random_play.h"

#include "common/mainwindow.h"
#include "common/rules.h"
#include "platform/form.h"
#include "shell/form1.h"
#include "shell/form6.h"
#include "shell/hooks.h"

// The whole program under the window-test fixture, its windows made known to the shared helpers as
// at start-up.
class ProgramTest : public gp::RandomPlayTest {
protected:
    void SetUp() override {
        RandomPlayTest::SetUp();
        shell::connect();
    }
    void TearDown() override {
        RandomPlayTest::TearDown();
        common::setmainwindow({});
        common::setrulesviewer({});
    }

    // The program as it starts: the start-up window shows the main window and goes.
    void startProgram() {
        platform::window<Form6>();
        settle();
    }
};
