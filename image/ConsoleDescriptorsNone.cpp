#include "ConsoleDescriptors.h"

void KeepConsoleDescriptorsTaken() {}

void IgnoreGoneReaders() {}
