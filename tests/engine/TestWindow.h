// A real X window for the engine to draw into, with pixel grabs and synthetic input.
#pragma once

#include <X11/Xlib.h>

#include <cstdint>
#include <functional>
#include <vector>

struct Rgb {
    uint8_t r, g, b;
};

class TestWindow {
public:
    // Opens the display named by DISPLAY and maps a width x height top-level window at (0, 0) that
    // listens to eventMask (besides structure notifications). IsOpen() is false when there is no display.
    TestWindow(int width, int height, long eventMask = ExposureMask);
    ~TestWindow();
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;

    bool IsOpen() const { return m_window != 0; }
    uint32_t Id() const { return static_cast<uint32_t>(m_window); }
    // Event kinds other clients (the engine) listen to on our window.
    long ForeignEventMask() const;
    // Listens to eventMask from now on; false when the server refuses (another client already has the
    // button presses, which only one client may select).
    bool SelectInput(long eventMask);

    // The pixels of the rectangle as seen on screen, including child windows.
    std::vector<Rgb> Grab(int x, int y, int width, int height) const;
    // Number of pixels of the rectangle for which pred holds.
    int CountPixels(int x, int y, int width, int height, const std::function<bool(Rgb)>& pred) const;

    // Moves the pointer to (x, y) in the window and clicks button 1 through the XTest extension.
    bool Click(int x, int y);
    // Drains pending events; returns the number of button presses delivered to our window.
    int DrainButtonPresses();

private:
    Display* m_display = nullptr;
    Window m_window = 0;
    long m_eventMask = 0;
};

// Window-system threads must be enabled before the engine or any window exists.
void EnableXThreads();
