// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// Reads standard input of kq-predict --batch line by line in large blocks, holding at most
// one block and one line: the input is never held whole. A line longer than the limit is
// skipped to its end and reported as too long. It takes what the input has ready and waits
// only when nothing is: a program that writes a line and waits for its answer gets it.
#pragma once

#include <functional>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

namespace kq::cli {

class BatchLineReader
{
public:
    static constexpr std::size_t DefaultLineLimit = 4096;

    // `beforeWaiting` runs before the reader waits for more input (to flush the answers).
    explicit BatchLineReader(std::istream &input, std::size_t lineLimit = DefaultLineLimit,
        std::size_t blockSize = 1 << 16, std::function<void()> beforeWaiting = {});

    // The next line without its line break; false at the end of the input. When the line was
    // longer than the limit, `tooLong` is set and `line` is empty. The view is valid until the
    // next call.
    bool next(std::string_view &line, bool &tooLong);

    // True when reading failed (rather than reaching the end of the input).
    bool failed() const { return m_failed; }

private:
    bool fill();

    std::istream &m_input;
    std::size_t m_lineLimit;
    std::function<void()> m_beforeWaiting;
    std::vector<char> m_block;
    std::size_t m_begin = 0;
    std::size_t m_end = 0;
    bool m_atEnd = false;
    bool m_failed = false;
};

} // namespace kq::cli
