// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// kq-predict writes UTF-8. A Windows console shows bytes in its own code page (437, 936, ...),
// so for the run it is switched to UTF-8, and back to what it was when kq-predict ends; output
// to a file or a pipe is the same bytes either way. Elsewhere the terminal takes UTF-8 as it is.
#pragma once

namespace kq::cli {

class Utf8Console
{
public:
#ifdef _WIN32
    Utf8Console();
    ~Utf8Console();
    Utf8Console(const Utf8Console &) = delete;
    Utf8Console &operator=(const Utf8Console &) = delete;

private:
    unsigned int previousOutput = 0; // 0: left as it was
    unsigned int previousInput = 0;
#endif
};

} // namespace kq::cli
