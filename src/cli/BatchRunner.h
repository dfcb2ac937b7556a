// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// kq-predict --batch: reads "BIRTH CONCEPTION" lines and writes one JSON object per non-blank
// line, in order, as it goes; blank lines are skipped. A malformed line gets an InvalidInput
// object with its line number and the run goes on. Each line is decided as values (the
// engine's answer, or the rejection); the JSON text of each distinct answer is built once with
// Qt's JSON classes and kept under that value, so a line whose answer is known is only read
// and decided.
#pragma once

#include "Predictor.h"

#include <istream>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
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
    // The answer of a decided line, built on its first use.
    const std::string &answered(const Reply &reply, long long lineNumber);
    // A rejection's answer; an InvalidInput answer carries its line number.
    const std::string &rejected(const Rejection &rejection, long long lineNumber);
    // Where the text of an answer is kept; null for an answer that has no place.
    std::string *answerSlot(const PredictionAnswer &answer);

    Predictor &m_predictor;
    // Predictions by age, lunar month, calendar, disputed start and congratulation line (the
    // gender follows from the age and the month).
    std::vector<std::string> m_predicted;
    std::vector<std::string> m_ageOutOfRange; // by age
    // Rejections: the text after the line number of an InvalidInput answer, the whole text of
    // the others.
    std::vector<std::pair<Rejection, std::string>> m_rejected;
    std::string m_scratch;
};

} // namespace kq::cli
