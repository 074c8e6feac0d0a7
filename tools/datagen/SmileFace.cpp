#include "SmileFace.h"

#include "Drawing.h"
#include "MuseumPicture.h"

#include <cmath>

namespace datagen {
namespace {

// A glossy yellow ball over the picture's sphere, lit from the upper left
// like the scene's low sun, with domed eyes and a smile pressed into it.
// Its brightness is its coverage, so it fades to black across its rim.
// Directions are in view space: x right, y up, z towards the viewer.

constexpr double kFaceRadius = 71.0;
constexpr double kRimFade = 7.0;  // pixels inside the rim where it fades out

Vec3 SunDirection() { return Normalise({-0.45, 0.55, 0.7}); }

// The normal that mirrors the bright sky high on the left towards the viewer.
Vec3 GlintNormal() { return Normalise({-0.3, 0.6, 0.75}); }

// p^(2^squarings).
double Squared(double p, int squarings)
{
    for (int i = 0; i < squarings; ++i) {
        p *= p;
    }
    return p;
}

// Diffuse and glossy shading of a surface colour with normal n: a broad
// sheen from the sun and a sharp glint of the sky weighted by gloss.
Colour Shade(Colour surface, Vec3 n, double ambient, double gloss)
{
    const Vec3 sun = SunDirection();
    const double diffuse = std::fmax(Dot(n, sun), 0.0);
    const double sheen = Squared(std::fmax(Dot(n, Normalise(sun + Vec3{0.0, 0.0, 1.0})), 0.0), 4);
    const double glint = Squared(std::fmax(Dot(n, GlintNormal()), 0.0), 7);
    return surface * (ambient + 0.35 * diffuse) + Colour{255.0, 250.0, 236.0} * (0.25 * sheen + gloss * glint);
}

// Tilts a normal by a slope (sx right, sy up) in the plane facing the viewer.
Vec3 Tilt(Vec3 n, double sx, double sy) { return Normalise({n.x + sx * n.z, n.y + sy * n.z, n.z}); }

Colour SmileAt(double x, double y)
{
    const double dx = x - kSphereX;
    const double dy = y - kSphereY;
    const double r = std::sqrt(dx * dx + dy * dy);
    if (r >= kFaceRadius) {
        return {0.0, 0.0, 0.0};
    }
    const Vec3 ball{dx / kFaceRadius, -dy / kFaceRadius, std::sqrt(1.0 - (r / kFaceRadius) * (r / kFaceRadius))};

    // Skin: golden, redder towards the rim, with rosy cheeks.
    Colour skin = Mix(Colour{255.0, 238.0, 136.0}, Colour{255.0, 164.0, 52.0}, SmoothStep(0.5, 1.0, r / kFaceRadius));
    for (const double side : {-1.0, 1.0}) {
        const double cx = (dx - side * 42.0) / 13.0;
        const double cy = (dy - 14.0) / 10.0;
        skin = Mix(skin, Colour{255.0, 130.0, 84.0}, 0.6 * SmoothStep(1.0, 0.0, std::sqrt(cx * cx + cy * cy)));
    }
    Colour c = Shade(skin, ball, 0.85, 0.9);
    // The eyes and the smile sit in soft hollows: 1 on the open skin, less
    // around them.
    double hollow = 1.0;

    // Mouth: a groove along an arc 120 degrees wide around straight down,
    // its walls facing each other, with round ends.
    const double arcRadius = 40.0;
    const double halfWidth = 6.0;
    const double mx = dx;
    const double my = dy - 2.0;
    const double m = std::sqrt(mx * mx + my * my);
    double across = 2.0;  // -1..1 over the groove, from its inner edge out
    double alongX = 0.0, alongY = 1.0;
    if (m > 0.0 && my >= 0.5 * m) {
        across = (m - arcRadius) / halfWidth;
        alongX = mx / m;
        alongY = my / m;
    } else {
        for (const double side : {-1.0, 1.0}) {
            const double ex = mx - side * arcRadius * std::sqrt(3.0) / 2.0;
            const double ey = my - arcRadius / 2.0;
            const double e = std::sqrt(ex * ex + ey * ey);
            if (e < 2.0 * halfWidth) {
                across = e / halfWidth;
                alongX = ex / e;
                alongY = ey / e;
            }
        }
    }
    hollow = std::fmin(hollow, 1.0 - 0.3 * SmoothStep(1.6, 1.0, std::fabs(across)));
    if (std::fabs(across) < 1.0) {
        // The wall's normal leans towards the groove's middle line.
        const Vec3 n = Tilt(ball, 0.9 * across * -alongX, 0.9 * across * alongY);
        const Colour lips = Shade(Colour{150.0, 50.0, 30.0}, n, 0.5, 0.6);
        c = Mix(c, lips, SmoothStep(1.0, 0.8, std::fabs(across)));
    }

    // Eyes: glossy dark domes, upright ovals.
    for (const double side : {-1.0, 1.0}) {
        const double ex = (dx - side * 23.0) / 9.0;
        const double ey = (dy + 18.0) / 14.0;
        const double e = std::sqrt(ex * ex + ey * ey);
        hollow = std::fmin(hollow, 1.0 - 0.3 * SmoothStep(1.4, 1.0, e));
        if (e < 1.0) {
            const Vec3 n = Tilt(ball, 0.8 * ex, -0.8 * ey);
            const Colour eye = Shade(Colour{70.0, 36.0, 24.0}, n, 0.6, 1.4);
            c = Mix(c, eye, SmoothStep(1.0, 0.85, e));
        }
    }
    // A hollow darkens the skin around it towards a warm brown.
    c = Modulate(c, Mix(Colour{0.62, 0.42, 0.3}, Colour{1.0, 1.0, 1.0}, hollow));
    return c * SmoothStep(kFaceRadius, kFaceRadius - kRimFade, r);
}

}  // namespace

DataImage DrawSmileFace() { return RenderColour("cite_des_sciences_smile.raw", kPictureSize, kPictureSize, SmileAt); }

}  // namespace datagen
