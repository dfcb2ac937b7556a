// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// Block-wise line reading for kq-predict --batch.
#include "BatchLineReader.h"

#include <algorithm>
#include <cstring>

namespace kq::cli {

BatchLineReader::BatchLineReader(std::istream &input, std::size_t lineLimit, std::size_t blockSize,
    std::function<void()> beforeWaiting)
    : m_input(input)
    , m_lineLimit(lineLimit)
    , m_beforeWaiting(std::move(beforeWaiting))
    , m_block(std::max(blockSize, lineLimit + 1))
{ }

// Moves the unread rest to the front of the block and reads more after it.
bool BatchLineReader::fill()
{
    if (m_atEnd)
        return false;
    if (m_begin > 0) {
        std::memmove(m_block.data(), m_block.data() + m_begin, m_end - m_begin);
        m_end -= m_begin;
        m_begin = 0;
    }
    std::streambuf *buffer = m_input.rdbuf();
    const std::streamsize room = static_cast<std::streamsize>(m_block.size() - m_end);
    std::streamsize got = 0;
    try {
        if (buffer) {
            // Take what is ready; when nothing is, wait for at least one character.
            std::streamsize ready = buffer->in_avail();
            if (ready == 0) {
                if (m_beforeWaiting)
                    m_beforeWaiting();
                if (buffer->sgetc() != std::char_traits<char>::eof())
                    ready = std::max<std::streamsize>(buffer->in_avail(), 1);
            }
            if (ready > 0)
                got = buffer->sgetn(m_block.data() + m_end, std::min(ready, room));
        }
    } catch (...) {
        m_failed = true;
    }
    if (got <= 0) {
        m_atEnd = true;
        if (!buffer)
            m_failed = true;
        return false;
    }
    m_end += static_cast<std::size_t>(got);
    return true;
}

bool BatchLineReader::next(std::string_view &line, bool &tooLong)
{
    tooLong = false;
    std::size_t searched = m_begin;
    for (;;) {
        const char *start = m_block.data() + searched;
        const void *newline = std::memchr(start, '\n', m_end - searched);
        if (newline) {
            const std::size_t at
                = static_cast<std::size_t>(static_cast<const char *>(newline) - m_block.data());
            if (at - m_begin > m_lineLimit) {
                tooLong = true;
                line = {};
            } else {
                line = std::string_view(m_block.data() + m_begin, at - m_begin);
            }
            m_begin = at + 1;
            return true;
        }
        if (m_end - m_begin > m_lineLimit) {
            // Too long: drop what has been read of it and skip to its end.
            tooLong = true;
            m_begin = m_end = 0;
            for (;;) {
                if (!fill()) {
                    line = {};
                    return true;
                }
                const void *end = std::memchr(m_block.data(), '\n', m_end);
                if (end) {
                    m_begin
                        = static_cast<std::size_t>(static_cast<const char *>(end) - m_block.data())
                        + 1;
                    line = {};
                    return true;
                }
                m_begin = m_end = 0;
            }
        }
        const std::size_t unread = m_end - m_begin;
        if (!fill()) {
            if (m_end == m_begin)
                return false;
            // The last line has no line break.
            line = std::string_view(m_block.data() + m_begin, m_end - m_begin);
            m_begin = m_end;
            return true;
        }
        searched = m_begin + unread;
    }
}

} // namespace kq::cli
