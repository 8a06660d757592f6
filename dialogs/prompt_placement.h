// What the two prompts over the saver do when they load: centre themselves, stand above every
// other window (the topmost saver included) unless the game runs from the configuration dialog,
// and show the cursor that the saver keeps hidden.
#pragma once

#include "app/app.h"
#include "platform/win32/forms.h"

namespace glim {

void place_prompt_over_saver(win32::form& f, win32::app_context& app);

}  // namespace glim
