#pragma once

// What each platform's output system gives the removal of an interrupted
// run's temporary file (InterruptRemoval.cpp holds the path).

// Removes the file at once; safe in a signal handler and on another thread.
void RemoveFileAtOnce(const char* path);

// Makes the platform's interruptions call RemovePendingFile before the
// process ends as they would have ended it. Called once.
void InstallInterruptHandlers();

// Removes the file RemoveOnInterrupt holds, if any.
void RemovePendingFile();
