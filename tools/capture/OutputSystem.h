#pragma once

#include <cstdio>
#include <filesystem>
#include <string>

// What writing an output file asks of the system, one implementation per
// platform (OutputSystemPosix.cpp, OutputSystemWindows.cpp).

// Creates path and opens it for binary writing, only when no file or link of
// that name exists (never writing through a planted link). Null on failure,
// with errno EEXIST when the name is taken.
std::FILE* CreateNewFile(const std::string& path);

// The number of this process, to give its temporary files names of their own.
unsigned long ProcessNumber();

// Gives the open file the permission bits of the file it will replace. False
// when they could not be set.
bool GivePermissions(std::FILE* file, std::filesystem::perms permissions);

// Writes the file's buffered bytes and has the system put them on the disk.
bool FlushToDisk(std::FILE* file);

// Whether path names a device that the system provides in every folder
// (NUL, CON, COM1, ... on Windows) although no file of that name exists.
bool IsReservedDeviceName(const std::string& path);

// Sets standard output to carry bytes unchanged (no line-end translation).
void SetBinaryStandardOutput();

// While a path is held here, the process removes that file when it ends by
// SIGINT, SIGTERM, SIGHUP or SIGQUIT (on Windows by Ctrl+C, Ctrl+Break or a
// closed console), then ends as it would have ended, or when it ends through
// exit. One path at a time; an empty path holds none. Called with
// interruptions held (below), since an interruption must find either the old
// path or the new one, never a released one.
void RemoveOnInterrupt(const std::string& path);

// The longest name of a file, without its folder, that the folder's file
// system takes: 255 where the system cannot tell.
std::size_t NameLimit(const std::string& folder);

// Between these two an interruption waits: it takes effect, removal
// included, at ReleaseInterrupts.
void HoldInterrupts();
void ReleaseInterrupts();
