#include "core/host_core.h"

namespace core {

void PlayTableSound(HostCore& core, Sound sound, SoundMode mode)
{
    if (core.state.sounds) core.seam.PlaySound(sound, mode);
}

void SwitchCardSize(HostCore& core, table::CardSize size, bool rescale)
{
    if (rescale) core.table.Rescale(core.cardSize(), size);
    core.state.cardSize = static_cast<int16_t>(size);
    core.view.cards = table::GeometryFor(size);
}

void WindowMade(HostCore& core, int32_t clientWidth, int32_t clientHeight)
{
    core.tableExtent = {clientWidth, clientHeight - kStripHeight};
    ClientResized(core, clientWidth, clientHeight);
}

void ClientResized(HostCore& core, int32_t clientWidth, int32_t clientHeight)
{
    core.clientWidth = clientWidth;
    core.clientHeight = clientHeight;
    core.view.origin = PlaceTableOrigin(clientWidth, clientHeight, core.tableExtent);
    core.paint.fullRepaint = true;
}

void FitWindowToTable(HostCore& core, int32_t smallWidth, int32_t smallHeight)
{
    core.tableExtent = TableExtent(smallWidth, smallHeight, core.cardSize());
    const Extent client = core.seam.FitWindowToTable(core.tableExtent.width, core.tableExtent.height, core.cardSize());
    ClientResized(core, client.width, client.height);
    core.seam.InvalidateClient(true);
    core.seam.RepaintNow();
}

void InvalidateTable(HostCore& core, const table::Rect& area)
{
    core.paint.tableDirty = true;
    core.seam.Invalidate(area, false);
}

}  // namespace core
