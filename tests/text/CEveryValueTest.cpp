#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/CEveryValue.h"

namespace {

// Reaches the protected default constructor (last code 99999).
class DefaultCodes : public CEveryValue {
public:
    DefaultCodes() = default;
};

std::vector<long> Walk(CEveryValue& codes)
{
    std::vector<long> found;
    for (long code = codes.GetFirstCode(); code != -1; code = codes.GetNextCode(code))
        found.push_back(code);
    return found;
}

short Check(CEveryValue& codes, std::string list)
{
    return codes.CheckCode(reinterpret_cast<unsigned char*>(&list[0]));
}

TEST(CodeSet, ListsGiveTheirCodesInOrderOrAnErrorCode)
{
    const struct { const char* list; std::vector<long> codes; } cases[] = {
        {"1-5,8,10-", {1, 2, 3, 4, 5, 8, 10, 11, 12}},
        {" 1 -\x81\x40" "5 , 8,\x81\x40" "10-", {1, 2, 3, 4, 5, 8, 10, 11, 12}},  // blanks are ignored
        {"-", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}},
        {"-3,7", {0, 1, 2, 3, 7}}, {"5,5", {5}}, {"", {}},
    };
    CEveryValue twelve(12);
    for (const auto& c : cases) {
        EXPECT_EQ(Check(twelve, c.list), 0) << c.list;
        EXPECT_EQ(Walk(twelve), c.codes) << c.list;
    }
    DefaultCodes all;
    EXPECT_EQ(all.GetFirstCode(), -1);  // a new set is empty
    EXPECT_EQ(Check(all, "0000000001,63-64,127,128,203-230,99998-"), 0);  // a range across whole bytes
    std::vector<long> expected = {1, 63, 64, 127, 128};
    for (long code = 203; code <= 230; ++code)
        expected.push_back(code);
    expected.insert(expected.end(), {99998, 99999});
    EXPECT_EQ(Walk(all), expected);
    EXPECT_EQ(Check(all, "-"), 0);
    EXPECT_EQ(Walk(all).size(), 100000u);
    // The walk stops only at the last code itself.
    CEveryValue five(5);
    EXPECT_EQ(Check(five, "3,8,9"), 0);
    const long steps[][2] = {{3, 8}, {5, -1}, {8, 9}, {9, -1}, {-1, 3}, {100007, -1}, {100008, -1}};
    for (const auto& step : steps)
        EXPECT_EQ(five.GetNextCode(step[0]), step[1]) << "after " << step[0];

    // Every error code.
    const struct { const char* list; short code; } errors[] = {
        {",1", 1},    {"1a", 2},    {"1\x81\x81@", 2},  // a double-byte character stays whole
        {"1-2-3", 3}, {"1-,2", 4},  {"1--2", 5},   {"5,3", 6}, {"5-3", 6}, {"5,3-7", 6},
        {"3,-7", 7},  {"1,", 8},    {"1,,2", 9},   {"100000", 10}, {"99999", 0}, {"12345678901", 10},
        {"4294967296", 10},  // would wrap to 0 in a 32-bit long
        {"4294967296-", 10}, {"1-4294967297", 10}, {"100000-", 10}, {"0000000001-3", 0}, {"99999-99999", 0},
    };
    for (const auto& c : errors) {
        DefaultCodes codes;
        EXPECT_EQ(Check(codes, c.list), c.code) << c.list;
    }
    CEveryValue wide(100000);
    EXPECT_EQ(Check(wide, "5-"), 10);  // an open range needs a last code up to 99999
    EXPECT_EQ(Check(wide, "5-7"), 0);

    // Codes added before an error stay; errors 1 and 2 come before the set is cleared.
    CEveryValue codes(99999);
    EXPECT_EQ(Check(codes, "1,2,5-3"), 6);
    EXPECT_EQ(Check(codes, ",9"), 1);
    EXPECT_EQ(Check(codes, "9x"), 2);
    EXPECT_EQ(Walk(codes), (std::vector<long> {1, 2}));

    // 0x81 0x40 after a lead byte is a character's trail byte and '@'.
    unsigned char text[] = " 1\x81\x40," "\x81\x81\x40" " 2";
    codes.DeleteSpace(text);
    EXPECT_STREQ(reinterpret_cast<char*>(text), "1," "\x81\x81\x40" "2");
    // A blank after a lead byte (0x81-0x9F, 0xE0-0xFC) is its trail byte and stays.
    for (int byte = 0x21; byte < 256; ++byte) {
        bool lead = (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
        unsigned char pair[] = {static_cast<unsigned char>(byte), ' ', '1', '\0'};
        codes.DeleteSpace(pair);
        EXPECT_EQ(pair[1], lead ? ' ' : '1') << std::hex << byte;
    }
    unsigned char last[] = "1\x93 ";  // the last character's trail byte too
    codes.DeleteSpace(last);
    EXPECT_STREQ(reinterpret_cast<char*>(last), "1\x93 ");
}

} // namespace
