#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>

#include "AlternateCover.h"
#include "AnimationClock.h"
#include "Bitmap.h"
#include "Display.h"
#include "FileInputStream.h"
#include "KeptPicture.h"
#include "LightingTables.h"
#include "SpriteCoverage.h"

constexpr std::int32_t kFrameWidth = 240;
constexpr std::int32_t kFrameHeight = 240;

// Every long-lived object of the demo, made once by StartDemo. The demo
// program never destroys it: the process ends inside Present when the user
// quits. The display belongs to the caller.
struct Demo {
    Display* display = nullptr;
    std::unique_ptr<Bitmap> frame;
    std::unique_ptr<Bitmap> normalMap;
    std::unique_ptr<Bitmap> picture;
    std::unique_ptr<Bitmap> alternatePicture;
    std::unique_ptr<Bitmap> flare;
    std::unique_ptr<Bitmap> particleSprite;
    std::unique_ptr<FileInputStream> stream;
    std::unique_ptr<AlternateCover> alternateCover; // found in the alternate picture once it is loaded
    std::unique_ptr<LightingTables> lighting;       // prepared from the normal map once it is loaded
    std::unique_ptr<SpriteCoverage> spriteCoverage; // made from the particle sprite once it is loaded
    std::unique_ptr<KeptPicture> keptPicture;
    AnimationClock clock;
};

// Where set-up speaks. out (null for none) takes the start line; errors takes
// one line for each image file that could not be read whole, or one for a
// missing datas/ folder, each starting with "program: ".
struct DemoConsole {
    std::FILE* out;
    std::FILE* errors;
    const char* program;
};

// The fifteen credit lines, the last one announcing the loading; each line
// is flushed so that it reaches a file or a pipe at once.
void PrintBanner(std::FILE* console);

// Set-up after the banner, given a created display: makes the six bitmaps,
// opens the display at 240 x 240, sizes the bitmaps, loads the five images
// from datas/ under the current directory, or where there is none from the
// images installed with the program (a file that can't be read is drawn
// black, and said so on console.errors), prepares the lighting tables
// from the normal map and finds the alternate picture's cover, prints the
// start line on console.out and reads the start time from clock. Returns the
// display's Open code; when it is not 0, set-up stops there. Ends the process
// with a message when memory runs out.
std::int32_t StartDemo(Demo& demo, Display& display, MillisecondClock clock, const DemoConsole& console);

// Draws one frame into demo.frame: the lit picture, the flare, then each
// particle of the fountain moved and drawn in index order.
void DrawFrame(Demo& demo);

// One pass of the frame loop: DrawFrame, then Present. Returns Present's code.
std::int32_t RunFrame(Demo& demo);
