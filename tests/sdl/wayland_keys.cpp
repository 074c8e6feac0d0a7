// wayland-keys NAME...: presses and releases each named key (Escape, Return,
// Tab...) in turn, through a new virtual keyboard of the compositor named by
// WAYLAND_DISPLAY. The keyboard has a whole US layout, as a real one does:
// from a virtual keyboard whose layout holds only the keys it types, GTK's
// dialogs take typed text but ignore Escape, Return, Tab and space.

#include <sys/mman.h>
#include <unistd.h>
#include <wayland-client.h>
#include <xkbcommon/xkbcommon.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>
#include <vector>

#include "virtual-keyboard-unstable-v1-client-protocol.h"

namespace {

struct Globals {
    wl_seat* seat = nullptr;
    zwp_virtual_keyboard_manager_v1* keyboards = nullptr;
};

void AddGlobal(void* data, wl_registry* registry, std::uint32_t name, const char* interface, std::uint32_t)
{
    auto* globals = static_cast<Globals*>(data);
    if (std::strcmp(interface, wl_seat_interface.name) == 0 && !globals->seat)
        globals->seat = static_cast<wl_seat*>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
    else if (std::strcmp(interface, zwp_virtual_keyboard_manager_v1_interface.name) == 0)
        globals->keyboards = static_cast<zwp_virtual_keyboard_manager_v1*>(
            wl_registry_bind(registry, name, &zwp_virtual_keyboard_manager_v1_interface, 1));
}

void RemoveGlobal(void*, wl_registry*, std::uint32_t) {}

const wl_registry_listener kRegistryListener = {AddGlobal, RemoveGlobal};

int Fail(const char* what, const char* name = "")
{
    std::fprintf(stderr, "wayland-keys: %s%s\n", what, name);
    return 1;
}

// The key code whose first level gives the key named name, or 0.
xkb_keycode_t KeyCode(xkb_keymap* keymap, const char* name)
{
    const xkb_keysym_t wanted = xkb_keysym_from_name(name, XKB_KEYSYM_NO_FLAGS);
    if (wanted == XKB_KEY_NoSymbol)
        return 0;
    for (xkb_keycode_t code = xkb_keymap_min_keycode(keymap); code <= xkb_keymap_max_keycode(keymap); ++code) {
        const xkb_keysym_t* symbols = nullptr;
        const int count = xkb_keymap_key_get_syms_by_level(keymap, code, 0, 0, &symbols);
        if (count == 1 && symbols[0] == wanted)
            return code;
    }
    return 0;
}

std::uint32_t Milliseconds()
{
    using namespace std::chrono;
    return static_cast<std::uint32_t>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

} // namespace

int main(int argc, char** argv)
{
    xkb_context* context = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
    const xkb_rule_names us = {"evdev", "pc105", "us", "", ""};
    xkb_keymap* keymap = context ? xkb_keymap_new_from_names(context, &us, XKB_KEYMAP_COMPILE_NO_FLAGS) : nullptr;
    if (!keymap)
        return Fail("cannot make the US layout");
    std::vector<xkb_keycode_t> codes;
    for (int i = 1; i < argc; ++i) {
        codes.push_back(KeyCode(keymap, argv[i]));
        if (codes.back() == 0)
            return Fail("no such key: ", argv[i]);
    }

    wl_display* display = wl_display_connect(nullptr);
    if (!display)
        return Fail("cannot connect to the compositor");
    Globals globals;
    wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &kRegistryListener, &globals);
    wl_display_roundtrip(display);
    if (!globals.seat || !globals.keyboards)
        return Fail("the compositor has no seat or no virtual keyboards");
    zwp_virtual_keyboard_v1* keyboard =
        zwp_virtual_keyboard_manager_v1_create_virtual_keyboard(globals.keyboards, globals.seat);

    char* layout = xkb_keymap_get_as_string(keymap, XKB_KEYMAP_FORMAT_TEXT_V1);
    const std::size_t size = std::strlen(layout) + 1;
    const int file = memfd_create("wayland-keys-layout", MFD_CLOEXEC);
    if (file < 0 || write(file, layout, size) != static_cast<ssize_t>(size))
        return Fail("cannot store the layout");
    zwp_virtual_keyboard_v1_keymap(keyboard, WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1, file, static_cast<std::uint32_t>(size));
    wl_display_roundtrip(display);
    // SDL 2.26 crashes when a keyboard without a named layout, as virtual
    // ones are, appears with a key already down: the keys come later.
    std::this_thread::sleep_for(std::chrono::milliseconds(300));

    // Evdev codes are the layout's key codes less 8.
    for (const xkb_keycode_t code : codes) {
        zwp_virtual_keyboard_v1_key(keyboard, Milliseconds(), code - 8, WL_KEYBOARD_KEY_STATE_PRESSED);
        zwp_virtual_keyboard_v1_key(keyboard, Milliseconds(), code - 8, WL_KEYBOARD_KEY_STATE_RELEASED);
        if (wl_display_roundtrip(display) < 0)
            return Fail("lost the compositor");
    }
    zwp_virtual_keyboard_v1_destroy(keyboard);
    wl_display_roundtrip(display);
    zwp_virtual_keyboard_manager_v1_destroy(globals.keyboards);
    wl_seat_destroy(globals.seat);
    wl_registry_destroy(registry);
    wl_display_disconnect(display);
    close(file);
    std::free(layout);
    xkb_keymap_unref(keymap);
    xkb_context_unref(context);
    return 0;
}
