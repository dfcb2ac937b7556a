// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// kq-predict --batch: reads "BIRTH CONCEPTION" lines and writes one JSON object per non-blank
// line, in order, as it goes; blank lines are skipped. A malformed line gets an InvalidInput
// object with its line number and the run goes on. The JSON text of the few distinct answers
// (an age, a month, its calendar and a congratulation line make a prediction) is built once with
// Qt's JSON classes and reused: a line whose answer is already known is only read and checked.
#pragma once

#include "Predictor.h"

#include <cstdint>
#include <istream>
#include <ostream>
#include <string>
#include <unordered_map>
#include <vector>

namespace kq::cli {

class BatchRunner
{
public:
    explicit BatchRunner(Predictor &predictor);

    // Answers every non-blank line of `input` on `output`. True when all input was read and all
    // answers were written.
    bool run(std::istream &input, std::ostream &output);

    // The JSON answer (without line break) for one line; `lineNumber` counts from 1.
    const std::string &answer(std::string_view line, long long lineNumber);

private:
    // The stored answer for a key, or null when it has not been built yet.
    const std::string *known(const AnswerKey &key);
    // Builds the answer with the predictor and stores it where the next line with the same
    // key finds it.
    const std::string &built(const Reply &reply, long long lineNumber);
    // An InvalidInput answer with its line number.
    const std::string &numbered(const Reply &reply, long long lineNumber);

    std::string *predictedSlot(int age, int lunarMonth,
        modDurorurOzivurediRuvidevo::LunarCalendar calendar, bool nineMonthsOrMore);
    std::string *ageOutOfRangeSlot(long long age);
    std::int8_t *nineMonthsOrMore(int conceptionYear, int conceptionMonth);

    Predictor &m_predictor;
    // by age, lunar month, calendar and congratulation line
    std::vector<std::string> m_predicted;
    std::vector<std::string> m_ageOutOfRange; // by age
    std::unordered_map<std::string, std::string> m_invalidDate; // by message
    // An InvalidInput answer by message: its text before and after the line number.
    struct NumberedAnswer
    {
        std::string before;
        std::string after;
    };
    std::unordered_map<std::string, NumberedAnswer> m_invalidInput;
    // By month of conception: whether its congratulation line is the one for nine months or
    // more (1), the other one (0), or not known yet (-1).
    std::vector<std::int8_t> m_nineMonthsOrMore;
    std::string m_scratch;
};

} // namespace kq::cli
