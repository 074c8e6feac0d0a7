#include "CreationFailure.h"

#include <cstdarg>
#include <cstdio>

#include "DisplayWindow.h"

namespace {
char failureReason[512] = "the display was not created";
}

std::int32_t CreationFailed(const char* format, ...)
{
    std::va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(failureReason, sizeof failureReason, format, arguments);
    va_end(arguments);
    return 0;
}

const char* DisplayFailureReason()
{
    return failureReason;
}
