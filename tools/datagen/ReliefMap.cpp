#include "ReliefMap.h"

#include "Drawing.h"
#include "MuseumPicture.h"

#include <cmath>
#include <cstddef>

namespace datagen {
namespace {

// A window of bevelled glass fixed to the frame: diamond panes whose edges
// run at 45 degrees, each sloping down to a narrow groove at its rim and
// hammered inside. Heights are in pixels, x right and y down.

constexpr double kPanePitch = 48.0;  // pixels between parallel grooves
constexpr double kGrooveHalfWidth = 0.6;
constexpr double kBevelWidth = 6.0;     // pixels from the groove
constexpr double kBevelDrop = 0.75;     // how much lower the pane's rim lies
constexpr double kPillowHeight = 1.3;   // the pane's middle over its bevel
constexpr double kHammerCell = 4.5;     // pixels between dents
constexpr double kHammerDepth = 0.3;

// Distance in pixels to the nearest groove of one family, given the
// coordinate across it in pitches.
double DistanceToGroove(double across)
{
    return std::fabs(across - std::floor(across + 0.5)) * kPanePitch;
}

// Smoothly interpolated hashed values on a square grid: the dents of
// hammered glass.
double Hammer(double x, double y)
{
    const double u = x / kHammerCell;
    const double v = y / kHammerCell;
    const double iu = std::floor(u);
    const double iv = std::floor(v);
    const double fu = SmoothStep(0.0, 1.0, u - iu);
    const double fv = SmoothStep(0.0, 1.0, v - iv);
    const auto at = [](double i, double j) {
        return HashUnit(static_cast<std::uint32_t>(static_cast<int>(i) + 1000) * 7919u +
                        static_cast<std::uint32_t>(static_cast<int>(j) + 1000));
    };
    const double top = at(iu, iv) * (1.0 - fu) + at(iu + 1.0, iv) * fu;
    const double bottom = at(iu, iv + 1.0) * (1.0 - fu) + at(iu + 1.0, iv + 1.0) * fu;
    return top * (1.0 - fv) + bottom * fv;
}

double Height(double x, double y)
{
    const double inv = 1.0 / (kPanePitch * std::sqrt(2.0));
    const double u = (x + y) * inv;
    const double v = (x - y) * inv;
    const double toGroove = std::fmin(DistanceToGroove(u), DistanceToGroove(v));
    const double rise = SmoothStep(kGrooveHalfWidth, kGrooveHalfWidth + kBevelWidth, toGroove);
    // Each pane bulges gently towards its middle.
    const double pillow = kPillowHeight * Sine(0.5 * (u - std::floor(u))) * Sine(0.5 * (v - std::floor(v)));
    return -kBevelDrop * (1.0 - rise) + (pillow + kHammerDepth * Hammer(x, y)) * rise;
}

// The surface's normal, x right, y down, z out of the screen.
Vec3 SurfaceNormal(double x, double y)
{
    const double e = 0.25;
    const double hx = (Height(x + e, y) - Height(x - e, y)) / (2.0 * e);
    const double hy = (Height(x, y + e) - Height(x, y - e)) / (2.0 * e);
    return Normalise({-hx, -hy, 1.0});
}

// The demo reads the bytes as a direction without re-centring them, so every
// stored normal lies in the octant of positive x, y and z; the light moves in
// the lower right of the frame. A flat stretch of the window is stored as
// leaning towards a point above that part, so that the whole frame catches
// light, and the relief tilts the normal from there; tilts out of the
// octant are cut at its faces.
constexpr double kAimX = 220.0;
constexpr double kAimY = 220.0;
constexpr double kAimHeight = 280.0;
constexpr double kLeastLean = 0.1;

Vec3 StoredDirection(double x, double y, Vec3 n)
{
    const double leanX = std::fmax((kAimX - x) / kAimHeight, kLeastLean);
    const double leanY = std::fmax((kAimY - y) / kAimHeight, kLeastLean);
    return {std::fmax(n.x + leanX * n.z, 0.0), std::fmax(n.y + leanY * n.z, 0.0), n.z};
}

}  // namespace

DataImage DrawReliefMap()
{
    DataImage image{"normal_map.raw", kPictureSize, kPictureSize,
                    std::vector<std::uint8_t>(static_cast<std::size_t>(kPictureSize) * kPictureSize * 3)};
    std::size_t at = 0;
    for (int y = 0; y < kPictureSize; ++y) {
        for (int x = 0; x < kPictureSize; ++x) {
            const Vec3 n = Supersample<Vec3>(x, y, SurfaceNormal);
            const Vec3 d = StoredDirection(x + 0.5, y + 0.5, Normalise(n));
            // Scaled so that the largest component is 255, for the finest steps.
            const double scale = 255.0 / std::fmax(std::fmax(d.x, d.y), d.z);
            image.rgb[at++] = ToByte(d.x * scale);
            image.rgb[at++] = ToByte(d.y * scale);
            image.rgb[at++] = ToByte(d.z * scale);
        }
    }
    return image;
}

}  // namespace datagen
