#include "DataImages.h"

#include "Glows.h"
#include "MuseumPicture.h"
#include "ReliefMap.h"
#include "SmileFace.h"

std::vector<DataImage> GenerateDataImages()
{
    return {datagen::DrawMuseumPicture(), datagen::DrawSmileFace(), datagen::DrawReliefMap(), datagen::DrawFlare(),
            datagen::DrawSpark()};
}
