#include "CreationFailure.h"

#include <cstdio>

#include "DisplayWindow.h"

namespace {
char failureReason[160] = "the display was not created";
}

std::int32_t CreationFailed(const char* reason)
{
    std::snprintf(failureReason, sizeof failureReason, "%s", reason);
    return 0;
}

std::int32_t CreationFailed(const char* call, HRESULT result)
{
    std::snprintf(failureReason, sizeof failureReason, "DirectDraw %s failed (error 0x%08lX)", call,
                  static_cast<unsigned long>(result));
    return 0;
}

const char* DisplayFailureReason()
{
    return failureReason;
}
