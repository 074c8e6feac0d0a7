#pragma once

#include "DataImages.h"

#include <cstddef>
#include <cstdint>

// Helpers shared by the generator's drawings. Every value is computed with
// integers or with the correctly rounded double operations (+, -, *, /,
// sqrt, floor, fabs, fmin) so that each C library and compiler produces the
// same bytes; sines come from a polynomial of our own.
namespace datagen {

struct Vec3 {
    double x, y, z;
};

inline Vec3 operator+(Vec3 a, Vec3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline Vec3 operator-(Vec3 a, Vec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline Vec3 operator*(Vec3 a, double s) { return {a.x * s, a.y * s, a.z * s}; }
inline double Dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline Vec3 Cross(Vec3 a, Vec3 b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
Vec3 Normalise(Vec3 v);

// Channels on the 0..255 scale, unclamped until stored.
struct Colour {
    double r, g, b;
};

inline Colour operator+(Colour a, Colour b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }
inline Colour operator*(Colour a, double s) { return {a.r * s, a.g * s, a.b * s}; }
inline Colour Modulate(Colour a, Colour b) { return {a.r * b.r, a.g * b.g, a.b * b.b}; }
inline Colour Mix(Colour a, Colour b, double t) { return a * (1.0 - t) + b * t; }

inline double Clamp01(double v) { return v < 0.0 ? 0.0 : (v > 1.0 ? 1.0 : v); }

// 0 at or below edge0, 1 at or above edge1, a cubic with zero slope at both.
double SmoothStep(double edge0, double edge1, double v);

std::uint32_t Hash(std::uint32_t v);

// Hash of a value as a fraction in [0, 1].
double HashUnit(std::uint32_t v);

// sin(2 pi turns) and cos(2 pi turns).
double Sine(double turns);
double Cosine(double turns);

// Rounds to the nearest byte, clamped to 0..255.
std::uint8_t ToByte(double v);

// Averages a sampler over a 4 x 4 grid inside pixel (px, py); the sampler
// takes image coordinates and returns a Colour or a Vec3.
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

// An image whose pixels are the supersampled colours of a sampler.
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

}  // namespace datagen
