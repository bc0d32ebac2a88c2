#include "common/locks.h"

#include "common/mainwindow.h"

#include "platform/form.h"

namespace common {

void lockowner(platform::Form& owner) { platform::lockWindow(owner); }

void releaseowner(platform::Form& owner) { platform::releaseWindow(owner); }

void lockowner(platform::Form* owner) {
    if (owner) lockowner(*owner);
}

void releaseowner(platform::Form* owner) {
    if (owner) releaseowner(*owner);
}

void lockmain() { lockowner(mainwindow()); }

void releasemain() { releaseowner(mainwindow()); }

}  // namespace common
