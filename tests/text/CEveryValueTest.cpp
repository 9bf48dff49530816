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

TEST(CodeSet, ListsGiveTheirCodesInOrder)
{
    CEveryValue codes(12);
    EXPECT_EQ(Check(codes, "1-5,8,10-"), 0);
    EXPECT_EQ(Walk(codes), (std::vector<long> {1, 2, 3, 4, 5, 8, 10, 11, 12}));
    EXPECT_EQ(Check(codes, " 1 -\x81\x40" "5 , 8,\x81\x40" "10-"), 0);  // blanks are ignored
    EXPECT_EQ(Walk(codes), (std::vector<long> {1, 2, 3, 4, 5, 8, 10, 11, 12}));
    EXPECT_EQ(Check(codes, "-"), 0);
    EXPECT_EQ(Walk(codes).size(), 13u);
    EXPECT_EQ(Check(codes, "-3,7"), 0);
    EXPECT_EQ(Walk(codes), (std::vector<long> {0, 1, 2, 3, 7}));
    EXPECT_EQ(Check(codes, "5,5"), 0);
    EXPECT_EQ(Walk(codes), (std::vector<long> {5}));
    EXPECT_EQ(Check(codes, ""), 0);
    EXPECT_EQ(codes.GetFirstCode(), -1);

    DefaultCodes all;
    EXPECT_EQ(all.GetFirstCode(), -1);  // a new set is empty
    EXPECT_EQ(Check(all, "0000000001,63-64,127,128,99998-"), 0);
    EXPECT_EQ(Walk(all), (std::vector<long> {1, 63, 64, 127, 128, 99998, 99999}));
    EXPECT_EQ(Check(all, "-"), 0);
    std::vector<long> every = Walk(all);
    ASSERT_EQ(every.size(), 100000u);
    EXPECT_EQ(every.back(), 99999);
}

TEST(CodeSet, EveryErrorCode)
{
    struct Case {
        const char* list;
        short code;
    } cases[] = {
        {",1", 1},   {"1a", 2},   {"1\x81\x81@", 2},  // a double-byte character stays whole
        {"1-2-3", 3}, {"1-,2", 4}, {"1--2", 5},
        {"5,3", 6},  {"5-3", 6},  {"5,3-7", 6},
        {"3,-7", 7}, {"1,", 8},   {"1,,2", 9},
        {"100000", 10}, {"99999", 0}, {"12345678901", 10},
        {"4294967296", 10},  // would wrap to 0 in a 32-bit long
        {"4294967296-", 10}, {"1-4294967297", 10}, {"100000-", 10},
    };
    for (const Case& c : cases) {
        DefaultCodes codes;
        EXPECT_EQ(Check(codes, c.list), c.code) << c.list;
    }
    CEveryValue wide(100000);
    EXPECT_EQ(Check(wide, "5-"), 10);  // an open range needs a last code up to 99999
    EXPECT_EQ(Check(wide, "5-7"), 0);
}

TEST(CodeSet, ErrorsKeepTheCodesAddedBeforeThem)
{
    CEveryValue codes(99999);
    EXPECT_EQ(Check(codes, "1,2,5-3"), 6);
    EXPECT_EQ(Walk(codes), (std::vector<long> {1, 2}));
    // Errors 1 and 2 come before the set is cleared.
    EXPECT_EQ(Check(codes, ",9"), 1);
    EXPECT_EQ(Check(codes, "9x"), 2);
    EXPECT_EQ(Walk(codes), (std::vector<long> {1, 2}));

    // 0x81 0x40 after a lead byte is a character's trail byte and '@'.
    unsigned char text[] = " 1\x81\x40," "\x81\x81\x40" " 2";
    codes.DeleteSpace(text);
    EXPECT_STREQ(reinterpret_cast<char*>(text), "1," "\x81\x81\x40" "2");
}

TEST(CodeSet, TheWalkStopsOnlyAtTheLastCodeItself)
{
    CEveryValue codes(5);
    EXPECT_EQ(Check(codes, "3,8,9"), 0);
    EXPECT_EQ(codes.GetNextCode(3), 8);  // the scan passes the last code
    EXPECT_EQ(codes.GetNextCode(5), -1);
    EXPECT_EQ(codes.GetNextCode(8), 9);
    EXPECT_EQ(codes.GetNextCode(9), -1);
    EXPECT_EQ(codes.GetNextCode(-1), 3);
    EXPECT_EQ(codes.GetNextCode(100007), -1);
}

} // namespace
