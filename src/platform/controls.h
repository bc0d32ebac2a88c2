#pragma once

// Every control a window can hold.
#include "platform/buttons.h"
#include "platform/control.h"
#include "platform/control_array.h"
#include "platform/frame.h"
#include "platform/light_controls.h"
#include "platform/lists.h"
#include "platform/media_player.h"
#include "platform/menu.h"
#include "platform/text_boxes.h"
#include "platform/timer.h"
#include "platform/treeview.h"
#include "platform/web_browser.h"
