// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// Tests of reading --batch and --evaluate input line by line in blocks.
#include "BatchLineReader.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

using namespace kq::cli;
using namespace std::chrono;

TEST(BatchLineReader, SplitsLinesAcrossBlocksAndSkipsOverlongOnes)
{
    const std::string longLine(50, 'x');
    std::istringstream input("one\r\n\ntwo\n" + longLine + "\nthree\n" + longLine + "\nlast");
    BatchLineReader reader(input, 20, 8); // the block holds 21 characters
    std::vector<std::string> lines;
    std::string_view line;
    bool tooLong = false;
    while (reader.next(line, tooLong))
        lines.push_back(tooLong ? "<too long>" : std::string(line));
    EXPECT_EQ(lines,
        (std::vector<std::string> {
            "one\r", "", "two", "<too long>", "three", "<too long>", "last"}));
}

TEST(BatchLineReader, OverlongLastLineWithoutLineBreak)
{
    std::istringstream input("ok\n" + std::string(100, 'y'));
    BatchLineReader reader(input, 20, 8);
    std::string_view line;
    bool tooLong = false;
    ASSERT_TRUE(reader.next(line, tooLong));
    EXPECT_EQ(line, "ok");
    ASSERT_TRUE(reader.next(line, tooLong));
    EXPECT_TRUE(tooLong);
    EXPECT_FALSE(reader.next(line, tooLong));
}
