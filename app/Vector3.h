#pragma once

// Three single-precision components; arithmetic on them is done in double.
struct Vector3 {
    // Scales to unit length, each component rounded to single precision, and
    // returns the former length. A zero vector becomes not-a-number.
    double Normalize();

    float x;
    float y;
    float z;
};

// a.z * b.z + a.y * b.y, then + a.x * b.x, in double precision.
double Dot(const Vector3& a, const Vector3& b);
