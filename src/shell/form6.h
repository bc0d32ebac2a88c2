#pragma once

#include "platform/form.h"

// The start-up window: it starts the program and is never seen.
class Form6 : public platform::Form {
private:
    void Form_Load() override;
};
