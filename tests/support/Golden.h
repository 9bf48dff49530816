// Painting checked against committed reference images:
//
//   EXPECT_TRUE(MatchesGolden("buttons", "flat-states", CaptureWindow(host)));
//
// The reference is tests/<subsystem>/golden/<name>.png. On a mismatch the
// result names the image and the first differing pixel, and the actual image
// and a difference image (differing pixels red over a faded reference) are
// written to <build>/golden-out/<subsystem>/. With ZR8_UPDATE_GOLDEN=1 in the
// environment (scripts/test --update-golden) a differing or missing reference
// is rewritten instead, and the check passes.
#pragma once

#include <string>

#include <gtest/gtest.h>

#include "PngImage.h"

::testing::AssertionResult MatchesGolden(const std::string& subsystem, const std::string& name,
                                         const RgbImage& actual);
