#pragma once

// Returns block; when it is null, says on standard error that memory for
// `what` could not be had and ends the process with exit code 1. The demo
// has no way to go on without its buffers, and must never write through null.
void* RequireAllocation(void* block, const char* what);
