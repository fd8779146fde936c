// The keyboard's marks on the table picture: the focus frame and the cards
// it holds, lifted over their stack. Drawn by the paint pass after the
// stacks, so they are part of the back buffer like the cards.
#pragma once

#include <windows.h>

namespace shell {

// The frame and the held cards, as far as they meet the area.
void DrawKeyFocus(HDC target, const RECT& area);

// The frame moved since it was last drawn (the table changed under it):
// where it was and where it is now are rebuilt.
void RedrawMovedKeyFocus(HDC target);

}  // namespace shell
