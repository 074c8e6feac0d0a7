#include "Drawing.h"

#include <cmath>

namespace datagen {

Vec3 Normalise(Vec3 v)
{
    const double length = std::sqrt(Dot(v, v));
    return {v.x / length, v.y / length, v.z / length};
}

double SmoothStep(double edge0, double edge1, double v)
{
    const double s = Clamp01((v - edge0) / (edge1 - edge0));
    return s * s * (3.0 - 2.0 * s);
}

std::uint32_t Hash(std::uint32_t v)
{
    v ^= v >> 16;
    v *= 0x7feb352du;
    v ^= v >> 15;
    v *= 0x846ca68bu;
    v ^= v >> 16;
    return v;
}

double HashUnit(std::uint32_t v) { return static_cast<double>(Hash(v) & 0xFFFFu) / 65535.0; }

// Reduced to a quarter turn, then an odd Taylor polynomial (error below 1e-9).
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

}  // namespace datagen
