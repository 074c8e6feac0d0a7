#include "Vector3.h"

#include <cmath>

double Dot(const Vector3& a, const Vector3& b)
{
    const double zz = static_cast<double>(a.z) * b.z;
    const double yy = static_cast<double>(a.y) * b.y;
    const double xx = static_cast<double>(a.x) * b.x;
    return zz + yy + xx;
}
