#include "core/win/surfaces.h"

#include "core/win/app.h"

namespace core {

Surfaces& TheSurfaces()
{
    static Surfaces surfaces;
    return surfaces;
}

platform::PictureSurface MainPictureSurface()
{
    const Surfaces& s = TheSurfaces();
    return {TheApp().mainWindow, s.scratchDC.get(), s.palette.get()};
}

}  // namespace core
