#include "telemetry/CTarvo3gpParser.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <new>

#include "telemetry/AtomWalk.h"
#include "telemetry/ByteOrder.h"
#include "telemetry/LocalTime.h"

namespace {

constexpr int64_t kSeconds1904To1970 = 2082844800;

// Raised for what the reader treats as a broken file: a date that cannot be converted.
struct ParseFailure {};

int64_t LocalTimeOrFail(const CalendarFields& f) {
    const auto t = LocalTimeFromFields(f);
    if (!t) throw ParseFailure{};
    return *t;
}

uint32_t DurationMs(uint32_t timeScale, uint32_t duration) {
    if (timeScale == 0) return 0;  // a time scale of 0 gives no duration, and so no recording
    return uint32_t(uint64_t(duration) * 1000 / timeScale);
}

}  // namespace

bool IsExaminedByMovReader(const std::string& fileName) {
    return !(fileName.size() >= 4 && fileName.compare(fileName.size() - 4, 4, ".AVI") == 0);
}

void CTarvo3gpParser::Reset() {
    m_file.Close();
    m_kind = Kind::None;
    m_startTime = 0;
    m_startFound = false;
    m_durationMs = 0;
    m_gpsOffset = m_gsensorOffset = 0;
    m_gpsSize = m_gsensorSize = 0;
    m_width = m_height = 0;
    m_fileLength = 0;
    std::memset(m_gpsAttr, 0, sizeof m_gpsAttr);
    std::memset(m_gsensorAttr, 0, sizeof m_gsensorAttr);
    m_jtdMark = false;
    m_skipEndsInZero = false;
    m_chunkEntries = 0;
}

int CTarvo3gpParser::Parse(const std::string& path) {
    Reset();
    int result = -1;
    try {
        m_kind = ScanKind(path);
        if (m_kind == Kind::MetaTrack) result = ParseMetaTrack(path);
        if (m_kind == Kind::Atoms) result = ParseAtoms(path);
    } catch (const ParseFailure&) {
        result = -1;
    } catch (const std::bad_alloc&) {
        result = -1;
    }
    m_file.Close();
    return result;
}

CTarvo3gpParser::Kind CTarvo3gpParser::ScanKind(const std::string& path) {
    Kind kind = Kind::None;
    if (!m_file.Open(path)) return kind;
    m_fileLength = m_file.GetLength();
    uint64_t position = 0;
    while (position < m_fileLength) {
        m_file.Seek(position);
        const AtomHeader h = ReadAtomHeader(m_file);
        if (h.Is("thm ") || h.Is("free")) {
            kind = Kind::MetaTrack;
            break;
        }
        if (h.Is("IDIT") || h.Is("skip")) {
            kind = Kind::Atoms;
            break;
        }
        position = h.End();
    }
    m_file.Close();
    return kind;
}

// --- meta-track kind ---------------------------------------------------------------------------------------

int CTarvo3gpParser::ParseMetaTrack(const std::string& path) {
    if (!m_file.Open(path)) return -1;
    m_fileLength = m_file.GetLength();
    const AtomHeader first = ReadAtomHeader(m_file);
    if (!first.Is("ftyp")) return -1;
    uint64_t position = first.End();
    while (position < m_fileLength) {
        m_file.Seek(position);
        const AtomHeader h = ReadAtomHeader(m_file);
        if (h.Is("ftyp") || h.Is("thm ") || h.Is("free") || h.Is("mdat")) {
            position = h.End();
        } else if (h.Is("moov")) {
            ReadMovieDuration(h.payloadStart, h.payloadLength);
            ReadHandlers(h.payloadStart, h.payloadLength);
            if (m_jtdMark) ReadMetaStartTime(h.payloadStart, h.payloadLength);
            ReadPictureSize(h.payloadStart, h.payloadLength, true);
            position = h.End();
        } else {
            position = h.payloadStart;  // only the header is consumed: the payload is walked as atoms
        }
    }
    m_file.Close();
    if (!m_jtdMark || m_width == 0 || m_height == 0 || m_durationMs == 0) return -1;
    if (m_info) {
        m_info->width = m_width;
        m_info->height = m_height;
        m_info->startTime = m_startTime;
        m_info->durationMs = m_durationMs;
        m_info->fileSize = m_fileLength;
        const uint8_t gpsAttr[4] = {5, 0, 0, 0}, gsensorAttr[4] = {5, 8, 2, 1};
        std::memcpy(m_info->gpsAttr, gpsAttr, 4);
        std::memcpy(m_info->gsensorAttr, gsensorAttr, 4);
        m_info->layout = kLayoutMetaTrack;
    }
    return 0;
}

void CTarvo3gpParser::ReadMovieDuration(uint64_t moovPayload, uint32_t moovLength) {
    if (FindChild(m_file, {"mvhd"}, moovPayload, moovLength) == 0) return;
    uint8_t mvhd[20];
    if (m_file.Read(mvhd, sizeof mvhd) < sizeof mvhd) return;  // cut by the end of the file
    m_durationMs = DurationMs(LoadBe32(mvhd + 12), LoadBe32(mvhd + 16));
}

void CTarvo3gpParser::ReadHandlers(uint64_t moovPayload, uint32_t moovLength) {
    uint64_t position = moovPayload;
    uint64_t passed = 0;
    while (passed < moovLength && position < m_fileLength) {
        m_file.Seek(position);
        const AtomHeader trak = ReadAtomHeader(m_file);
        if (trak.Is("trak")) {
            const uint32_t length = FindPath(m_file, {"mdia", "hdlr"}, trak.payloadStart, trak.payloadLength);
            if (length != 0) {
                uint8_t hdlr[29];
                m_file.Read(hdlr, sizeof hdlr);  // bytes past the end of the file read as zeros
                if (std::memcmp(hdlr + 8, "vide", 4) == 0)
                    m_jtdMark = length >= sizeof hdlr && std::memcmp(hdlr + 25, "JTD_", 4) == 0;
                else if (std::memcmp(hdlr + 8, "meta", 4) == 0 && m_info && m_jtdMark)
                    ReadMetaChunks(trak.payloadStart, trak.payloadLength);
            }
        }
        position = trak.End();
        passed += uint64_t(trak.payloadLength) + 8;
    }
}

void CTarvo3gpParser::ReadMetaChunks(uint64_t trakPayload, uint32_t trakLength) {
    const uint32_t length = FindPath(m_file, {"mdia", "minf", "stbl", "stco"}, trakPayload, trakLength);
    if (length < 8) return;
    const uint64_t table = m_file.GetPosition();
    uint8_t head[8];
    m_file.Read(head, sizeof head);
    // Only the entries the table really holds, and only those inside the file.
    uint64_t count = std::min<uint64_t>(LoadBe32(head + 4), (length - 8) / 4);
    if (table + 8 >= m_fileLength) return;
    count = std::min<uint64_t>(count, (m_fileLength - table - 8) / 4);
    // Tracks can share or overlap their tables; all of them together still hold at most one entry per
    // 4 bytes of the file.
    const uint64_t room = m_fileLength / 4 > m_chunkEntries ? m_fileLength / 4 - m_chunkEntries : 0;
    count = std::min(count, room);
    m_chunkEntries += count;
    std::vector<uint8_t> offsets(size_t(count) * 4);
    m_file.ReadAt(table + 8, offsets.data(), offsets.size());
    auto& chunks = m_info->metaChunks;
    chunks.reserve(chunks.size() + count);
    for (uint64_t i = 0; i < count; ++i)
        chunks.push_back({int32_t(i), int64_t(LoadBe32(offsets.data() + i * 4))});
}

void CTarvo3gpParser::ReadMetaStartTime(uint64_t moovPayload, uint32_t moovLength) {
    if (FindChild(m_file, {"mvhd"}, moovPayload, moovLength) == 0) return;
    uint8_t mvhd[8];
    if (m_file.Read(mvhd, sizeof mvhd) < sizeof mvhd) return;
    const int64_t utc = int64_t(LoadBe32(mvhd + 4)) - kSeconds1904To1970;
    const auto local = LocalFieldsFromTime(utc);
    if (!local) throw ParseFailure{};
    m_startTime = LocalTimeOrFail(*local);
}

void CTarvo3gpParser::ReadPictureSize(uint64_t moovPayload, uint32_t moovLength, bool acceptHevc) {
    const uint32_t length = FindPath(m_file, {"trak", "mdia", "minf", "stbl", "stsd"}, moovPayload, moovLength);
    if (length == 0) return;
    const uint64_t payload = m_file.GetPosition();
    uint8_t head[8];
    if (m_file.Read(head, sizeof head) < sizeof head || LoadBe32(head + 4) == 0) return;
    const uint32_t found = acceptHevc ? FindChild(m_file, {"avc1", "hvc1"}, payload + 8, length)
                                      : FindChild(m_file, {"avc1"}, payload + 8, length);
    if (found == 0) return;
    uint8_t entry[28];
    if (m_file.Read(entry, sizeof entry) < sizeof entry) return;
    m_width = LoadBe16(entry + 24);
    m_height = LoadBe16(entry + 26);
}

// --- atom kind ---------------------------------------------------------------------------------------------

int CTarvo3gpParser::ParseAtoms(const std::string& path) {
    if (!m_file.Open(path)) return -1;
    m_fileLength = m_file.GetLength();
    const AtomHeader first = ReadAtomHeader(m_file);
    if (!first.Is("ftyp")) return -1;
    uint64_t position = first.End();
    while (position < m_fileLength) {
        m_file.Seek(position);
        const AtomHeader h = ReadAtomHeader(m_file);
        if (h.Is("gps0")) {
            m_gpsOffset = h.payloadStart;
            m_gpsSize = h.payloadLength;
            ReadGpsBlock(h.payloadStart, h.payloadLength);
            position = h.payloadStart + uint64_t(GpsSample::kSize) * (h.payloadLength / GpsSample::kSize);
        } else if (h.Is("IDIT")) {
            ReadIdit(h.payloadStart, h.payloadLength);
            position = h.End();
        } else if (h.Is("gsea") || h.Is("gpsa")) {
            uint8_t attr[4] = {};
            m_file.ReadAt(h.payloadStart, attr, std::min<uint32_t>(4, h.payloadLength));
            std::memcpy(h.Is("gsea") ? m_gsensorAttr : m_gpsAttr, attr, 4);
            position = h.End();
        } else if (h.Is("gsen")) {
            m_gsensorOffset = h.payloadStart;
            m_gsensorSize = h.payloadLength;
            position = h.payloadStart + uint64_t(GSensorSample::kSize) * (h.payloadLength / GSensorSample::kSize);
        } else if (h.Is("skip")) {
            ReadSkip(h.payloadStart, h.payloadLength);
            position = h.End();
        } else if (h.Is("moov")) {
            ReadAtomKindDuration(h.payloadStart, h.payloadLength);
            ReadPictureSize(h.payloadStart, h.payloadLength, false);
            position = h.payloadStart;  // its children are walked as top-level atoms
        } else {
            position = h.End();
        }
    }
    m_file.Close();
    if (!m_startFound) m_startTime = 0;
    if (m_width == 0 || m_height == 0 || m_durationMs == 0 || !m_skipEndsInZero) return -1;
    if (m_info) {
        m_info->gpsOffset = m_gpsOffset;
        m_info->gpsSize = m_gpsSize;
        m_info->gsensorOffset = m_gsensorOffset;
        m_info->gsensorSize = m_gsensorSize;
        m_info->width = m_width;
        m_info->height = m_height;
        m_info->startTime = m_startTime;
        m_info->durationMs = m_durationMs;
        m_info->fileSize = m_fileLength;
        std::memcpy(m_info->gpsAttr, m_gpsAttr, 4);
        std::memcpy(m_info->gsensorAttr, m_gsensorAttr, 4);
        m_info->layout = kLayoutBlocks;
    }
    return 0;
}

void CTarvo3gpParser::ReadGpsBlock(uint64_t payload, uint32_t length) {
    // A "gps0" met before "gpsa" has no rate yet: it is taken as one sample per second.
    const uint32_t rate = m_gpsAttr[0] ? m_gpsAttr[0] : 1;
    // Records past the end of the file are not there to give a date; those that are get read a batch
    // at a time, so a block with a wrapped length costs few reads even in a large file.
    const uint64_t inFile =
        payload < m_fileLength ? (m_fileLength - payload + GpsSample::kSize - 1) / GpsSample::kSize : 0;
    const uint64_t records = std::min<uint64_t>(length / GpsSample::kSize, inFile);
    constexpr uint64_t kBatch = 128;
    uint8_t batch[kBatch * GpsSample::kSize];
    for (uint64_t first = 0; first < records && !m_startFound; first += kBatch) {
        const uint64_t count = std::min(kBatch, records - first);
        m_file.ReadAt(payload + first * GpsSample::kSize, batch, size_t(count * GpsSample::kSize));
        for (uint64_t k = 0; k < count && !m_startFound; ++k) {
            const uint8_t* r = batch + k * GpsSample::kSize;
            if (r[22] == 0) continue;
            const CalendarFields f{2000 + r[22], r[23], r[24], r[25], r[26], r[27]};
            if (!CalendarFieldsValid(f)) continue;
            m_startTime = LocalTimeOrFail(f) - int64_t((first + k) / rate);
            m_startFound = true;
        }
    }
}

void CTarvo3gpParser::ReadIdit(uint64_t payload, uint32_t length) {
    m_startFound = true;
    char text[64] = {};
    m_file.ReadAt(payload, text, std::min<uint32_t>(length, sizeof text - 1));  // longer texts are cut at 63
    CalendarFields f;
    std::sscanf(text, "%04d-%02d-%02d %02d:%02d:%02d", &f.year, &f.month, &f.day, &f.hour, &f.minute, &f.second);
    if (f.year < 1900 || !CalendarFieldsValid(f)) {
        m_startFound = false;
        return;
    }
    m_startTime = LocalTimeOrFail(f);
}

void CTarvo3gpParser::ReadSkip(uint64_t payload, uint32_t length) {
    uint8_t last = 1;
    // An empty payload, or a last byte past the end of the file, has no 0 to end in.
    m_skipEndsInZero = length > 0 && m_file.ReadAt(payload + length - 1, &last, 1) == 1 && last == 0;
}

void CTarvo3gpParser::ReadAtomKindDuration(uint64_t moovPayload, uint32_t moovLength) {
    if (FindPath(m_file, {"trak", "mdia", "mdhd"}, moovPayload, moovLength) == 0) return;
    uint8_t mdhd[20];
    if (m_file.Read(mdhd, sizeof mdhd) < sizeof mdhd) return;
    m_durationMs = DurationMs(LoadBe32(mdhd + 12), LoadBe32(mdhd + 16));
}
