#include "PlatformClock.h"

#include <windows.h>
#include <mmsystem.h>

std::uint32_t PlatformMilliseconds()
{
    return timeGetTime();
}
