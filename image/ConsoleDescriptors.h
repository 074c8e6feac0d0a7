#pragma once

// Where the system numbers its files (POSIX), a program started with standard
// input, output or error closed would hand that number to the next file or
// connection it opens, and its console text would then land there: a display
// connection that receives the start line hangs. Opens the null device on
// each of the three that is closed, so that none is ever taken. Elsewhere it
// does nothing.
void KeepConsoleDescriptorsTaken();

// Makes writing to a pipe whose reader has gone an ignored error instead of
// the end of the process, for programs that ignore their console's failures.
// Does nothing where there is no such signal.
void IgnoreGoneReaders();
