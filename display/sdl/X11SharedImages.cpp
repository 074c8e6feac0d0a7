#include "X11SharedImages.h"

#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <X11/Xproto.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>
#include <X11/extensions/shmproto.h>
#include <poll.h>
#include <sched.h>
#include <sys/ipc.h>
#include <sys/shm.h>

#include <algorithm>
#include <chrono>

#include "FrameArea.h"
#include "FullScreen.h"
#include "X11WindowLoss.h"

namespace {

constexpr int kImageCount = 3;
constexpr auto kSpinTime = std::chrono::milliseconds(2);

struct SharedImage {
    XShmSegmentInfo segment;
    XImage* image;
    bool busy; // handed to the server, its completion not yet seen
    FrameArea drawnArea; // where the last frame went in the image
};

struct SharedImages {
    SDL_Window* sdlWindow;
    ::Display* connection;
    Window window;
    GC context;
    Visual* visual;
    int depth;
    int completionEvent; // the event type that says the server is done with an image
    SharedImage images[kImageCount];
    int screenWidth; // no image is made larger than the screen
    int screenHeight;
    int windowWidth; // the window size the images were made for
    int windowHeight;
    int width; // the picture's size: the window's, within the screen's
    int height;
    int count; // the images made: kImageCount, or 1 when memory is short
    int bandRows; // the images' height: the picture's, or a band of it
    int next; // the image to fill next
    int last; // the image that holds the last whole frame, or -1
};

SharedImages shared;
FrameStretch stretch;
bool attachFailed;
int shmOpcode; // the major opcode of the shared-memory requests
XErrorHandler handlerBeforeAttach;

// A server that does not share this process's memory refuses the attach.
// Other errors that arrive meanwhile (a window destroyed by another client,
// say) go on to the handler before.
int NoteAttachFailure(::Display* display, XErrorEvent* error)
{
    if (display == shared.connection && error->request_code == shmOpcode && error->minor_code == X_ShmAttach) {
        attachFailed = true;
        return 0;
    }
    return handlerBeforeAttach ? handlerBeforeAttach(display, error) : 0;
}

void DestroyImage(SharedImage& image)
{
    if (!image.image)
        return;
    XShmDetach(shared.connection, &image.segment);
    XDestroyImage(image.image);
    shmdt(image.segment.shmaddr);
    image = SharedImage{};
}

void DestroyImages()
{
    for (SharedImage& image : shared.images)
        DestroyImage(image);
    shared.windowWidth = 0;
    shared.windowHeight = 0;
    shared.width = 0;
    shared.height = 0;
    shared.last = -1;
}

bool CreateImage(SharedImage& image, int width, int height)
{
    image.image = XShmCreateImage(shared.connection, shared.visual, static_cast<unsigned>(shared.depth), ZPixmap,
                                  nullptr, &image.segment, static_cast<unsigned>(width),
                                  static_cast<unsigned>(height));
    if (!image.image)
        return false;
    image.segment.shmid = shmget(IPC_PRIVATE, static_cast<std::size_t>(image.image->bytes_per_line) * height,
                                 IPC_CREAT | 0600);
    if (image.segment.shmid < 0) {
        XDestroyImage(image.image);
        image.image = nullptr;
        return false;
    }
    image.segment.shmaddr = image.image->data = static_cast<char*>(shmat(image.segment.shmid, nullptr, 0));
    image.segment.readOnly = True;
    attachFailed = false;
    handlerBeforeAttach = XSetErrorHandler(NoteAttachFailure);
    bool attached = image.segment.shmaddr != reinterpret_cast<char*>(-1) &&
                    XShmAttach(shared.connection, &image.segment);
    if (attached) {
        XSync(shared.connection, False);
        attached = !attachFailed;
    }
    XSetErrorHandler(handlerBeforeAttach);
    // Once the server has attached the segment, it goes away with the last detach.
    shmctl(image.segment.shmid, IPC_RMID, nullptr);
    if (!attached) {
        if (image.segment.shmaddr != reinterpret_cast<char*>(-1))
            shmdt(image.segment.shmaddr);
        image.image->data = nullptr;
        XDestroyImage(image.image);
        image = SharedImage{};
        return false;
    }
    image.busy = false;
    return true;
}

bool CreateImageSet(int count, int width, int rows)
{
    for (int i = 0; i < count; ++i) {
        if (!CreateImage(shared.images[i], width, rows)) {
            DestroyImages();
            return false;
        }
    }
    return true;
}

// Images for a window of windowWidth x windowHeight: three of the whole
// picture; when memory is short, one; then one image of ever fewer rows,
// which shows the picture band by band.
bool CreateImages(int windowWidth, int windowHeight)
{
    const int width = std::min(windowWidth, shared.screenWidth);
    const int height = std::min(windowHeight, shared.screenHeight);
    int count = kImageCount;
    int rows = height;
    while (rows > 0 && width > 0 && !CreateImageSet(count, width, rows)) {
        if (count > 1)
            count = 1;
        else
            rows /= 2;
    }
    if (rows <= 0 || width <= 0)
        return false;
    shared.windowWidth = windowWidth;
    shared.windowHeight = windowHeight;
    shared.width = width;
    shared.height = height;
    shared.count = count;
    shared.bandRows = rows;
    shared.next = 0;
    shared.last = -1;
    return true;
}

// Marks the images whose completions the server has sent as free.
void TakeCompletions()
{
    XEvent event;
    while (XCheckTypedEvent(shared.connection, shared.completionEvent, &event)) {
        const auto& completion = reinterpret_cast<const XShmCompletionEvent&>(event);
        for (SharedImage& image : shared.images)
            if (image.image && image.segment.shmseg == completion.shmseg)
                image.busy = false;
    }
}

// Waits until the server is done with image, or the window is gone (a
// destroyed window's copies never complete). For the first milliseconds it
// only yields between looks instead of sleeping: a processor left idle takes
// long to wake on a virtual machine, often longer than the copy itself, and
// the demo would pay that on every frame.
bool WaitUntilFree(const SharedImage& image)
{
    const auto spinEnd = std::chrono::steady_clock::now() + kSpinTime;
    for (;;) {
        TakeCompletions();
        if (!image.busy)
            return true;
        if (X11WindowLost())
            return false;
        if (std::chrono::steady_clock::now() < spinEnd) {
            sched_yield();
        } else {
            pollfd connection = {ConnectionNumber(shared.connection), POLLIN, 0};
            poll(&connection, 1, 100);
        }
        // Reads what arrived, errors included, which go to the error handler.
        XEventsQueued(shared.connection, QueuedAfterReading);
    }
}

bool WaitUntilAllFree()
{
    for (const SharedImage& image : shared.images)
        if (image.image && !WaitUntilFree(image))
            return false;
    return true;
}

// Puts the image's first rows rows into the window from row y down.
void Show(SharedImage& image, int y, int rows)
{
    XShmPutImage(shared.connection, shared.window, shared.context, image.image, 0, 0, 0, y,
                 static_cast<unsigned>(shared.width), static_cast<unsigned>(rows), True);
    XFlush(shared.connection);
    image.busy = true;
}

// The converter for the window's visual, or null.
RowConverter VisualConverter(const XWindowAttributes& attributes)
{
    int formatCount = 0;
    XPixmapFormatValues* formats = XListPixmapFormats(shared.connection, &formatCount);
    int bitsPerPixel = 0;
    for (int i = 0; i < formatCount; ++i)
        if (formats[i].depth == attributes.depth)
            bitsPerPixel = formats[i].bits_per_pixel;
    if (formats)
        XFree(formats);
    const Visual* visual = attributes.visual;
    return SelectRowConverter(static_cast<std::uint32_t>(bitsPerPixel), static_cast<std::uint32_t>(visual->red_mask),
                              static_cast<std::uint32_t>(visual->green_mask),
                              static_cast<std::uint32_t>(visual->blue_mask));
}

} // namespace

bool OpenSharedImages(SDL_Window* window, RowConverter& converter)
{
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11)
        return false;
    // The same server as SDL's connection, which never sees these images' events.
    shared.connection = XOpenDisplay(DisplayString(info.info.x11.display));
    if (!shared.connection)
        return false;
    shared.sdlWindow = window;
    shared.window = info.info.x11.window;
    XWindowAttributes attributes;
    int firstEvent = 0;
    int firstError = 0;
    if (!XQueryExtension(shared.connection, SHMNAME, &shmOpcode, &firstEvent, &firstError) ||
        !XGetWindowAttributes(shared.connection, shared.window, &attributes) ||
        !(converter = VisualConverter(attributes))) {
        CloseSharedImages();
        return false;
    }
    shared.screenWidth = WidthOfScreen(attributes.screen);
    shared.screenHeight = HeightOfScreen(attributes.screen);
    shared.visual = attributes.visual;
    shared.depth = attributes.depth;
    shared.completionEvent = firstEvent + ShmCompletion;
    shared.context = XCreateGC(shared.connection, shared.window, 0, nullptr);
    shared.last = -1;
    // The attaches wait for the server, so by now it has said whether the
    // window was still there for the context.
    if (!CreateImages(attributes.width, attributes.height) || X11WindowLost()) {
        CloseSharedImages();
        return false;
    }
    return true;
}

std::int32_t PresentSharedImage(const std::uint32_t* pixels, std::int32_t width, std::int32_t height,
                                RowConverter converter)
{
    int windowWidth = 0;
    int windowHeight = 0;
    SDL_GetWindowSizeInPixels(shared.sdlWindow, &windowWidth, &windowHeight);
    if (windowWidth != shared.windowWidth || windowHeight != shared.windowHeight) {
        if (!WaitUntilAllFree())
            return 0;
        DestroyImages();
        if (!CreateImages(windowWidth, windowHeight))
            return 0;
    }
    if (shared.bandRows < shared.height) {
        // One image, filled and put once for each band of the picture.
        SharedImage& image = shared.images[0];
        for (int first = 0; first < shared.height; first += shared.bandRows) {
            const int rows = std::min(shared.bandRows, shared.height - first);
            if (!WaitUntilFree(image))
                return 0;
            stretch.ConvertBand(converter, image.image->bits_per_pixel / 8, pixels, width, height,
                                reinterpret_cast<std::uint8_t*>(image.image->data), image.image->bytes_per_line,
                                shared.width, shared.height, first, rows);
            Show(image, first, rows);
        }
        return 1;
    }
    SharedImage& image = shared.images[shared.next];
    if (!WaitUntilFree(image))
        return 0;
    ConvertIntoArea(stretch, image.drawnArea, CurrentFrameArea(shared.width, shared.height), converter,
                    image.image->bits_per_pixel / 8, pixels, width, height,
                    reinterpret_cast<std::uint8_t*>(image.image->data), image.image->bytes_per_line, shared.width,
                    shared.height);
    Show(image, 0, shared.height);
    shared.last = shared.next;
    shared.next = (shared.next + 1) % shared.count;
    return 1;
}

void ShowLastSharedImage()
{
    if (shared.last < 0)
        return;
    TakeCompletions();
    SharedImage& image = shared.images[shared.last];
    if (!image.busy)
        Show(image, 0, shared.height);
}

void CloseSharedImages()
{
    if (!shared.connection)
        return;
    DestroyImages();
    // A context made for a window already destroyed does not exist; closing
    // the connection frees whatever does.
    if (shared.context && !X11WindowLost())
        XFreeGC(shared.connection, shared.context);
    XCloseDisplay(shared.connection);
    shared = SharedImages{};
}
