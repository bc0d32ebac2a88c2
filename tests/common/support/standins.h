#pragma once

#include "platform/form.h"
#include "platform/light_controls.h"

#include <string>
#include <vector>

// What game window tests need of the shell without linking it: a bare main window that the games
// lock and whose Label1 holds the user's name, and a rules viewer that records the pages asked for.
namespace gp {

class mainstandin : public platform::Form {
public:
    mainstandin();
    platform::Label Label1{*this};
};

// While it lives, common's main window is the stand-in (when loaded: open it with the fixture's
// open<gp::mainstandin>()) and rules requests are recorded here; afterwards both hooks are empty.
class CommonStandIns {
public:
    CommonStandIns();
    ~CommonStandIns();
    CommonStandIns(const CommonStandIns&) = delete;
    CommonStandIns& operator=(const CommonStandIns&) = delete;

    // The rules files asked for, such as "\Data\golf.html", in order.
    const std::vector<std::string>& rulesShown() const { return rules_; }

private:
    std::vector<std::string> rules_;
};

}  // namespace gp
