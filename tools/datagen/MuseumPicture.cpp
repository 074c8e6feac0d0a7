#include "MuseumPicture.h"

#include "GeodesicSphere.h"

#include <cmath>

namespace datagen {
namespace {

// The museum scene, 240 x 240, y downwards. From the top: dusk sky, the roof
// beam, the glass facade, its lit ground floor, a plaza, the pool's stone
// edge and the reflecting pool; the mirror sphere stands in the pool.

constexpr double kSphereBase = kSphereY + kSphereRadius;  // its reflection axis
constexpr double kRoofTop = 58.0;
constexpr double kGlassTop = 64.0;
constexpr double kGlassBottom = 142.0;
constexpr double kPlazaTop = 150.0;  // the facade's reflection axis
constexpr double kCopingTop = 160.0;
constexpr double kPoolTop = 163.0;
constexpr double kPaneWidth = 12.0;
constexpr double kPaneHeight = 13.0;

// Pixels from the picture's border: black up to the first, full from the
// second.
constexpr double kBlankBorder = 4.0;
constexpr double kFadeEnd = 18.0;

const Colour kSteel{176.0, 172.0, 166.0};

// Facet edge distance under which a point is on the steel joint between
// facets (about one pixel wide on the sphere's face).
constexpr double kJointWidth = 0.055;

// Where a facade point lies against its nearest vertical and horizontal
// mullions: on a pane grid where every fourth column and third row is a
// heavier frame.
struct Mullions {
    double acrossX, acrossY;  // -1..1 across a bar, beyond that outside it
};

Mullions NearestMullions(double x, double y)
{
    const double u = x / kPaneWidth;
    const double v = (y - kGlassTop) / kPaneHeight;
    const int lineU = static_cast<int>(std::floor(u + 0.5));
    const int lineV = static_cast<int>(std::floor(v + 0.5));
    const double halfX = (lineU % 4 == 2) ? 1.3 : 0.6;
    const double halfY = (lineV % 3 == 0) ? 1.3 : 0.6;
    const double offsetX = (u - lineU) * kPaneWidth;
    const double offsetY = (v - lineV) * kPaneHeight;
    return {offsetX / halfX, offsetY / halfY};
}

class Scene {
public:
    Scene() : sphere_(7, {0.0, 1.0, 0.35}, 0.07) {}

    Colour PictureAt(double x, double y) const;

private:
    Colour SceneAt(double x, double y) const;

    // Sphere: a point inside its disc as a view-space unit direction.
    static bool OnSphere(double x, double y, Vec3* direction);
    Colour SphereColour(const Vec3& direction) const;
    static Colour Reflection(Vec3 r);

    static Colour Sky(double x, double y);
    static Colour Facade(double x, double y);
    static Colour Glass(double x, double y);
    Colour Pool(double x, double y) const;
    static double RipplePhase(double y) { return 230.0 / (y - 148.0); }
    static double WaterDepth(double y) { return (y - kPoolTop) / (kPictureSize - kPoolTop); }

    GeodesicSphere sphere_;
};

bool Scene::OnSphere(double x, double y, Vec3* direction)
{
    const double dx = (x - kSphereX) / kSphereRadius;
    const double dy = (kSphereY - y) / kSphereRadius;
    const double r2 = dx * dx + dy * dy;
    if (r2 >= 1.0) {
        return false;
    }
    *direction = {dx, dy, std::sqrt(1.0 - r2)};
    return true;
}

// What a mirror facet sees along r: warm dusk sky above the horizon with a
// low sun at the upper left, the facade behind the sphere, water below.
Colour Scene::Reflection(Vec3 r)
{
    Colour c;
    if (r.z < 0.0 && r.y > -0.05 && r.y < 0.4) {
        c = Mix(Colour{70.0, 84.0, 112.0}, kSteel, 0.4);
    } else if (r.y >= 0.5) {
        c = Mix(Colour{238.0, 152.0, 140.0}, Colour{150.0, 138.0, 190.0}, 2.0 * r.y - 1.0);
    } else if (r.y >= 0.0) {
        c = Mix(Colour{255.0, 192.0, 112.0}, Colour{238.0, 152.0, 140.0}, 2.0 * r.y);
    } else {
        c = Mix(Colour{240.0, 166.0, 100.0}, Colour{150.0, 94.0, 70.0}, -r.y);
    }
    const double toSun = Dot(r, Normalise({-0.5, 0.42, 0.76}));
    if (toSun > 0.0) {
        const double p2 = toSun * toSun;
        const double p8 = p2 * p2 * p2 * p2;
        const double p64 = p8 * p8 * p8 * p8 * p8 * p8 * p8 * p8;
        c = c + Colour{255.0, 236.0, 200.0} * (0.3 * p8 + 0.9 * p64);
    }
    return c;
}

Colour Scene::SphereColour(const Vec3& direction) const
{
    const GeodesicSphere::Facet facet = sphere_.Find(direction);
    // Rounded shading across the whole ball so it reads as a sphere.
    const double roundness = 0.74 + 0.26 * direction.z;
    if (facet.edgeDistance < kJointWidth) {
        return Colour{62.0, 58.0, 56.0} * roundness;
    }
    // Panels are slightly misaligned, so each one catches the light its own way.
    const Vec3 tilt{HashUnit(facet.id * 3u) - 0.5, HashUnit(facet.id * 3u + 1u) - 0.5, 0.0};
    const Vec3 n = Normalise(facet.normal + tilt * 0.09);
    const Vec3 r = n * (2.0 * n.z) - Vec3{0.0, 0.0, 1.0};
    const double shade = HashUnit(facet.id * 3u + 2u);
    // A few of the panels facing down catch a lit window across the plaza.
    const Colour seen = (r.y < 0.0 && shade > 0.75) ? Colour{236.0, 170.0, 92.0} : Reflection(r);
    return seen * ((0.8 + 0.3 * shade) * roundness);
}

Colour Scene::Sky(double x, double y)
{
    const double t = y / kRoofTop;
    Colour c = Mix(Colour{14.0, 18.0, 52.0}, Colour{104.0, 80.0, 112.0}, t * t);
    const std::uint32_t cell = static_cast<std::uint32_t>(x) + 977u * static_cast<std::uint32_t>(y);
    if (y < 46.0 && Hash(cell) % 173u == 0u) {
        c = c + Colour{1.0, 1.0, 1.1} * (60.0 + 120.0 * HashUnit(cell + 1u));
    }
    return c;
}

// A pane of glass: dark blue with a diagonal sky reflection; some panes show
// the lit interior.
Colour Scene::Glass(double x, double y)
{
    const double u = x / kPaneWidth;
    const double v = (y - kGlassTop) / kPaneHeight;
    const int column = static_cast<int>(std::floor(u));
    const int row = static_cast<int>(std::floor(v));
    const double fy = v - row;
    const std::uint32_t pane = Hash(static_cast<std::uint32_t>(column * 131 + row * 7919 + 17));
    if (pane % 7u == 0u) {
        return Mix(Colour{240.0, 182.0, 100.0}, Colour{186.0, 116.0, 58.0}, fy);
    }
    if (pane % 7u == 1u) {
        return Mix(Colour{150.0, 108.0, 72.0}, Colour{112.0, 76.0, 52.0}, fy);
    }
    Colour c = Mix(Colour{36.0, 58.0, 94.0}, Colour{16.0, 28.0, 54.0}, 0.6 * fy + 0.4 * row / 6.0);
    const double streak = Sine((0.8 * x + y) / 70.0);
    if (streak > 0.55) {
        c = c + Colour{80.0, 86.0, 100.0} * ((streak - 0.55) / 0.45);
    }
    return c + Colour{34.0, 20.0, 12.0} * ((1.0 - fy) * (row < 2 ? 1.0 : 0.3));
}

Colour Scene::Facade(double x, double y)
{
    if (y < kGlassTop) {
        // Roof beam: lit top and bottom edges around a dark truss.
        if (y < 59.2) {
            return {204.0, 194.0, 180.0};
        }
        if (y >= 62.8) {
            return {150.0, 144.0, 136.0};
        }
        const double a = (x + 2.2 * (y - 59.2)) / 8.0;
        const double b = (x - 2.2 * (y - 59.2)) / 8.0;
        const double da = std::fabs(a - std::floor(a + 0.5)) * 8.0;
        const double db = std::fabs(b - std::floor(b + 0.5)) * 8.0;
        return (da < 0.7 || db < 0.7) ? Colour{150.0, 146.0, 140.0} : Colour{58.0, 58.0, 68.0};
    }
    if (y >= kGlassBottom) {
        // Ground floor: dark, with lit doorways every two panes.
        const double door = std::fabs(x - 24.0 * std::floor(x / 24.0) - 12.0);
        if (y < kGlassBottom + 1.0) {
            return kSteel;
        }
        if (y >= 144.0 && door < 4.0) {
            return {228.0, 170.0, 92.0};
        }
        return {36.0, 34.0, 40.0};
    }
    // Mullions are shaded as round bars lit from the upper left.
    const Mullions m = NearestMullions(x, y);
    if (std::fabs(m.acrossX) < 1.0) {
        return kSteel * (0.92 - 0.22 * m.acrossX);
    }
    if (std::fabs(m.acrossY) < 1.0) {
        return kSteel * (0.92 - 0.22 * m.acrossY);
    }
    return Glass(x, y);
}

// The pool mirrors the sphere about its base and the facade about the
// plaza, shifted sideways by ripples that grow towards the viewer.
Colour Scene::Pool(double x, double y) const
{
    const double depth = WaterDepth(y);
    const double ripple = Sine(RipplePhase(y));
    const double rx = x + (0.3 + 1.2 * depth) * ripple;
    Vec3 direction;
    Colour mirrored = OnSphere(rx, 2.0 * kSphereBase - y, &direction) ? SphereColour(direction)
                                                                      : Facade(rx, 2.0 * kPlazaTop - y);
    Colour c = Modulate(mirrored, {0.85, 0.76, 0.74}) + Colour{4.0, 10.0, 22.0};
    c = c * (0.9 + 0.12 * ripple - 0.25 * depth);
    if (ripple > 0.92 && Hash(static_cast<std::uint32_t>(x / 3.0) * 31u + static_cast<std::uint32_t>(y)) % 8u == 0u) {
        c = c + Colour{120.0, 104.0, 80.0};
    }
    return c;
}

Colour Scene::SceneAt(double x, double y) const
{
    Vec3 direction;
    if (OnSphere(x, y, &direction)) {
        return SphereColour(direction);
    }
    if (y < kRoofTop) {
        return Sky(x, y);
    }
    if (y < kPlazaTop) {
        return Facade(x, y);
    }
    if (y < kCopingTop) {
        const Colour plaza = Mix(Colour{88.0, 82.0, 78.0}, Colour{122.0, 112.0, 100.0}, (y - kPlazaTop) / 10.0);
        return (y >= 155.0 && y < 156.0) ? plaza * 0.6 : plaza;
    }
    if (y < kPoolTop) {
        return y < kCopingTop + 1.0 ? Colour{206.0, 196.0, 180.0} : Colour{120.0, 112.0, 102.0};
    }
    return Pool(x, y);
}

// The red channel is the picture's coverage over the tint behind it, so the
// picture fades out towards its border: panned, it melts into the tint.
Colour Scene::PictureAt(double x, double y) const
{
    const double toBorder = std::fmin(std::fmin(x, kPictureSize - x), std::fmin(y, kPictureSize - y));
    return SceneAt(x, y) * SmoothStep(kBlankBorder, kFadeEnd, toBorder);
}


}  // namespace

DataImage DrawMuseumPicture()
{
    const Scene scene;
    return RenderColour("cite_des_sciences.raw", kPictureSize, kPictureSize,
                        [&](double x, double y) { return scene.PictureAt(x, y); });
}

}  // namespace datagen
