#include "modules/card_choice.h"

namespace modules {

void SelectCardSet(HostCore& core, int16_t set, bool redraw)
{
    core.state.cardSet = set;
    core.faceMap = table::BuildFaceMap(set >= 0 && set < table::kCardSets ? set : 0);
    if (!redraw) return;
    for (int i = 0; i < core.table.count(); ++i) InvalidateTable(core, table::StackRect(*core.table[i], core.view));
    core.seam.RepaintNow();
}

void CardSizeLoaded(HostCore& core, table::CardSize size, bool otherSizeWasLoaded, bool relayout)
{
    SwitchCardSize(core, size, relayout && otherSizeWasLoaded);
    if (!relayout) return;
    if (ModuleEntry* m = core.currentModule()) {
        core.paint.fullRepaint = true;
        core.seam.FitWindowToTable(m->tableWidth, m->tableHeight);
    }
}

LoadedCardSize CardSizeForLoadedGame(int16_t savedSize, bool smallAvailable, bool largeAvailable)
{
    const table::CardSize saved = savedSize == 1 ? table::CardSize::Large : table::CardSize::Small;
    if (saved == table::CardSize::Small && !smallAvailable) return {table::CardSize::Large, true};
    if (saved == table::CardSize::Large && !largeAvailable) return {table::CardSize::Small, true};
    return {saved, false};
}

}  // namespace modules
