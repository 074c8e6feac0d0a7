#pragma once

#include <string>

// Why the file name could not be opened for reading, in a few words:
// "missing", "not a regular file", "permission denied", or the system's own
// text for openError, the errno that the failed open left.
std::string WhyUnreadable(const char* name, int openError);
