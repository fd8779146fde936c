// The one host core of the program and the window seam it acts through.
#pragma once

#include "modules/host_core.h"

namespace shell {

// The core's state for the program's run; its seam is the main window.
modules::HostCore& TheCore();

}  // namespace shell
