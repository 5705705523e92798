// The telemetry a camera writes for one recording of a drive: GPS fixes and G-sensor readings.
#pragma once

#include "tools/demo/CardSchedule.h"
#include "tools/fixture/RealClip.h"

constexpr int kAtomGpsRate = 1;        // GPS records per second of the atom kind
constexpr int kAtomGSensorRate = 10;   // G-sensor readings per second of the atom kind
constexpr int kAtomGSensorRangeG = 2;  // full scale of the atom kind's G-sensor
constexpr int kMetaRate = 5;           // chunks per second of the meta-track kind (fixed by the format)
constexpr int kMetaGSensorRangeG = 8;
constexpr int kMetaPositionDen = 100000;  // ddmm.mmmmm: about 2 cm

// Fills the picture, clock and telemetry fields of `desc` for the recording `clip` of its drive.
// G-sensor axes: x to the right, y forward, z up (standing still reads +1 g on z).
void FillClipTelemetry(const ScheduledClip& clip, const ScheduledDrive& drive, fixture::RealClipDesc& desc);
