// kq-predict --batch: reads "BIRTH CONCEPTION" lines and writes one JSON object per non-blank
// line, in order, as it goes; blank lines are skipped. A malformed line gets an InvalidInput
// object with its line number and the run goes on. The JSON text of the few distinct answers
// (an age and a month and a congratulation line make a prediction) is built once with Qt's
// JSON classes and reused.
#pragma once

#include "Predictor.h"

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
    const std::string &cached(std::string &slot, const Reply &reply);

    Predictor &m_predictor;
    std::vector<std::string> m_predicted; // by age, lunar month and congratulation line
    std::unordered_map<int, std::string> m_ageOutOfRange;
    std::unordered_map<std::string, std::string> m_invalidDate;
    std::string m_scratch;
};

} // namespace kq::cli
