#include "Glows.h"

#include "Drawing.h"

#include <cmath>

namespace datagen {
namespace {

// A smooth bump: 1 at the centre, 0 with zero slope at `radius`.
double Window(double r, double radius)
{
    const double s = r / radius;
    return s >= 1.0 ? 0.0 : (1.0 - s * s) * (1.0 - s * s);
}

Colour FlareAt(double x, double y)
{
    const double radius = 30.0;
    const double dx = x - 32.0;
    const double dy = y - 32.0;
    const double r = std::sqrt(dx * dx + dy * dy);
    const double w = Window(r, radius);
    if (w == 0.0) {
        return {0.0, 0.0, 0.0};
    }
    const double core = 1.0 / (1.0 + r * r / 9.0);
    // Thin rays along the axes, fainter ones along the diagonals.
    const double sx = dx + dy;
    const double sy = dx - dy;
    const double rays = 0.18 / (1.0 + dy * dy * 1.2) + 0.18 / (1.0 + dx * dx * 1.2) +
                        0.06 / (1.0 + sx * sx * 1.5) + 0.06 / (1.0 + sy * sy * 1.5);
    // Peaks just under 1 (255) so that adding it saturates only the very centre.
    const double glow = 0.3 * w * w + 0.36 * core * w + rays * w * w;
    return Mix(Colour{255.0, 214.0, 150.0}, Colour{255.0, 250.0, 236.0}, core) * glow;
}

// A white-hot core of about 4 pixels' radius, bright enough to show through
// the fountain's fade, in a soft amber halo with a faint cross of rays.
Colour SparkAt(double x, double y)
{
    const double dx = x - 16.0;
    const double dy = y - 16.0;
    const double r = std::sqrt(dx * dx + dy * dy);
    const double core = 1.0 - SmoothStep(2.6, 6.6, r);
    const double rays = 0.35 / (1.0 + dx * dx) + 0.35 / (1.0 + dy * dy);
    const double halo = (0.6 + rays) * Window(r, 15.0);
    const double glow = core + (1.0 - core) * std::fmin(halo, 1.0);
    return Mix(Colour{255.0, 150.0, 56.0}, Colour{255.0, 250.0, 232.0}, core) * glow;
}

}  // namespace

DataImage DrawFlare() { return RenderColour("flare.raw", 64, 64, FlareAt); }

DataImage DrawSpark() { return RenderColour("particule.raw", 32, 32, SparkAt); }

}  // namespace datagen
