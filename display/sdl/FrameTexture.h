#pragma once

// Creates the streaming texture that receives each frame: display size, in
// the window's pixel format. False when the renderer refuses it.
bool CreateFrameTexture();

// Replaces a texture that the renderer discarded; the next frame fills it.
void RecreateFrameTexture();
