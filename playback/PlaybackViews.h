// Small views the playback controller reaches through the main window; the instruments implement them.
#pragma once

// The GPS indicator: colour while the current time has a fix, greyed otherwise.
class IGpsIndicatorView {
public:
    virtual ~IGpsIndicatorView() = default;
    virtual void SetColour(bool colour) = 0;
};

// The G-sensor curve's stopped look (no cursor) after STOP.
class ICurveStoppedView {
public:
    virtual ~ICurveStoppedView() = default;
    virtual void SetStopped(bool stopped) = 0;
};
