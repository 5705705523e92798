// norvik-tool run as a program on fixture files: its JSON and its exit codes.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <nlohmann/json.hpp>

#include "tests/core/TestFiles.h"

using namespace testfiles;
using nlohmann::json;

namespace {

struct ToolRun {
    int exitCode = -1;
    std::string out;
};

// Runs the tool with the arguments (each quoted for the shell); standard error is dropped.
ToolRun Tool(const std::vector<std::string>& args) {
    std::string command = std::string("'") + NORVIK_TOOL_PATH + "'";
    for (const std::string& a : args) {
        command += " '";
        for (char c : a) command += c == '\'' ? std::string("'\\''") : std::string(1, c);
        command += "'";
    }
    command += " 2>/dev/null";
    ToolRun r;
    FILE* p = popen(command.c_str(), "r");
    if (!p) return r;
    char buffer[4096];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, p)) > 0) r.out.append(buffer, n);
    const int status = pclose(p);
    r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return r;
}

json Parsed(const ToolRun& r) { return json::parse(r.out); }

fixture::MovDesc AtomFile() {
    fixture::MovDesc d;
    d.width = 1280;
    d.height = 720;
    d.duration = 45000;
    d.idit = "2014-07-30 18:05:09";
    d.gps = {fixture::BlockSample(3541.1234, 13944.5678, 52, 45, true, {2014, 7, 30, 18, 5, 9}),
             fixture::BlockSample(-3541.5, -5830.25, 0, 179, false, {2014, 7, 30, 18, 5, 10})};
    d.gps[0].altitude = 38;
    d.gsensor = {{1, -2, 3}, {-128, 127, 64}};
    d.gpsAttr[0] = 1;
    d.gsensorAttr[0] = 10;
    d.gsensorAttr[1] = 2;
    d.gsensorAttr[3] = 9;
    return d;
}

TEST(NorvikToolInfo, AtomKind) {
    const TimeZone zone("UTC0");
    ScratchDir dir;
    fixture::BuiltMov built;
    const std::vector<uint8_t> bytes = Build(AtomFile(), &built);
    const ToolRun r = Tool({"info", dir.Write("FILE0001.MOV", bytes)});
    ASSERT_EQ(r.exitCode, 0);
    const json j = Parsed(r);
    EXPECT_EQ(j["accepted"], true);
    EXPECT_EQ(j["layout"], 0);
    EXPECT_EQ(j["width"], 1280);
    EXPECT_EQ(j["height"], 720);
    EXPECT_EQ(j["durationMs"], 45000);
    EXPECT_EQ(j["startTime"], UtcSeconds(2014, 7, 30, 18, 5, 9));
    EXPECT_EQ(j["fileSize"], bytes.size());
    EXPECT_EQ(j["gpsOffset"], built.gpsPayloadOffset);
    EXPECT_EQ(j["gpsSize"], 64);
    EXPECT_EQ(j["gsensorOffset"], built.gsensorPayloadOffset);
    EXPECT_EQ(j["gsensorSize"], 6);
    EXPECT_EQ(j["gpsAttr"], json::array({1, 0, 0, 0}));
    EXPECT_EQ(j["gsensorAttr"], json::array({10, 2, 0, 9}));
    EXPECT_EQ(j["metaChunks"], json::array());
}

TEST(NorvikToolInfo, MetaTrackKind) {
    ScratchDir dir;
    fixture::MovDesc d;
    d.kind = fixture::Kind::MetaTrack;
    d.creationTime1904 = fixture::To1904(1400000000);
    d.chunks.resize(3);
    fixture::BuiltMov built;
    const ToolRun r = Tool({"info", dir.Write("FILE0001.MOV", Build(d, &built))});
    ASSERT_EQ(r.exitCode, 0);
    const json j = Parsed(r);
    EXPECT_EQ(j["layout"], 1);
    EXPECT_EQ(j["startTime"], 1400000000);
    EXPECT_EQ(j["gpsOffset"], 0);
    EXPECT_EQ(j["gpsAttr"], json::array({5, 0, 0, 0}));
    EXPECT_EQ(j["gsensorAttr"], json::array({5, 8, 2, 1}));
    ASSERT_EQ(j["metaChunks"].size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(j["metaChunks"][i]["index"], i);
        EXPECT_EQ(j["metaChunks"][i]["offset"], built.chunkOffsets[size_t(i)]);
    }
}

TEST(NorvikToolInfo, RejectedAndUsage) {
    ScratchDir dir;
    const ToolRun rejected = Tool({"info", dir.Write("FILE0001.MOV", {1, 2, 3})});
    EXPECT_EQ(rejected.exitCode, 1);
    EXPECT_EQ(Parsed(rejected), json({{"accepted", false}}));
    EXPECT_EQ(Tool({"info", dir.File("missing.MOV")}).exitCode, 1);
    struct Case {
        std::vector<std::string> args;
        int exitCode;
    };
    const Case cases[] = {
        {{}, 2},         {{"info"}, 2},           {{"info", "a", "b"}, 2}, {{"frobnicate", "x"}, 2},
        {{"--help"}, 0}, {{"info", "--help"}, 0}, {{"scan", "--help"}, 0}, {{"track", "--help"}, 0},
        {{"scan"}, 2},   {{"track"}, 2}};
    for (const Case& c : cases) {
        const ToolRun r = Tool(c.args);
        EXPECT_EQ(r.exitCode, c.exitCode) << (c.args.empty() ? "" : c.args[0]) << " " << c.args.size();
        if (c.exitCode == 0) {
            EXPECT_NE(r.out.find("usage: norvik-tool"), std::string::npos);
        }
    }
}

TEST(NorvikToolScan, EntriesGroupsRows) {
    const TimeZone zone("UTC0");
    ScratchDir dir;
    const char* texts[] = {"2014-07-30 10:00:45", "2014-07-30 10:00:00", "2014-07-30 11:00:00"};
    const char* paths[] = {"DCIM/FILE0002.MOV", "DCIM/FILE0001.MOV", "EVENT/EVGS0003.MOV"};
    for (int i = 0; i < 3; ++i) {
        fixture::MovDesc d = AtomFile();
        d.idit = texts[i];
        dir.Write(paths[i], Build(d));
    }
    dir.Write("DCIM/notes.txt", {1});
    const ToolRun r = Tool({"scan", dir.Path()});
    ASSERT_EQ(r.exitCode, 0);
    const json j = Parsed(r);
    EXPECT_EQ(j["scanned"], 4);
    ASSERT_EQ(j["entries"].size(), 3u);
    EXPECT_EQ(j["entries"][0]["fileName"], "FILE0001.MOV");
    EXPECT_EQ(j["entries"][0]["subFolder"], "DCIM/");
    EXPECT_EQ(j["entries"][0]["startTime"], UtcSeconds(2014, 7, 30, 10, 0, 0));
    EXPECT_EQ(j["entries"][0]["durationMs"], 45000);
    EXPECT_EQ(j["entries"][0]["layout"], 0);
    EXPECT_EQ(j["entries"][0]["width"], 1280);
    EXPECT_EQ(j["entries"][0]["height"], 720);
    EXPECT_EQ(j["entries"][0]["lockFlags"], 0);
    EXPECT_EQ(j["entries"][1]["fileName"], "FILE0002.MOV");
    EXPECT_EQ(j["entries"][2]["subFolder"], "EVENT/");
    const uint64_t size = j["entries"][0]["fileSize"];
    EXPECT_GT(size, 0u);
    ASSERT_EQ(j["groups"].size(), 2u);
    EXPECT_EQ(j["groups"][0], json({{"groupIndex", 0},
                                    {"firstEntry", 0},
                                    {"entryCount", 2},
                                    {"totalDurationMs", 90000},
                                    {"totalSize", 2 * size},
                                    {"lockFlags", 0}}));
    EXPECT_EQ(j["groups"][1]["firstEntry"], 2);
    ASSERT_EQ(j["rows"].size(), 3u);
    EXPECT_EQ(j["rows"][1], json({{"groupIndex", 0}, {"indexInGroup", 1}, {"entryIndex", 1}}));
    EXPECT_EQ(j["rows"][2], json({{"groupIndex", 1}, {"indexInGroup", 0}, {"entryIndex", 2}}));
}

TEST(NorvikToolScan, EmptyMissingAndOddNames) {
    ScratchDir dir;
    const ToolRun empty = Tool({"scan", dir.Path()});
    ASSERT_EQ(empty.exitCode, 0);
    EXPECT_EQ(Parsed(empty), json({{"scanned", 0},
                                   {"entries", json::array()},
                                   {"groups", json::array()},
                                   {"rows", json::array()}}));
    EXPECT_EQ(Tool({"scan", dir.File("missing")}).exitCode, 1);
    // A folder name that is not UTF-8 still gives a JSON answer listing the recording.
    dir.Write("\xff\xfe/FILE0001.MOV", Build(AtomFile()));
    const ToolRun odd = Tool({"scan", dir.Path()});
    ASSERT_EQ(odd.exitCode, 0);
    const json j = Parsed(odd);
    ASSERT_EQ(j["entries"].size(), 1u);
    EXPECT_EQ(j["entries"][0]["fileName"], "FILE0001.MOV");
    EXPECT_EQ(j["entries"][0]["subFolder"], "\xef\xbf\xbd\xef\xbf\xbd/");
}

TEST(NorvikToolTrack, AtomKindPositionsInDegrees) {
    ScratchDir dir;
    const ToolRun r = Tool({"track", dir.Write("FILE0001.MOV", Build(AtomFile()))});
    ASSERT_EQ(r.exitCode, 0);
    const json j = Parsed(r);
    EXPECT_EQ(j["gpsRate"], 1);
    ASSERT_EQ(j["gps"].size(), 2u);
    const json& a = j["gps"][0];
    EXPECT_NEAR(a["latitude"].get<double>(), 35 + 41.1234 / 60, 1e-12);
    EXPECT_NEAR(a["longitude"].get<double>(), 139 + 44.5678 / 60, 1e-12);
    EXPECT_EQ(a["altitude"], 38);
    EXPECT_EQ(a["speedKmh"], 52);
    EXPECT_EQ(a["heading"], 90);
    EXPECT_EQ(a["fix"], true);
    const json& b = j["gps"][1];
    EXPECT_NEAR(b["latitude"].get<double>(), -(35 + 41.5 / 60), 1e-12);
    EXPECT_NEAR(b["longitude"].get<double>(), -(58 + 30.25 / 60), 1e-12);
    EXPECT_EQ(b["heading"], 358);
    EXPECT_EQ(b["fix"], false);
    EXPECT_EQ(j["gsensor"], json::parse("[[1,-2,3],[-128,127,64]]"));
}

TEST(NorvikToolTrack, MetaTrackKindAndErrors) {
    ScratchDir dir;
    fixture::MovDesc d;
    d.kind = fixture::Kind::MetaTrack;
    d.chunks.resize(2);
    d.chunks[0].latNum = 35411234;
    d.chunks[0].latDen = 10000;
    d.chunks[0].speedNum = 10;
    d.chunks[0].headingHalf = 7;
    d.chunks[0].x = -3;
    d.chunks[1].gpsStatus = 2;
    d.chunks[1].gsensorPresent = 0;
    const ToolRun r = Tool({"track", dir.Write("FILE0001.MOV", Build(d))});
    ASSERT_EQ(r.exitCode, 0);
    const json j = Parsed(r);
    EXPECT_EQ(j["gpsRate"], 5);
    ASSERT_EQ(j["gps"].size(), 2u);
    EXPECT_NEAR(j["gps"][0]["latitude"].get<double>(), 35 + 41.1234 / 60, 1e-12);
    EXPECT_EQ(j["gps"][0]["speedKmh"], 14);
    EXPECT_EQ(j["gps"][0]["heading"], 14);
    EXPECT_EQ(j["gps"][0]["fix"], true);
    EXPECT_EQ(j["gps"][1]["fix"], false);
    EXPECT_EQ(j["gsensor"], json::parse("[[-3,0,0]]"));
    EXPECT_EQ(Tool({"track", dir.Write("FILE0002.MOV", {0, 0, 0, 8})}).exitCode, 1);
    EXPECT_EQ(Tool({"track", dir.File("missing.MOV")}).exitCode, 1);
}

}  // namespace
