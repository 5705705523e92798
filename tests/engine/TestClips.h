// Short H.264 + AAC .MOV clips made with ffmpeg into a per-process temporary folder.
#pragma once

#include <string>

enum class ClipKind {
    kPattern,  // 3 s, 640x360 test pattern
    kGray,     // 8 s, 640x360 flat gray (nothing green in it)
    kLong,     // 20 s, 320x180 test pattern
};

// Path of the clip, made on first use. Fails the calling test (gtest fatal) when ffmpeg fails.
std::string ClipPath(ClipKind kind);

// The per-process temporary folder (made on first use, removed at exit).
const std::string& ScratchFolder();
