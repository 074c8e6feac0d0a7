#include "PageControls.h"

#include <cstring>
#include <string>

#include <emscripten/emscripten.h>
#include <emscripten/html5.h>

#include "FrameArea.h"
#include "PageBindings.h"
#include "ZoomCommands.h"

namespace {

const char kCanvasSelector[] = "#canvas";
const char kFullScreenId[] = "full-screen";
const char kFullScreenText[] = "Full screen";

// The canvas's size at zoom 1, shared by the event handlers.
struct PageState {
    std::int32_t width = 0;
    std::int32_t height = 0;
    bool stopped = false;
    std::int32_t zoomFactor = 1; // the last zoom button's, given back on leaving full screen
};

PageState page;

EM_BOOL OnZoomClick(int, const EmscriptenMouseEvent*, void* userData)
{
    page.zoomFactor = ZoomFactor(static_cast<const ZoomCommand*>(userData)->id);
    emscripten_set_element_css_size(kCanvasSelector, page.width * page.zoomFactor, page.height * page.zoomFactor);
    return EM_TRUE;
}

EM_BOOL OnFullScreenClick(int, const EmscriptenMouseEvent*, void*)
{
    PageToggleFullScreen();
    return EM_TRUE;
}

// In full screen the canvas takes the whole factor of the screen's device
// pixels, so that each frame pixel is a square of whole screen pixels.
EM_BOOL OnFullScreenChange(int, const EmscriptenFullscreenChangeEvent* event, void*)
{
    if (!event->isFullscreen) {
        emscripten_set_element_css_size(kCanvasSelector, page.width * page.zoomFactor, page.height * page.zoomFactor);
        return EM_TRUE;
    }
    const double ratio = emscripten_get_device_pixel_ratio();
    const std::int32_t factor =
        WholeFactor(page.width, page.height, static_cast<std::int32_t>(event->elementWidth * ratio),
                    static_cast<std::int32_t>(event->elementHeight * ratio));
    emscripten_set_element_css_size(kCanvasSelector, page.width * factor / ratio, page.height * factor / ratio);
    return EM_TRUE;
}

// Other keys go on to the browser, so that its own shortcuts keep working.
EM_BOOL OnKeyDown(int, const EmscriptenKeyboardEvent* event, void*)
{
    if ((std::strcmp(event->key, "f") == 0 || std::strcmp(event->key, "F") == 0) && !event->ctrlKey &&
        !event->altKey && !event->metaKey) {
        PageToggleFullScreen();
        return EM_TRUE;
    }
    if (std::strcmp(event->key, "Escape") != 0)
        return EM_FALSE;
    if (!page.stopped) {
        page.stopped = true;
        emscripten_cancel_main_loop();
        PageShowStopped();
    }
    return EM_TRUE;
}

} // namespace

void ListenToPageControls(std::int32_t width, std::int32_t height)
{
    page.width = width;
    page.height = height;
    for (const ZoomCommand& command : kZoomCommands) {
        const std::string elementId = "zoom-" + std::to_string(command.id);
        PageAddButton(elementId.c_str(), command.text);
        emscripten_set_click_callback(("#" + elementId).c_str(), const_cast<ZoomCommand*>(&command), EM_TRUE,
                                      OnZoomClick);
    }
    PageAddButton(kFullScreenId, kFullScreenText);
    emscripten_set_click_callback((std::string("#") + kFullScreenId).c_str(), nullptr, EM_TRUE, OnFullScreenClick);
    emscripten_set_fullscreenchange_callback(EMSCRIPTEN_EVENT_TARGET_DOCUMENT, nullptr, EM_TRUE, OnFullScreenChange);
    emscripten_set_keydown_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, nullptr, EM_TRUE, OnKeyDown);
}
