#include "Vector3.h"

#include <cmath>

double Vector3::Normalize()
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

double Dot(const Vector3& a, const Vector3& b)
{
    const double zz = static_cast<double>(a.z) * b.z;
    const double yy = static_cast<double>(a.y) * b.y;
    const double xx = static_cast<double>(a.x) * b.x;
    return zz + yy + xx;
}
