#pragma once

#include <cstdint>

#include "Bitmap.h"
#include "DrawnBlock.h"
#include "LitPicture.h"
#include "OutOfMemory.h"
#include "Particle.h"

// The lit picture of one set of frame parameters with the flare added, which
// follows them too, kept while they stay as they were. They follow the
// millisecond clock, so at thousands of frames a second dozens of frames in a
// row share one such picture and differ only in the fountain drawn over it.
// Such a frame puts back the blocks the particles drew over in the frame
// before instead of drawing the whole picture and the flare again: the same
// frame in a fraction of the time. As with the
// light field, the picture is kept only when the parameters stayed from one
// frame to the next, so a frame whose parameters change every time, as at
// 60 frames a second, pays nothing for it.
class KeptPicture {
public:
    // Ends the process with a message when memory runs out.
    KeptPicture();

    // Makes the 240 x 240 frame, as the frame before left it, hold the lit
    // picture and flare of `parameters` again when that is the one kept;
    // returns whether it did. Otherwise the caller draws them and calls
    // Drawn.
    bool Restore(const FrameParameters& parameters, Bitmap& frame);

    // After the lit picture and flare of `parameters` were drawn into the
    // frame: keeps a copy when they are those of the frame before, and so
    // may stay.
    void Drawn(const FrameParameters& parameters, const Bitmap& frame);

    // The frame's words in `block` were drawn over after the flare.
    void Cover(const DrawnBlock& block);

private:
    // Every particle of one frame.
    static constexpr int kMostBlocks = kFountainSize;

    const OwnedBlock<std::uint32_t> pixels;
    FrameParameters kept{};
    // The frame holds the kept picture but for the covered blocks; false
    // also when more blocks were drawn than are noted.
    bool frameOverKept = false;
    // No frame's at first: the light never stands at -1.
    FrameParameters previous{0, 0, -1, -1, false, 0, 0};
    DrawnBlock covered[kMostBlocks];
    int coveredCount = 0;
};
