#pragma once

#include "Drawing.h"

#include <cstdint>
#include <vector>

namespace datagen {

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

}  // namespace datagen
