#include "core/module_calls.h"

namespace core {

int16_t CallMouseHit(HostCore& core, CardStack* stack, int16_t card)
{
    ModuleEntry* m = core.currentModule();
    if (!m || !m->entry.mouseHit) return TS_HIT_NOTHING;
    const int16_t answer = m->entry.mouseHit(stack, card);
    if (answer != 0) AutoPlayStep(core);
    return answer;
}

void CallDoubleClick(HostCore& core, CardStack* stack, int16_t card)
{
    ModuleEntry* m = core.currentModule();
    if (!m || !m->entry.doubleClick) return;
    m->entry.doubleClick(stack, card);
    AutoPlayStep(core);
}

int32_t CallOkToDropCards(HostCore& core, CardStack* dragged, CardStack* target)
{
    ModuleEntry* m = core.currentModule();
    if (!m || !m->entry.okToDropCards) return 0;
    return m->entry.okToDropCards(dragged, target);
}

void CallStackChanged(HostCore& core, CardStack* target)
{
    ModuleEntry* m = core.currentModule();
    if (!m || !m->entry.stackChanged) return;
    m->entry.stackChanged(target);
    AutoPlayStep(core);
}

void CallOptionSelected(HostCore& core, int32_t option)
{
    ModuleEntry* m = core.currentModule();
    if (!m || !m->entry.optionSelected) return;
    m->entry.optionSelected(option);
    AutoPlayStep(core);
}

void AutoPlayStep(HostCore& core)
{
    ModuleEntry* m = core.currentModule();
    if (!m || !core.state.autoPlay || !core.state.gameInPlay || !m->entry.autoPlay) return;
    m->entry.autoPlay();
}

}  // namespace core
