#include "core/win/app.h"

#include <optional>

namespace core {

namespace {

std::optional<HostCore>& Core()
{
    static std::optional<HostCore> core;
    return core;
}

}  // namespace

App& TheApp()
{
    static App app;
    return app;
}

HostCore& MakeTheCore(HostSeam& seam)
{
    if (!Core()) Core().emplace(seam);
    return *Core();
}

HostCore& TheCore() { return *Core(); }

}  // namespace core
