#include "tests/engine/TestWindow.h"

#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <bit>

namespace {

int g_lastError = 0;

int RecordError(Display*, XErrorEvent* error) {
    g_lastError = error->error_code;
    return 0;
}

uint8_t Channel(unsigned long pixel, unsigned long mask) {
    if (mask == 0) return 0;
    const unsigned long value = (pixel & mask) >> std::countr_zero(mask);
    const unsigned long max = mask >> std::countr_zero(mask);
    return static_cast<uint8_t>(value * 255 / max);
}

}  // namespace

void EnableXThreads() {
    static const bool enabled = XInitThreads() != 0;
    (void)enabled;
}

TestWindow::TestWindow(int width, int height, long eventMask) : m_eventMask(eventMask | StructureNotifyMask) {
    EnableXThreads();
    m_display = XOpenDisplay(nullptr);
    if (m_display == nullptr) return;
    const int screen = DefaultScreen(m_display);
    m_window = XCreateSimpleWindow(m_display, RootWindow(m_display, screen), 0, 0, width, height, 0,
                                   BlackPixel(m_display, screen), BlackPixel(m_display, screen));
    XSelectInput(m_display, m_window, m_eventMask);
    XMapRaised(m_display, m_window);
    XEvent event;
    do XWindowEvent(m_display, m_window, StructureNotifyMask, &event);
    while (event.type != MapNotify);
    XSync(m_display, False);
}

TestWindow::~TestWindow() {
    if (m_display == nullptr) return;
    if (m_window != 0) XDestroyWindow(m_display, m_window);
    XCloseDisplay(m_display);
}

long TestWindow::ForeignEventMask() const {
    if (!IsOpen()) return 0;
    XWindowAttributes attributes{};
    XGetWindowAttributes(m_display, m_window, &attributes);
    return attributes.all_event_masks & ~attributes.your_event_mask;
}

bool TestWindow::SelectInput(long eventMask) {
    if (!IsOpen()) return false;
    XSync(m_display, False);
    g_lastError = 0;
    XErrorHandler previous = XSetErrorHandler(RecordError);
    XSelectInput(m_display, m_window, eventMask | StructureNotifyMask);
    XSync(m_display, False);
    XSetErrorHandler(previous);
    if (g_lastError != 0) return false;
    m_eventMask = eventMask | StructureNotifyMask;
    return true;
}

std::vector<Rgb> TestWindow::Grab(int x, int y, int width, int height) const {
    std::vector<Rgb> pixels;
    if (!IsOpen()) return pixels;
    XSync(m_display, False);
    XImage* image = XGetImage(m_display, m_window, x, y, width, height, AllPlanes, ZPixmap);
    if (image == nullptr) return pixels;
    pixels.reserve(static_cast<size_t>(width) * height);
    for (int row = 0; row < height; ++row)
        for (int col = 0; col < width; ++col) {
            const unsigned long p = XGetPixel(image, col, row);
            pixels.push_back({Channel(p, image->red_mask), Channel(p, image->green_mask),
                              Channel(p, image->blue_mask)});
        }
    XDestroyImage(image);
    return pixels;
}

int TestWindow::CountPixels(int x, int y, int width, int height, const std::function<bool(Rgb)>& pred) const {
    int n = 0;
    for (Rgb p : Grab(x, y, width, height)) n += pred(p);
    return n;
}

bool TestWindow::Click(int x, int y) {
    if (!IsOpen()) return false;
    int major = 0, minor = 0, eventBase = 0, errorBase = 0;
    if (!XTestQueryExtension(m_display, &eventBase, &errorBase, &major, &minor)) return false;
    Window child = 0;
    int rootX = 0, rootY = 0;
    XTranslateCoordinates(m_display, m_window, DefaultRootWindow(m_display), x, y, &rootX, &rootY, &child);
    XTestFakeMotionEvent(m_display, -1, rootX, rootY, CurrentTime);
    XTestFakeButtonEvent(m_display, 1, True, CurrentTime);
    XTestFakeButtonEvent(m_display, 1, False, CurrentTime);
    XSync(m_display, False);
    return true;
}

int TestWindow::DrainButtonPresses() {
    if (!IsOpen()) return 0;
    XSync(m_display, False);
    int presses = 0;
    XEvent event;
    while (XCheckWindowEvent(m_display, m_window, m_eventMask & ~StructureNotifyMask, &event))
        presses += event.type == ButtonPress;
    return presses;
}
