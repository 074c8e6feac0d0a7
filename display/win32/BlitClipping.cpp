#include "BlitClipping.h"

#include <algorithm>
#include <cstdint>

namespace {

// Offset into a destination span of length destinationLength, in source
// units for a source span of sourceLength, rounded down or up.
LONG ScaleDown(LONG offset, LONG sourceLength, LONG destinationLength)
{
    return static_cast<LONG>(static_cast<std::int64_t>(offset) * sourceLength / destinationLength);
}

LONG ScaleUp(LONG offset, LONG sourceLength, LONG destinationLength)
{
    return static_cast<LONG>((static_cast<std::int64_t>(offset) * sourceLength + destinationLength - 1) /
                             destinationLength);
}

// Clips one axis; the spans are [low, high).
bool ClipSpan(LONG& destinationLow, LONG& destinationHigh, LONG& sourceLow, LONG& sourceHigh, LONG boundsLow,
              LONG boundsHigh)
{
    const LONG destinationLength = destinationHigh - destinationLow;
    const LONG sourceLength = sourceHigh - sourceLow;
    const LONG visibleLow = std::max(destinationLow, boundsLow);
    const LONG visibleHigh = std::min(destinationHigh, boundsHigh);
    if (destinationLength <= 0 || visibleLow >= visibleHigh)
        return false;
    const LONG origin = sourceLow;
    sourceLow = origin + ScaleDown(visibleLow - destinationLow, sourceLength, destinationLength);
    sourceHigh = origin + ScaleUp(visibleHigh - destinationLow, sourceLength, destinationLength);
    destinationLow = visibleLow;
    destinationHigh = visibleHigh;
    return true;
}

} // namespace

bool ClipBlit(RECT& destination, RECT& source, const RECT& bounds)
{
    RECT clippedDestination = destination;
    RECT clippedSource = source;
    if (!ClipSpan(clippedDestination.left, clippedDestination.right, clippedSource.left, clippedSource.right,
                  bounds.left, bounds.right) ||
        !ClipSpan(clippedDestination.top, clippedDestination.bottom, clippedSource.top, clippedSource.bottom,
                  bounds.top, bounds.bottom))
        return false;
    destination = clippedDestination;
    source = clippedSource;
    return true;
}
