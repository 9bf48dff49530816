// Writes 24-bit RGB images as PNG files (stored deflate blocks: no
// compression library needed, and the screenshots stay small enough).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// rgb holds width*height pixels, top row first, 3 bytes each (R, G, B).
bool WritePng(const std::string& fileName, int width, int height, const std::vector<uint8_t>& rgb);
