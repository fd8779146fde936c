#include "interaction/win/table_mouse.h"

#include "interaction/card_motion.h"
#include "interaction/dragging.h"
#include "core/win/app.h"

namespace interaction {

void PickUpCards(int x, int y)
{
    interaction::PickUpCards(core::TheCore(), x, y);
}

void DragCards(int x, int y)
{
    interaction::DragCards(core::TheCore(), x, y);
}

void DropCards(int x, int y)
{
    interaction::DropCards(core::TheCore(), x, y);
}

void DoubleClickCards(int x, int y)
{
    interaction::DoubleClickCards(core::TheCore(), x, y);
}

void ShowCard(int x, int y)
{
    interaction::ShowCard(core::TheCore(), x, y);
}

void HideCard(int x, int y)
{
    interaction::HideCard(core::TheCore(), x, y);
}

void CancelDrag()
{
    interaction::CancelDrag(core::TheCore());
}

void DiscardTable()
{
    interaction::DiscardTable(core::TheCore());
}

}  // namespace interaction
