// The platform's visual styles for the dialogs and message boxes of the
// program and of its game modules.
#pragma once

namespace platform {

// From this call on, the controls made on the calling thread come from the
// version 6 common controls, which load with the first of them. Called once
// start-up is done, and before a message box start-up may show: until then
// the program shows only the splash, whose static controls look the same
// either way, so neither the common controls nor the theme load before the
// first deal. Later calls do nothing.
void ApplyVisualStyles();

}  // namespace platform
