#include "games/hearts/hearts_layout.h"

namespace heartsrules {

Place fanPlace(int slot, float scale) {
    return core::fanPlace(slot, scale, 600);
}

}  // namespace heartsrules
