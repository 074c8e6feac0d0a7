#include "Display.h"

Display::~Display()
{
    width = 0;
    height = 0;
}
