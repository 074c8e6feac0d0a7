#include "GeodesicSphere.h"

#include <cmath>
#include <cstddef>
#include <utility>

namespace datagen {

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

}  // namespace datagen
