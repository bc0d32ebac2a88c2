#include "common/support/standins.h"

#include "common/mainwindow.h"
#include "common/rules.h"

namespace gp {

mainstandin::mainstandin() {
    Caption = "Tolvane Game Pack v 1.0";
    Label1.Visible = false;
    Label1.Caption = std::string(common::kGuest);
}

CommonStandIns::CommonStandIns() {
    common::setmainwindow({
        [] { return static_cast<platform::Form*>(platform::loaded<mainstandin>()); },
        [] { return platform::window<mainstandin>().Label1.Caption.get(); },
    });
    common::setrulesviewer([this](const std::string& file) { rules_.push_back(file); });
}

CommonStandIns::~CommonStandIns() {
    common::setmainwindow({});
    common::setrulesviewer({});
}

}  // namespace gp
