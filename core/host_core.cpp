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

void InvalidateTable(HostCore& core, const table::Rect& area)
{
    core.paint.tableDirty = true;
    core.seam.Invalidate(area, false);
}

}  // namespace core
