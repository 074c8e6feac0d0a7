#pragma once

#include "DataImages.h"

namespace datagen {

constexpr int kPictureSize = 240;

// The mirror sphere's disc in the picture, where the face appears.
constexpr double kSphereX = 120.0;
constexpr double kSphereY = 104.0;
constexpr double kSphereRadius = 72.0;

// The museum at dusk: sky, the glass facade, a plaza and the reflecting pool
// with the mirror sphere standing in it.
DataImage DrawMuseumPicture();

}  // namespace datagen
