/* The headers shared with module writers, compiled as plain C. */
#include "tessel_native.h"

int tessel_headers_check(void)
{
    StackSpec spec = {0, 10, 20, TS_BASE_EMPTY, TS_FAN_DOWN, 52, 0};
    CardPlacement placement = {0, 1, 0, (uint32_t)TS_CARD_INDEX(TS_SUIT_HEARTS, TS_RANK_KING), 0};
    return spec.capacity + (int)placement.image + HM_LAST - HM_FIRST;
}
