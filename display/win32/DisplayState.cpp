#include "DisplayState.h"

DisplayState displayState = {};
