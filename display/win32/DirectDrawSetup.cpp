#include "DirectDrawSetup.h"

#include "CreationFailure.h"

namespace {

using DirectDrawCreateFunction = HRESULT(WINAPI*)(GUID* driver, IDirectDraw** directDraw, IUnknown* outer);

DirectDrawCreateFunction FindDirectDrawCreate(HMODULE library)
{
    // Through a generic function pointer: the export's real type is known
    // only from the documentation.
    const auto address = reinterpret_cast<void (*)()>(GetProcAddress(library, "DirectDrawCreate"));
    return reinterpret_cast<DirectDrawCreateFunction>(address);
}

HRESULT CreatePrimarySurface(DisplayState& state)
{
    DDSURFACEDESC description = {};
    description.dwSize = sizeof description;
    description.dwFlags = DDSD_CAPS;
    description.ddsCaps.dwCaps = DDSCAPS_PRIMARYSURFACE | DDSCAPS_VIDEOMEMORY;
    HRESULT result = state.directDraw->CreateSurface(&description, &state.primarySurface, nullptr);
    if (FAILED(result)) {
        // Remote sessions and software drivers have no primary surface in
        // video memory; let DirectDraw place it.
        description.ddsCaps.dwCaps = DDSCAPS_PRIMARYSURFACE;
        result = state.directDraw->CreateSurface(&description, &state.primarySurface, nullptr);
    }
    return result;
}

HRESULT CreateOffscreenSurface(DisplayState& state)
{
    // No pixel format given: the surface takes the screen's, which the row
    // converter writes.
    DDSURFACEDESC description = {};
    description.dwSize = sizeof description;
    description.dwFlags = DDSD_CAPS | DDSD_HEIGHT | DDSD_WIDTH;
    description.dwWidth = static_cast<DWORD>(state.width);
    description.dwHeight = static_cast<DWORD>(state.height);
    description.ddsCaps.dwCaps = DDSCAPS_OFFSCREENPLAIN;
    return state.directDraw->CreateSurface(&description, &state.offscreenSurface, nullptr);
}

std::int32_t DirectDrawFailed(const char* call, HRESULT result)
{
    return CreationFailed("DirectDraw %s failed (error 0x%08lX)", call, static_cast<unsigned long>(result));
}

std::int32_t UnsupportedFormat(const DDPIXELFORMAT& format)
{
    if (!(format.dwFlags & DDPF_RGB))
        return CreationFailed("the screen's pixel format is not RGB (flags 0x%lX)",
                              static_cast<unsigned long>(format.dwFlags));
    return CreationFailed("the screen's pixel format is not supported (%lu bits, masks 0x%lX 0x%lX 0x%lX)",
                          static_cast<unsigned long>(format.dwRGBBitCount),
                          static_cast<unsigned long>(format.dwRBitMask),
                          static_cast<unsigned long>(format.dwGBitMask),
                          static_cast<unsigned long>(format.dwBBitMask));
}

} // namespace

std::int32_t LoadDirectDraw(DisplayState& state)
{
    state.ddrawLibrary = LoadLibraryA("ddraw.dll");
    if (!state.ddrawLibrary)
        return CreationFailed("ddraw.dll cannot be loaded");
    const DirectDrawCreateFunction directDrawCreate = FindDirectDrawCreate(state.ddrawLibrary);
    if (!directDrawCreate)
        return CreationFailed("ddraw.dll has no DirectDrawCreate");
    const HRESULT result = directDrawCreate(nullptr, &state.directDraw, nullptr);
    if (FAILED(result))
        return DirectDrawFailed("DirectDrawCreate", result);
    return 1;
}

std::int32_t CreatePresentationObjects(DisplayState& state)
{
    HRESULT result = state.directDraw->SetCooperativeLevel(state.window, DDSCL_NORMAL);
    if (FAILED(result))
        return DirectDrawFailed("SetCooperativeLevel", result);
    result = CreatePrimarySurface(state);
    if (FAILED(result))
        return DirectDrawFailed("CreateSurface (primary)", result);
    result = CreateOffscreenSurface(state);
    if (FAILED(result))
        return DirectDrawFailed("CreateSurface (off-screen)", result);
    result = state.directDraw->CreateClipper(0, &state.clipper, nullptr);
    if (FAILED(result))
        return DirectDrawFailed("CreateClipper", result);
    result = state.clipper->SetHWnd(0, state.window);
    if (FAILED(result))
        return DirectDrawFailed("SetHWnd", result);
    result = state.primarySurface->SetClipper(state.clipper);
    if (FAILED(result))
        return DirectDrawFailed("SetClipper", result);

    DDPIXELFORMAT format = {};
    format.dwSize = sizeof format;
    result = state.primarySurface->GetPixelFormat(&format);
    if (FAILED(result))
        return DirectDrawFailed("GetPixelFormat", result);
    if (!(format.dwFlags & DDPF_RGB))
        return UnsupportedFormat(format);
    state.rowConverter =
        SelectRowConverter(format.dwRGBBitCount, format.dwRBitMask, format.dwGBitMask, format.dwBBitMask);
    if (!state.rowConverter)
        return UnsupportedFormat(format);
    return 1;
}
