#include "modules/card_choice.h"

#include "modules/game_flow.h"

namespace modules {

void SelectCardSet(core::HostCore& core, int16_t set, bool redraw)
{
    core.state.cardSet = set;
    core.faceMap = table::BuildFaceMap(table::DrawnCardSet(set));
    if (!redraw) return;
    for (int i = 0; i < core.table.count(); ++i)
        core::InvalidateTable(core, table::StackRect(*core.table[i], core.view));
    core.seam.RepaintNow();
}

void CardSizeLoaded(core::HostCore& core, table::CardSize size, bool otherSizeWasLoaded, bool relayout)
{
    core::SwitchCardSize(core, size, relayout && otherSizeWasLoaded);
    if (!relayout) return;
    if (core::ModuleEntry* m = core.currentModule()) {
        core.paint.fullRepaint = true;
        core::FitWindowToTable(core, m->tableWidth, m->tableHeight);
    }
}

bool SelectCardSize(core::HostCore& core, table::CardSize size, bool relayout)
{
    if (core.seam.CardPicturesLoaded(size)) return true;
    const table::CardSize other = size == table::CardSize::Large ? table::CardSize::Small : table::CardSize::Large;
    const bool otherWasLoaded = core.seam.CardPicturesLoaded(other);
    if (!core.seam.LoadCardPictures(size)) return false;
    SelectCardSet(core, core.state.cardSet, false);
    core.seam.CheckMenuItem(kCommandSmallCards, size == table::CardSize::Small);
    core.seam.CheckMenuItem(kCommandLargeCards, size == table::CardSize::Large);
    CardSizeLoaded(core, size, otherWasLoaded, relayout);
    if (relayout && !core.hasModule()) {
        // No game to fit the window to: the table is empty, but the picture
        // is rebuilt all the same.
        core.paint.fullRepaint = true;
        core.seam.InvalidateClient(true);
        core.seam.RepaintNow();
    }
    return true;
}

void SelectBackground(core::HostCore& core, int16_t background)
{
    core.state.background = background;
    core.paint.fullRepaint = true;
    core.seam.InvalidateClient(true);
    core.seam.RepaintNow();
}

void ChooseStartupCardSize(core::HostCore& core)
{
    const table::CardSize size = DefaultCardSize(core.seam.CardSizeAvailable(table::CardSize::Small));
    core.state.cardSize = static_cast<int16_t>(size);
    SelectCardSize(core, size, false);
    SelectCardSet(core, core.state.cardSet, false);
}

LoadedCardSize CardSizeForLoadedGame(int16_t savedSize, bool smallAvailable, bool largeAvailable)
{
    const table::CardSize saved = savedSize == 1 ? table::CardSize::Large : table::CardSize::Small;
    if (saved == table::CardSize::Small && !smallAvailable) return {table::CardSize::Large, true};
    if (saved == table::CardSize::Large && !largeAvailable) return {table::CardSize::Small, true};
    return {saved, false};
}

}  // namespace modules
