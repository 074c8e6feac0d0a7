#pragma once

#include <cstdio>

// Opens name for reading in binary mode only when it is a regular file, else
// null (errno then says why, when the open itself failed). A FIFO, a device
// or a directory is never read, and opening one never waits: a FIFO with no
// writer would otherwise hold the open until one comes.
std::FILE* OpenRegularFile(const char* name);
