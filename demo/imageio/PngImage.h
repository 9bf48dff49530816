// 24-bit RGB images and their PNG files: the demo's screenshots and the
// reference images of the painting tests share this one codec.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgb;  // top row first, 3 bytes a pixel (R, G, B)

    uint32_t Pixel(int x, int y) const;  // 0xRRGGBB
    bool operator==(const RgbImage& other) const;
};

// 8-bit RGB, not interlaced.
bool WritePng(const std::string& fileName, const RgbImage& image);
// Reads what WritePng writes (rows unfiltered); false for other kinds of
// PNG, a damaged file or one that is missing.
bool ReadPng(const std::string& fileName, RgbImage* image);
