#pragma once

#include <cmath>

// Three single-precision components; arithmetic on them is done in double.
struct Vector3 {
    // Scales to unit length, each component rounded to single precision, and
    // returns the former length. A zero vector becomes not-a-number. Inline:
    // the lighting tables call it for every normal and every direction.
    double Normalize()
    {
        const double dx = x;
        const double dy = y;
        const double dz = z;
        const double length = std::sqrt(dx * dx + dy * dy + dz * dz);
        const double inverse = 1.0 / length;
        x = static_cast<float>(dx * inverse);
        y = static_cast<float>(dy * inverse);
        z = static_cast<float>(dz * inverse);
        return length;
    }

    float x;
    float y;
    float z;
};

// a.z * b.z + a.y * b.y, then + a.x * b.x, in double precision.
double Dot(const Vector3& a, const Vector3& b);
