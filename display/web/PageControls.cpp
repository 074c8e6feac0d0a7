#include "PageControls.h"

#include <cstring>
#include <string>

#include <emscripten/emscripten.h>
#include <emscripten/html5.h>

#include "PageBindings.h"
#include "ZoomCommands.h"

namespace {

const char kCanvasSelector[] = "#canvas";

// The canvas's size at zoom 1, shared by the event handlers.
struct PageState {
    std::int32_t width = 0;
    std::int32_t height = 0;
    bool stopped = false;
};

PageState page;

EM_BOOL OnZoomClick(int, const EmscriptenMouseEvent*, void* userData)
{
    const std::int32_t factor = ZoomFactor(static_cast<const ZoomCommand*>(userData)->id);
    emscripten_set_element_css_size(kCanvasSelector, page.width * factor, page.height * factor);
    return EM_TRUE;
}

// Other keys go on to the browser, so that its own shortcuts keep working.
EM_BOOL OnKeyDown(int, const EmscriptenKeyboardEvent* event, void*)
{
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
    emscripten_set_keydown_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, nullptr, EM_TRUE, OnKeyDown);
}
