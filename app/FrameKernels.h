#pragma once

#include <cstdint>

#include "AlternateCover.h"

// The per-pixel loops of a frame, built once for each instruction set the
// program can use and chosen at run time (SimdLevel.h). All of them give the
// bytes of the literal per-pixel code: its IEEE operations on the same inputs
// in the same order, or others shown to round to the same results
// (FrameKernelBody.h).

// What a frame does with the kept light field (LightField.h): nothing, use
// it instead of working out the light, or keep this frame's light in it.
enum class LightFieldUse { None, Use, Keep };

// One frame of the lit picture: 240 x 240 pixels, lit from the prepared
// tables of LightingTables.
struct LitPictureJob {
    std::uint32_t* frame;
    const std::uint32_t* picture;
    const std::uint32_t* alternatePicture;
    // Per picture row, where the alternate picture covers the picture.
    const ColumnSpan* alternateCover;
    const float* normalX;
    const float* normalY;
    const float* normalZ;
    const float* raisedNormalZ;
    // The diffuse scale of the light directions (LightingTables), already
    // offset to the entry of frame pixel (0, 0) under this frame's light;
    // rows 360 entries apart.
    const float* diffuseScale;
    // The light; frame pixel (x, y) sees it along (lightX - x, lightY - y, 40).
    std::int32_t lightX;
    std::int32_t lightY;
    std::int32_t pictureOffsetX;
    std::int32_t pictureOffsetY;
    bool blinkOn;
    std::uint32_t background;
    // k, v and k in the low three bytes of each pixel's word; unused with
    // LightFieldUse::None.
    std::uint32_t* lightField;
    LightFieldUse lightFieldUse;
};

// A block of width x height pixels whose rows lie stride words apart in the
// frame, combined with a source image of the same size.
struct BlockJob {
    std::uint32_t* target;
    std::int32_t stride;
    const std::uint32_t* source;
    std::int32_t width;
    std::int32_t height;
};

struct FrameKernels {
    void (*drawLitPicture)(const LitPictureJob& job);
    // target = AddSaturated(target, source), pixel by pixel.
    void (*addSaturatedBlock)(const BlockJob& job);
    // target = BlendPixel(source, target, trunc(fade x coverage of source)),
    // pixel by pixel; fade lies in 0..1, and coverage holds the source's
    // coverages (top bytes) as doubles, one per source pixel, row by row.
    void (*blendFadedBlock)(const BlockJob& job, const double* coverage, double fade);
    // The R, G and B bytes of count pixels, in that order, three bytes a
    // pixel: a frame as a picture file holds it.
    void (*packRgb)(const std::uint32_t* pixels, std::uint8_t* rgb, std::int32_t count);
};

extern const FrameKernels kBaselineFrameKernels;
#ifdef DEMO_X86_KERNELS
extern const FrameKernels kAvx2FrameKernels;
extern const FrameKernels kAvx512FrameKernels;
#endif

// The kernels of the selected level.
const FrameKernels& ActiveFrameKernels();
