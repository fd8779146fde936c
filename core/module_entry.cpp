#include "core/module_entry.h"

#include <cstring>

namespace core {

namespace {
template <typename Proc>
bool Resolve(Proc& proc, int index, EntryPointLookup lookup, void* context)
{
    void* address = lookup(context, kEntryPointNames[static_cast<size_t>(index)]);
    if (!address) return false;
    static_assert(sizeof(Proc) == sizeof(void*));
    std::memcpy(&proc, &address, sizeof proc);
    return true;
}
}  // namespace

bool ResolveEntryPoints(ModuleEntryPoints& e, EntryPointLookup lookup, void* context)
{
    int i = 0;
    return Resolve(e.initModule, i++, lookup, context) && Resolve(e.closeModule, i++, lookup, context) &&
           Resolve(e.newGame, i++, lookup, context) && Resolve(e.loadGame, i++, lookup, context) &&
           Resolve(e.getGameData, i++, lookup, context) && Resolve(e.setGameData, i++, lookup, context) &&
           Resolve(e.setupOptionsMenu, i++, lookup, context) && Resolve(e.optionSelected, i++, lookup, context) &&
           Resolve(e.autoPlay, i++, lookup, context) && Resolve(e.mouseHit, i++, lookup, context) &&
           Resolve(e.doubleClick, i++, lookup, context) && Resolve(e.okToDropCards, i++, lookup, context) &&
           Resolve(e.stackChanged, i++, lookup, context) && Resolve(e.prepareForUndo, i++, lookup, context) &&
           Resolve(e.undo, i++, lookup, context) && Resolve(e.getScore, i++, lookup, context);
}

void ResolveOptionalEntryPoints(OptionalEntryPoints& e, EntryPointLookup lookup, void* context)
{
    void* address = lookup(context, "TSGetStackName");
    std::memcpy(&e.getStackName, &address, sizeof e.getStackName);
}

}  // namespace core
