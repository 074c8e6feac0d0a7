#include "DataImages.h"

#include <cmath>
#include <cstddef>
#include <utility>

// Every value is computed with integers or with the correctly rounded double
// operations (+, -, *, /, sqrt, floor) so that each C library and compiler
// produces the same bytes; sines come from a polynomial of our own.

namespace {

struct Vec3 {
    double x, y, z;
};

Vec3 operator+(Vec3 a, Vec3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
Vec3 operator-(Vec3 a, Vec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
Vec3 operator*(Vec3 a, double s) { return {a.x * s, a.y * s, a.z * s}; }
double Dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Vec3 Cross(Vec3 a, Vec3 b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }

Vec3 Normalise(Vec3 v)
{
    const double length = std::sqrt(Dot(v, v));
    return {v.x / length, v.y / length, v.z / length};
}

// Channels on the 0..255 scale, unclamped until stored.
struct Colour {
    double r, g, b;
};

Colour operator+(Colour a, Colour b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }
Colour operator*(Colour a, double s) { return {a.r * s, a.g * s, a.b * s}; }
Colour Modulate(Colour a, Colour b) { return {a.r * b.r, a.g * b.g, a.b * b.b}; }
Colour Mix(Colour a, Colour b, double t) { return a * (1.0 - t) + b * t; }

double Clamp01(double v) { return v < 0.0 ? 0.0 : (v > 1.0 ? 1.0 : v); }

std::uint32_t Hash(std::uint32_t v)
{
    v ^= v >> 16;
    v *= 0x7feb352du;
    v ^= v >> 15;
    v *= 0x846ca68bu;
    v ^= v >> 16;
    return v;
}

// Hash of a value as a fraction in [0, 1].
double HashUnit(std::uint32_t v) { return static_cast<double>(Hash(v) & 0xFFFFu) / 65535.0; }

// sin(2 pi turns): reduced to a quarter turn, then an odd Taylor polynomial
// (error below 1e-9).
double Sine(double turns)
{
    double t = turns - std::floor(turns + 0.5);
    if (t > 0.25) {
        t = 0.5 - t;
    } else if (t < -0.25) {
        t = -0.5 - t;
    }
    const double x = t * 6.283185307179586;
    const double x2 = x * x;
    double sum = 1.0 / 6227020800.0;
    for (const double inverseFactorial :
         {-1.0 / 39916800.0, 1.0 / 362880.0, -1.0 / 5040.0, 1.0 / 120.0, -1.0 / 6.0, 1.0}) {
        sum = sum * x2 + inverseFactorial;
    }
    return sum * x;
}

double Cosine(double turns) { return Sine(turns + 0.25); }

std::uint8_t ToByte(double v)
{
    if (v <= 0.0) {
        return 0;
    }
    if (v >= 255.0) {
        return 255;
    }
    return static_cast<std::uint8_t>(static_cast<int>(v + 0.5));
}

// Normal component -1..1 to 0..255.
std::uint8_t EncodeComponent(double n) { return ToByte((n + 1.0) * 127.5); }

// Averages a sampler over a 4 x 4 grid inside pixel (px, py); the sampler
// takes picture coordinates and returns a Colour or a Vec3.
template <typename Value, typename Sampler>
Value Supersample(int px, int py, Sampler sample)
{
    Value sum{0.0, 0.0, 0.0};
    for (int j = 0; j < 4; ++j) {
        for (int i = 0; i < 4; ++i) {
            sum = sum + sample(px + (i + 0.5) / 4.0, py + (j + 0.5) / 4.0);
        }
    }
    return sum * (1.0 / 16.0);
}

template <typename Sampler>
DataImage RenderColour(const char* fileName, int width, int height, Sampler sample)
{
    DataImage image{fileName, width, height, std::vector<std::uint8_t>(static_cast<std::size_t>(width) * height * 3)};
    std::size_t at = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const Colour c = Supersample<Colour>(x, y, sample);
            image.rgb[at++] = ToByte(c.r);
            image.rgb[at++] = ToByte(c.g);
            image.rgb[at++] = ToByte(c.b);
        }
    }
    return image;
}

// ---------------------------------------------------------------------------
// Geodesic sphere: an icosahedron whose faces are cut into frequency^2
// triangles with their corners pushed onto the unit sphere. Directions are in
// view space: x right, y up, z towards the viewer.

class GeodesicSphere {
public:
    struct Facet {
        Vec3 normal;          // outward, flat over the facet
        double edgeDistance;  // 0 on the facet's edge, 1/3 at its centre
        std::uint32_t id;
    };

    GeodesicSphere(int frequency, Vec3 poleDirection, double twistTurns);

    // The facet that a unit direction from the centre passes through.
    Facet Find(Vec3 direction) const;

private:
    struct Face {
        Vec3 a, e1, e2, normal;
        double d00, d01, d11, denominator;
    };

    Vec3 GridPoint(const Face& face, int i, int j) const;

    int frequency_;
    std::vector<Face> faces_;
};

GeodesicSphere::GeodesicSphere(int frequency, Vec3 poleDirection, double twistTurns) : frequency_(frequency)
{
    const double phi = (1.0 + std::sqrt(5.0)) / 2.0;
    std::vector<Vec3> corners;
    for (const double s : {-1.0, 1.0}) {
        for (const double t : {-phi, phi}) {
            corners.push_back({0.0, s, t});
            corners.push_back({s, t, 0.0});
            corners.push_back({t, 0.0, s});
        }
    }

    // Turn the icosahedron so that the corner (0, 1, phi) lies along
    // poleDirection, twisted about it; both frames are built from cross products.
    const Vec3 a0 = Normalise({0.0, 1.0, phi});
    const Vec3 b0 = Normalise(Cross(a0, {1.0, 0.0, 0.0}));
    const Vec3 c0 = Cross(a0, b0);
    const Vec3 a1 = Normalise(poleDirection);
    const Vec3 b1 = Normalise(Cross(a1, {Cosine(twistTurns), 0.0, Sine(twistTurns)}));
    const Vec3 c1 = Cross(a1, b1);
    for (Vec3& v : corners) {
        const Vec3 unit = Normalise(v);
        v = a1 * Dot(unit, a0) + b1 * Dot(unit, b0) + c1 * Dot(unit, c0);
    }

    // Faces are the corner triples that are pairwise neighbours (the edge is
    // the shortest corner distance, 1.0515 on the unit sphere).
    const auto neighbours = [&](std::size_t i, std::size_t j) {
        const Vec3 d = corners[i] - corners[j];
        return Dot(d, d) < 1.2;
    };
    for (std::size_t i = 0; i < corners.size(); ++i) {
        for (std::size_t j = i + 1; j < corners.size(); ++j) {
            for (std::size_t k = j + 1; k < corners.size(); ++k) {
                if (!neighbours(i, j) || !neighbours(j, k) || !neighbours(i, k)) {
                    continue;
                }
                Face face;
                face.a = corners[i];
                face.e1 = corners[j] - corners[i];
                face.e2 = corners[k] - corners[i];
                if (Dot(Cross(face.e1, face.e2), face.a) < 0.0) {
                    std::swap(face.e1, face.e2);
                }
                face.normal = Normalise(Cross(face.e1, face.e2));
                face.d00 = Dot(face.e1, face.e1);
                face.d01 = Dot(face.e1, face.e2);
                face.d11 = Dot(face.e2, face.e2);
                face.denominator = face.d00 * face.d11 - face.d01 * face.d01;
                faces_.push_back(face);
            }
        }
    }
}

Vec3 GeodesicSphere::GridPoint(const Face& face, int i, int j) const
{
    return Normalise(face.a + face.e1 * (static_cast<double>(i) / frequency_) +
                     face.e2 * (static_cast<double>(j) / frequency_));
}

GeodesicSphere::Facet GeodesicSphere::Find(Vec3 direction) const
{
    // The face a direction crosses is the one whose plane normal is closest.
    std::size_t best = 0;
    for (std::size_t f = 1; f < faces_.size(); ++f) {
        if (Dot(direction, faces_[f].normal) > Dot(direction, faces_[best].normal)) {
            best = f;
        }
    }
    const Face& face = faces_[best];

    // Barycentric position of the ray's crossing with the flat face, scaled
    // to the subdivision grid.
    const Vec3 onPlane = direction * (Dot(face.a, face.normal) / Dot(direction, face.normal));
    const Vec3 d = onPlane - face.a;
    const double d20 = Dot(d, face.e1);
    const double d21 = Dot(d, face.e2);
    const double u = (face.d11 * d20 - face.d01 * d21) / face.denominator * frequency_;
    const double v = (face.d00 * d21 - face.d01 * d20) / face.denominator * frequency_;
    // Clamped into the face, since directions on its border may round outside.
    const int last = frequency_ - 1;
    int i = static_cast<int>(std::floor(u));
    i = i < 0 ? 0 : (i > last ? last : i);
    int j = static_cast<int>(std::floor(v));
    j = j < 0 ? 0 : (j > last - i ? last - i : j);
    const double fu = u - i;
    const double fv = v - j;

    // Each grid cell holds a lower and an upper triangle, except along the
    // face's third edge where only the lower one fits.
    const bool upper = fu + fv >= 1.0 && i + j < last;
    Vec3 p0, p1, p2;
    double edge;
    if (upper) {
        p0 = GridPoint(face, i + 1, j);
        p1 = GridPoint(face, i + 1, j + 1);
        p2 = GridPoint(face, i, j + 1);
        edge = std::fmin(std::fmin(1.0 - fu, 1.0 - fv), fu + fv - 1.0);
    } else {
        p0 = GridPoint(face, i, j);
        p1 = GridPoint(face, i + 1, j);
        p2 = GridPoint(face, i, j + 1);
        edge = std::fmin(std::fmin(fu, fv), 1.0 - fu - fv);
    }
    const std::uint32_t id = static_cast<std::uint32_t>(best * 4096 + i * 64 + j * 2 + (upper ? 1 : 0));
    return {Normalise(Cross(p1 - p0, p2 - p0)), edge, id};
}

// ---------------------------------------------------------------------------
// The museum scene, 240 x 240, y downwards. From the top: dusk sky, the roof
// beam, the glass facade, its lit ground floor, a plaza, the pool's stone
// edge and the reflecting pool; the mirror sphere stands in the pool.

constexpr int kPictureSize = 240;
constexpr double kSphereX = 120.0;
constexpr double kSphereY = 104.0;
constexpr double kSphereRadius = 72.0;
constexpr double kSphereBase = kSphereY + kSphereRadius;  // its reflection axis
constexpr double kRoofTop = 58.0;
constexpr double kGlassTop = 64.0;
constexpr double kGlassBottom = 142.0;
constexpr double kPlazaTop = 150.0;  // the facade's reflection axis
constexpr double kCopingTop = 160.0;
constexpr double kPoolTop = 163.0;
constexpr double kPaneWidth = 12.0;
constexpr double kPaneHeight = 13.0;

const Colour kSteel{176.0, 172.0, 166.0};

// Facet edge distance under which a point is on the steel joint between
// facets (about one pixel wide on the sphere's face).
constexpr double kJointWidth = 0.055;

// Where a facade point lies against its nearest vertical and horizontal
// mullions: on a pane grid where every fourth column and third row is a
// heavier frame.
struct Mullions {
    double acrossX, acrossY;  // -1..1 across a bar, beyond that outside it
    double gapX, gapY;        // pixels from the bar's edge (negative on it)
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
    return {offsetX / halfX, offsetY / halfY, std::fabs(offsetX) - halfX, std::fabs(offsetY) - halfY};
}

class Scene {
public:
    Scene() : sphere_(7, {0.0, 1.0, 0.35}, 0.07) {}

    Colour PictureAt(double x, double y) const;
    Vec3 NormalAt(double x, double y) const;  // screen axes: x right, y down, z out

private:
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
        c = Mix(Colour{52.0, 74.0, 108.0}, kSteel, 0.3);
    } else if (r.y >= 0.5) {
        c = Mix(Colour{238.0, 152.0, 140.0}, Colour{150.0, 138.0, 190.0}, 2.0 * r.y - 1.0);
    } else if (r.y >= 0.0) {
        c = Mix(Colour{255.0, 192.0, 112.0}, Colour{238.0, 152.0, 140.0}, 2.0 * r.y);
    } else {
        c = Mix(Colour{214.0, 140.0, 96.0}, Colour{56.0, 54.0, 84.0}, -r.y);
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
    const Colour seen = (r.y < 0.0 && shade > 0.9) ? Colour{236.0, 170.0, 92.0} : Reflection(r);
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
    Colour c = Modulate(mirrored, {0.5, 0.56, 0.66}) + Colour{8.0, 16.0, 30.0};
    c = c * (0.9 + 0.12 * ripple - 0.25 * depth);
    if (ripple > 0.92 && Hash(static_cast<std::uint32_t>(x / 3.0) * 31u + static_cast<std::uint32_t>(y)) % 8u == 0u) {
        c = c + Colour{120.0, 104.0, 80.0};
    }
    return c;
}

Colour Scene::PictureAt(double x, double y) const
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

Vec3 Scene::NormalAt(double x, double y) const
{
    Vec3 direction;
    if (OnSphere(x, y, &direction)) {
        const GeodesicSphere::Facet facet = sphere_.Find(direction);
        // Joints follow the ball's curve; panels are flat, their tilt from the
        // curve doubled so that each reads under the moving light.
        const Vec3 n = facet.edgeDistance < kJointWidth ? direction : Normalise(facet.normal * 2.0 - direction);
        return {n.x, -n.y, n.z};
    }
    if (y < kRoofTop) {
        return {0.0, 0.0, 1.0};
    }
    if (y < kGlassTop) {
        return Normalise({0.0, 0.7 * (y - 61.0) / 3.0, 1.0});
    }
    if (y < kGlassBottom) {
        const Mullions m = NearestMullions(x, y);
        if (std::fabs(m.acrossX) < 1.0) {
            return Normalise({0.8 * m.acrossX, 0.0, 1.0});
        }
        if (std::fabs(m.acrossY) < 1.0) {
            return Normalise({0.0, 0.8 * m.acrossY, 1.0});
        }
        // Raised panes: a 2-pixel bevel sloping down to the frame.
        const double bevel = 2.0;
        const double slopeX = m.gapX < bevel ? 0.5 * (1.0 - m.gapX / bevel) : 0.0;
        const double slopeY = m.gapY < bevel ? 0.5 * (1.0 - m.gapY / bevel) : 0.0;
        return Normalise({m.acrossX > 0.0 ? -slopeX : slopeX, m.acrossY > 0.0 ? -slopeY : slopeY, 1.0});
    }
    if (y < kPlazaTop) {
        return {0.0, 0.0, 1.0};
    }
    if (y < kCopingTop) {
        return (y >= 155.0 && y < 156.0) ? Normalise({0.0, 2.0 * (y - 155.5), 1.0}) : Vec3{0.0, 0.0, 1.0};
    }
    if (y < kPoolTop) {
        return Normalise({0.0, 0.7 * (y - 161.5) / 1.5, 1.0});
    }
    // Water: the ripples' slope across rows plus a gentle cross swell.
    const double phase = RipplePhase(y);
    const double slope = 0.35 * (0.5 + WaterDepth(y)) * Cosine(phase);
    return Normalise({0.08 * Sine(x / 37.0 + 0.5 * phase), slope, 1.0});
}

DataImage RenderNormalMap(const Scene& scene)
{
    DataImage image{"normal_map.raw", kPictureSize, kPictureSize,
                    std::vector<std::uint8_t>(static_cast<std::size_t>(kPictureSize) * kPictureSize * 3)};
    const auto sample = [&](double x, double y) { return scene.NormalAt(x, y); };
    std::size_t at = 0;
    for (int y = 0; y < kPictureSize; ++y) {
        for (int x = 0; x < kPictureSize; ++x) {
            const Vec3 n = Normalise(Supersample<Vec3>(x, y, sample));
            image.rgb[at++] = EncodeComponent(n.x);
            image.rgb[at++] = EncodeComponent(n.y);
            image.rgb[at++] = EncodeComponent(n.z);
        }
    }
    return image;
}

// ---------------------------------------------------------------------------
// The smiling face, over the sphere and black (transparent) elsewhere.

Colour SmileAt(double x, double y)
{
    const double faceRadius = 68.0;
    const double dx = x - kSphereX;
    const double dy = y - kSphereY;
    const double d = std::sqrt(dx * dx + dy * dy);
    if (d >= faceRadius) {
        return {0.0, 0.0, 0.0};
    }
    const Colour dark{64.0, 30.0, 14.0};

    // Eyes: upright ovals with a white glint.
    for (const double side : {-1.0, 1.0}) {
        const double ex = (dx - side * 23.0) / 8.5;
        const double ey = (dy + 18.0) / 13.5;
        if (ex * ex + ey * ey < 1.0) {
            const double gx = dx - side * 23.0 + 3.0;
            const double gy = dy + 23.0;
            return gx * gx + gy * gy < 7.0 ? Colour{255.0, 255.0, 255.0} : dark;
        }
    }

    // Mouth: a thick arc 120 degrees wide around straight down, round ends.
    const double arcRadius = 40.0;
    const double halfWidth = 5.0;
    const double mx = dx;
    const double my = dy - 4.0;
    const double m = std::sqrt(mx * mx + my * my);
    const bool onArc = std::fabs(m - arcRadius) < halfWidth && my >= 0.5 * m;
    const double endX = std::fabs(mx) - arcRadius * std::sqrt(3.0) / 2.0;
    const double endY = my - arcRadius / 2.0;
    if (onArc || endX * endX + endY * endY < halfWidth * halfWidth) {
        return dark;
    }

    // Face: lit from the upper left, an orange rim, rosy cheeks.
    const double hx = dx + 24.0;
    const double hy = dy + 28.0;
    Colour c = Mix(Colour{255.0, 250.0, 178.0}, Colour{252.0, 196.0, 32.0}, Clamp01(std::sqrt(hx * hx + hy * hy) / 96.0));
    for (const double side : {-1.0, 1.0}) {
        const double cx = dx - side * 44.0;
        const double cy = dy - 12.0;
        const double cheek = 1.0 - (cx * cx + cy * cy) / 100.0;
        if (cheek > 0.0) {
            c = Mix(c, Colour{255.0, 140.0, 90.0}, 0.6 * cheek);
        }
    }
    return Mix(c, Colour{236.0, 126.0, 16.0}, Clamp01((d - 62.0) / 5.0));
}

// ---------------------------------------------------------------------------
// Flare and particle: radial glows that reach exactly zero at `radius`, so
// their outer rings of pixels stay black.

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

Colour SparkAt(double x, double y)
{
    const double dx = x - 16.0;
    const double dy = y - 16.0;
    const double r = std::sqrt(dx * dx + dy * dy);
    const double w = Window(r, 14.0);
    const double core = 1.0 / (1.0 + r * r / 6.0);
    const double glow = 0.55 * w * w + 0.45 * core * w;
    return Mix(Colour{255.0, 196.0, 110.0}, Colour{255.0, 255.0, 240.0}, core) * glow;
}

}  // namespace

std::vector<DataImage> GenerateDataImages()
{
    const Scene scene;
    std::vector<DataImage> images;
    images.push_back(RenderColour("cite_des_sciences.raw", kPictureSize, kPictureSize,
                                  [&](double x, double y) { return scene.PictureAt(x, y); }));
    images.push_back(RenderColour("cite_des_sciences_smile.raw", kPictureSize, kPictureSize, SmileAt));
    images.push_back(RenderNormalMap(scene));
    images.push_back(RenderColour("flare.raw", 64, 64, FlareAt));
    images.push_back(RenderColour("particule.raw", 32, 32, SparkAt));
    return images;
}
