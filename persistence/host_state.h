// The host state as the saved-game and resume files hold it: the core's
// HostState record, byte for byte.
#pragma once

#include "core/host_state.h"

namespace persistence {

using core::HostState;

}  // namespace persistence
