#include "WaylandSharedBuffers.h"

#include <SDL_syswm.h>
#include <poll.h>
#include <sched.h>
#include <sys/mman.h>
#include <unistd.h>
#include <wayland-client.h>

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <initializer_list>

#include "FrameArea.h"
#include "FullScreen.h"

namespace {

constexpr int kBufferCount = 3;
constexpr auto kSpinTime = std::chrono::milliseconds(2);
constexpr auto kGiveUpTime = std::chrono::milliseconds(100);

struct SharedBuffer {
    wl_buffer* buffer;
    void* data;
    std::size_t size;
    bool busy; // attached, its release not yet seen
    FrameArea drawnArea; // where the last frame went in the buffer
};

struct SharedBuffers {
    SDL_Window* sdlWindow;
    wl_display* display;
    wl_surface* surface;
    wl_event_queue* queue;
    wl_display* displayOnQueue; // a wrapper whose new objects send their events to queue
    wl_registry* registry;
    wl_shm* shm;
    SharedBuffer buffers[kBufferCount];
    int width; // the buffers' size: the window's
    int height;
    int count; // the buffers made: kBufferCount, or 1 when memory is short
    int next; // the buffer to fill next
    wl_surface* surfaceOnQueue; // a wrapper of surface whose frame callbacks come to queue
    bool paced;                 // each frame asks for the compositor's frame callback
    wl_callback* frameCallback; // asked for with the last frame, not yet done
};

SharedBuffers shared;
FrameStretch stretch;

void NoteGlobal(void*, wl_registry* registry, std::uint32_t name, const char* interface, std::uint32_t)
{
    if (!shared.shm && std::strcmp(interface, wl_shm_interface.name) == 0)
        shared.shm = static_cast<wl_shm*>(wl_registry_bind(registry, name, &wl_shm_interface, 1));
}

void NoteGlobalRemoved(void*, wl_registry*, std::uint32_t) {}

const wl_registry_listener kRegistryListener = {NoteGlobal, NoteGlobalRemoved};

void NoteRelease(void* data, wl_buffer*)
{
    static_cast<SharedBuffer*>(data)->busy = false;
}

const wl_buffer_listener kBufferListener = {NoteRelease};

void NoteFrameDone(void*, wl_callback* callback, std::uint32_t)
{
    wl_callback_destroy(callback);
    shared.frameCallback = nullptr;
}

const wl_callback_listener kFrameListener = {NoteFrameDone};

// Asks the compositor to say when it is a good time to draw the frame after
// the one about to be committed. Only the latest request counts.
void RequestFrameCallback()
{
    if (shared.frameCallback)
        wl_callback_destroy(shared.frameCallback);
    shared.frameCallback = wl_surface_frame(shared.surfaceOnQueue);
    wl_callback_add_listener(shared.frameCallback, &kFrameListener, nullptr);
}

void DestroyBuffer(SharedBuffer& buffer)
{
    if (buffer.buffer)
        wl_buffer_destroy(buffer.buffer);
    if (buffer.data)
        munmap(buffer.data, buffer.size);
    buffer = SharedBuffer{};
}

// Destroying an attached buffer is allowed: the compositor keeps its own
// mapping of the memory for as long as it needs it.
void DestroyBuffers()
{
    for (SharedBuffer& buffer : shared.buffers)
        DestroyBuffer(buffer);
    shared.width = 0;
    shared.height = 0;
}

bool CreateBuffer(SharedBuffer& buffer, int width, int height)
{
    const int stride = width * 4;
    buffer.size = static_cast<std::size_t>(stride) * static_cast<std::size_t>(height);
    const int file = memfd_create("demo-frame", MFD_CLOEXEC);
    if (file < 0)
        return false;
    if (ftruncate(file, static_cast<off_t>(buffer.size)) != 0) {
        close(file);
        return false;
    }
    void* data = mmap(nullptr, buffer.size, PROT_READ | PROT_WRITE, MAP_SHARED, file, 0);
    if (data == MAP_FAILED) {
        close(file);
        return false;
    }
    buffer.data = data;
    wl_shm_pool* pool = wl_shm_create_pool(shared.shm, file, static_cast<std::int32_t>(buffer.size));
    buffer.buffer = wl_shm_pool_create_buffer(pool, 0, width, height, stride, WL_SHM_FORMAT_XRGB8888);
    wl_shm_pool_destroy(pool);
    close(file); // the connection holds its own copy of the descriptor until the request is sent
    wl_buffer_add_listener(buffer.buffer, &kBufferListener, &buffer);
    buffer.busy = false;
    return true;
}

bool CreateBufferSet(int count, int width, int height)
{
    for (int i = 0; i < count; ++i) {
        if (!CreateBuffer(shared.buffers[i], width, height)) {
            DestroyBuffers();
            return false;
        }
    }
    return true;
}

// Buffers of the window's size: three, or one when memory is short. The
// buffer's size is the window's size on a Wayland desktop, so a smaller one
// would shrink the window.
bool CreateBuffers(int width, int height)
{
    for (int count : {kBufferCount, 1}) {
        if (width > 0 && height > 0 && CreateBufferSet(count, width, height)) {
            shared.width = width;
            shared.height = height;
            shared.count = count;
            shared.next = 0;
            return true;
        }
    }
    return false;
}

// Reads the events that have arrived, waiting for them up to timeout
// milliseconds, and dispatches those of the buffers' queue; the others stay
// queued for SDL. False when the connection fails.
bool ReadEvents(int timeout)
{
    while (wl_display_prepare_read_queue(shared.display, shared.queue) != 0) {
        if (wl_display_dispatch_queue_pending(shared.display, shared.queue) < 0)
            return false;
    }
    if (wl_display_flush(shared.display) < 0 && errno != EAGAIN) {
        wl_display_cancel_read(shared.display);
        return false;
    }
    pollfd connection = {wl_display_get_fd(shared.display), POLLIN, 0};
    if (poll(&connection, 1, timeout) <= 0) {
        wl_display_cancel_read(shared.display);
        return true;
    }
    return wl_display_read_events(shared.display) == 0 &&
           wl_display_dispatch_queue_pending(shared.display, shared.queue) >= 0;
}

enum class Wait { Free, HeldTooLong, ConnectionLost };

// Waits until the compositor releases buffer, or gives up after kGiveUpTime:
// a compositor may keep the buffers of a window it does not show. For the
// first milliseconds it only yields between looks instead of sleeping: a
// processor left idle takes long to wake on a virtual machine, often longer
// than the compositor takes.
Wait WaitUntilFree(const SharedBuffer& buffer)
{
    const auto start = std::chrono::steady_clock::now();
    while (buffer.busy) {
        const auto waited = std::chrono::steady_clock::now() - start;
        if (waited > kGiveUpTime)
            return Wait::HeldTooLong;
        const bool spinning = waited < kSpinTime;
        if (!ReadEvents(spinning ? 0 : 10))
            return Wait::ConnectionLost;
        if (buffer.busy && spinning)
            sched_yield();
    }
    return Wait::Free;
}

} // namespace

bool OpenSharedBuffers(SDL_Window* window, RowConverter& converter)
{
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_WAYLAND)
        return false;
    shared.sdlWindow = window;
    shared.display = info.info.wl.display;
    shared.surface = info.info.wl.surface;
    shared.queue = wl_display_create_queue(shared.display);
    shared.displayOnQueue = static_cast<wl_display*>(wl_proxy_create_wrapper(shared.display));
    shared.surfaceOnQueue = static_cast<wl_surface*>(wl_proxy_create_wrapper(shared.surface));
    if (!shared.queue || !shared.displayOnQueue || !shared.surfaceOnQueue) {
        CloseSharedBuffers();
        return false;
    }
    wl_proxy_set_queue(reinterpret_cast<wl_proxy*>(shared.displayOnQueue), shared.queue);
    wl_proxy_set_queue(reinterpret_cast<wl_proxy*>(shared.surfaceOnQueue), shared.queue);
    shared.registry = wl_display_get_registry(shared.displayOnQueue);
    wl_registry_add_listener(shared.registry, &kRegistryListener, nullptr);
    // Every compositor offers 32-bit XRGB, which is the frame's own word.
    converter = SelectRowConverter(32, 0x00FF0000u, 0x0000FF00u, 0x000000FFu);
    int width = 0;
    int height = 0;
    SDL_GetWindowSizeInPixels(window, &width, &height);
    if (wl_display_roundtrip_queue(shared.display, shared.queue) < 0 || !shared.shm || !converter ||
        !CreateBuffers(width, height)) {
        CloseSharedBuffers();
        return false;
    }
    return true;
}

std::int32_t PresentSharedBuffer(const std::uint32_t* pixels, std::int32_t width, std::int32_t height,
                                 RowConverter converter)
{
    int windowWidth = 0;
    int windowHeight = 0;
    SDL_GetWindowSizeInPixels(shared.sdlWindow, &windowWidth, &windowHeight);
    if (windowWidth != shared.width || windowHeight != shared.height) {
        DestroyBuffers();
        if (!CreateBuffers(windowWidth, windowHeight))
            return 0;
    }
    SharedBuffer& buffer = shared.buffers[shared.next];
    const Wait wait = WaitUntilFree(buffer);
    if (wait != Wait::Free) // a buffer held too long drops the frame; the window keeps the last one
        return wait == Wait::HeldTooLong ? 1 : 0;
    ConvertIntoArea(stretch, buffer.drawnArea, CurrentFrameArea(shared.width, shared.height), converter, 4, pixels,
                    width, height, static_cast<std::uint8_t*>(buffer.data), shared.width * 4, shared.width,
                    shared.height);
    wl_surface_attach(shared.surface, buffer.buffer, 0, 0);
    wl_surface_damage(shared.surface, 0, 0, INT32_MAX, INT32_MAX);
    if (shared.paced)
        RequestFrameCallback();
    wl_surface_commit(shared.surface);
    buffer.busy = true;
    shared.next = (shared.next + 1) % shared.count;
    return wl_display_flush(shared.display) >= 0 || errno == EAGAIN ? 1 : 0;
}

void PaceSharedBuffers(bool paced)
{
    shared.paced = paced;
}

bool SharedBufferFrameDone()
{
    // SDL, reading its own events, may have read the callback's too: they
    // wait in the buffers' queue until dispatched here.
    wl_display_dispatch_queue_pending(shared.display, shared.queue);
    return !shared.frameCallback;
}

bool WaitForSharedBufferEvents()
{
    return ReadEvents(-1);
}

void CloseSharedBuffers()
{
    if (!shared.display)
        return;
    DestroyBuffers();
    if (shared.frameCallback)
        wl_callback_destroy(shared.frameCallback);
    if (shared.surfaceOnQueue)
        wl_proxy_wrapper_destroy(shared.surfaceOnQueue);
    if (shared.shm)
        wl_shm_destroy(shared.shm);
    if (shared.registry)
        wl_registry_destroy(shared.registry);
    if (shared.displayOnQueue)
        wl_proxy_wrapper_destroy(shared.displayOnQueue);
    if (shared.queue)
        wl_event_queue_destroy(shared.queue);
    shared = SharedBuffers{};
}
