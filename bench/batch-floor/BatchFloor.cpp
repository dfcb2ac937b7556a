// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The input/output floor of kq-predict --batch: reads standard input in large blocks and
// writes, for each line, the same fixed answer of a given length and a line break. It does
// everything a batch run must do except the prediction itself, so the time it takes is what
// any program answering these lines pays at least.
// Usage: batch-floor ANSWER_LENGTH < lines > answers
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

int main(int argc, char *argv[])
{
    const long length = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 0;
    if (length <= 0) {
        std::fputs("usage: batch-floor ANSWER_LENGTH < lines > answers\n", stderr);
        return 64;
    }
    std::vector<char> answer(static_cast<std::size_t>(length) + 1, 'x');
    answer.back() = '\n';
    static char outBuffer[1 << 16];
    std::setvbuf(stdout, outBuffer, _IOFBF, sizeof outBuffer);

    std::vector<char> block(1 << 16);
    bool lineOpen = false; // characters read since the last line break
    for (;;) {
        const std::size_t got = std::fread(block.data(), 1, block.size(), stdin);
        if (got == 0)
            break;
        const char *at = block.data();
        const char *const end = at + got;
        while (at < end) {
            const void *newline = std::memchr(at, '\n', static_cast<std::size_t>(end - at));
            if (!newline) {
                lineOpen = true;
                break;
            }
            std::fwrite(answer.data(), 1, answer.size(), stdout);
            at = static_cast<const char *>(newline) + 1;
            lineOpen = false;
        }
    }
    if (lineOpen)
        std::fwrite(answer.data(), 1, answer.size(), stdout);
    return std::fflush(stdout) == 0 && !std::ferror(stdin) ? 0 : 74;
}
