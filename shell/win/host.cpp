#include "shell/win/host.h"

#include "shell/win/win32_seam.h"

namespace shell {

modules::HostCore& TheCore()
{
    static Win32Seam seam;
    static modules::HostCore core(seam);
    return core;
}

}  // namespace shell
