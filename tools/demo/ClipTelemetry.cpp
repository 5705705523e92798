#include "tools/demo/ClipTelemetry.h"

#include <cmath>
#include <ctime>

#include "telemetry/TelemetrySamples.h"
#include "tools/fixture/TelemetryEncoding.h"

namespace {

constexpr double kGravity = 9.80665;
constexpr int kAltitudeM = 21;
constexpr double kMovingChordM = 0.5;  // below this a fix has no usable course

// Road vibration: a small, repeatable wobble in g.
double Wobble(int clipNumber, int sample, int axis) {
    uint32_t h = uint32_t(clipNumber) * 2654435761u ^ uint32_t(sample) * 40503u ^ uint32_t(axis) * 97u;
    h ^= h >> 15;
    h *= 2246822519u;
    h ^= h >> 13;
    return (double(h & 0xFFFF) / 65535.0 - 0.5) * 0.04;
}

struct Fix {
    GeoPoint position;
    int speedKmh = 0;
    int headingHalf = 0;
};

// Speed from the distance to the next fix, course from the bearing to it (the route's direction
// while standing).
Fix FixBetween(const GeoPoint& here, const GeoPoint& next, double routeBearing, int rate) {
    Fix f;
    f.position = here;
    const double chord = HaversineMeters(here, next);
    f.speedKmh = int(std::lround(chord * rate * 3.6));
    const double heading = chord >= kMovingChordM ? BearingDegrees(here, next) : routeBearing;
    f.headingHalf = int(std::lround(heading / 2)) % 180;
    return f;
}

GeoPoint MetaQuantized(const GeoPoint& p) {
    auto q = [](double deg) {
        return NmeaToDegrees(double(std::lround(fixture::DegreesToDdmm(deg) * kMetaPositionDen)) /
                             kMetaPositionDen);
    };
    return {q(p.latitude), q(p.longitude)};
}

CalendarFields LocalFields(int64_t t) { return LocalFieldsFromTime(t).value_or(CalendarFields{}); }

CalendarFields UtcFields(int64_t t) {
    const time_t tt = time_t(t);
    std::tm tm{};
    gmtime_r(&tt, &tm);
    return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

double ForwardG(const MotionState& m) { return m.forwardMs2 / kGravity; }
double RightG(const MotionState& m) { return m.rightMs2 / kGravity; }

void FillAtoms(const ScheduledClip& clip, const DriveMotion& motion, fixture::RealClipDesc& d) {
    d.gpsAttr[0] = kAtomGpsRate;
    d.gsensorAttr[0] = kAtomGSensorRate;
    d.gsensorAttr[1] = kAtomGSensorRangeG;
    for (int k = 0; k < clip.seconds * kAtomGpsRate; ++k) {
        const double t = clip.offsetS + double(k) / kAtomGpsRate;
        const MotionState m = motion.At(t);
        const bool fix = !(clip.fixGap && k >= kAtomGpsRate && k < (clip.seconds - 1) * kAtomGpsRate);
        const Fix f =
            FixBetween(m.position, motion.At(t + 1.0 / kAtomGpsRate).position, m.bearing, kAtomGpsRate);
        const CalendarFields local = LocalFields(clip.startTime + k / kAtomGpsRate);
        GpsSample s = fix ? fixture::BlockSample(fixture::DegreesToDdmm(f.position.latitude),
                                                 fixture::DegreesToDdmm(f.position.longitude), f.speedKmh,
                                                 f.headingHalf, true, local)
                          : fixture::BlockSample(0, 0, 0, 0, false, local);
        if (fix) s.altitude = kAltitudeM;
        d.gps.push_back(s);
    }
    for (int k = 0; k < clip.seconds * kAtomGSensorRate; ++k) {
        const MotionState m = motion.At(clip.offsetS + double(k) / kAtomGSensorRate);
        d.gsensor.push_back(
            {fixture::GSensorReading(RightG(m) + Wobble(clip.number, k, 0), kAtomGSensorRangeG),
             fixture::GSensorReading(ForwardG(m) + Wobble(clip.number, k, 1), kAtomGSensorRangeG),
             fixture::GSensorReading(1.0 + Wobble(clip.number, k, 2), kAtomGSensorRangeG)});
    }
}

void FillMeta(const ScheduledClip& clip, const DriveMotion& motion, fixture::RealClipDesc& d) {
    for (int k = 0; k < clip.seconds * kMetaRate; ++k) {
        const double t = clip.offsetS + double(k) / kMetaRate;
        const MotionState m = motion.At(t);
        const Fix f =
            FixBetween(MetaQuantized(m.position), MetaQuantized(motion.At(t + 1.0 / kMetaRate).position),
                       m.bearing, kMetaRate);
        fixture::MetaFix meta;
        meta.latitude = f.position.latitude;
        meta.longitude = f.position.longitude;
        meta.speedKmh = f.speedKmh;
        meta.headingHalf = f.headingHalf;
        meta.utc = UtcFields(clip.startTime + k / kMetaRate);
        fixture::MetaChunk c = fixture::MetaChunkAt(
            meta, fixture::GSensorReading(RightG(m) + Wobble(clip.number, k, 0), kMetaGSensorRangeG),
            fixture::GSensorReading(ForwardG(m) + Wobble(clip.number, k, 1), kMetaGSensorRangeG),
            fixture::GSensorReading(1.0 + Wobble(clip.number, k, 2), kMetaGSensorRangeG));
        c.latNum = int32_t(std::lround(fixture::DegreesToDdmm(f.position.latitude) * kMetaPositionDen));
        c.lonNum = int32_t(std::lround(fixture::DegreesToDdmm(f.position.longitude) * kMetaPositionDen));
        c.latDen = c.lonDen = kMetaPositionDen;
        d.chunks.push_back(c);
    }
}

}  // namespace

void FillClipTelemetry(const ScheduledClip& clip, const ScheduledDrive& drive, fixture::RealClipDesc& desc) {
    desc.kind = drive.kind;
    desc.seconds = clip.seconds;
    desc.width = 640;
    desc.height = 360;
    desc.start = clip.start;
    desc.gps.clear();
    desc.gsensor.clear();
    desc.chunks.clear();
    if (drive.kind == fixture::Kind::Atoms)
        FillAtoms(clip, *drive.motion, desc);
    else
        FillMeta(clip, *drive.motion, desc);
}
