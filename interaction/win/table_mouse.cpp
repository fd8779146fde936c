#include "interaction/win/table_mouse.h"

#include "interaction/card_motion.h"
#include "interaction/dragging.h"
#include "shell/win/host.h"

namespace interaction {

void PickUpCards(int x, int y)
{
    interaction::PickUpCards(shell::TheCore(), x, y);
}

void DragCards(int x, int y)
{
    interaction::DragCards(shell::TheCore(), x, y);
}

void DropCards(int x, int y)
{
    interaction::DropCards(shell::TheCore(), x, y);
}

void DoubleClickCards(int x, int y)
{
    interaction::DoubleClickCards(shell::TheCore(), x, y);
}

void ShowCard(int x, int y)
{
    interaction::ShowCard(shell::TheCore(), x, y);
}

void HideCard(int x, int y)
{
    interaction::HideCard(shell::TheCore(), x, y);
}

void MouseCaptureLost()
{
    interaction::MouseCaptureLost(shell::TheCore());
}

void DiscardTable()
{
    interaction::DiscardTable(shell::TheCore());
}

}  // namespace interaction
