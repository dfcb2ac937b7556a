// The --batch loop of kq-predict.
#include "BatchRunner.h"

#include "BatchLineReader.h"
#include "ReplyJson.h"
#include "modDurorurOzivurediRuvidevo.h"

namespace kq::cli {

namespace {

namespace lm = modDurorurOzivurediRuvidevo;

constexpr int MonthSlots = 13; // lunar month 0 (none found yet) to 12

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

bool isBlank(std::string_view line)
{
    for (const char c : line)
        if (!isSpace(c))
            return false;
    return true;
}

// Splits a line into at most three white-space separated words; returns how many it found
// (3 meaning "more than two").
int splitWords(std::string_view line, std::string_view (&words)[2])
{
    int count = 0;
    std::size_t at = 0;
    while (at < line.size()) {
        while (at < line.size() && isSpace(line[at]))
            ++at;
        if (at == line.size())
            break;
        const std::size_t start = at;
        while (at < line.size() && !isSpace(line[at]))
            ++at;
        if (count == 2)
            return 3;
        words[count++] = line.substr(start, at - start);
    }
    return count;
}

} // namespace

BatchRunner::BatchRunner(Predictor &predictor)
    : m_predictor(predictor)
    , m_predicted(
          static_cast<std::size_t>(lm::OldestChartAge - lm::YoungestChartAge + 1) * MonthSlots * 2)
{ }

const std::string &BatchRunner::cached(std::string &slot, const Reply &reply)
{
    if (slot.empty())
        slot = CompactJson(ReplyToJson(reply)).toStdString();
    return slot;
}

const std::string &BatchRunner::answer(std::string_view line, long long lineNumber)
{
    std::string_view words[2];
    const int count = splitWords(line, words);
    Reply reply;
    if (count != 2) {
        // A blank line never reaches here from run(), which skips it; a caller that passes
        // one gets the same answer as for any other line without two dates.
        reply.message = "Expected two dates, BIRTH CONCEPTION, separated by white space";
    } else {
        reply = m_predictor.predict(words[0], words[1]);
    }

    switch (reply.outcome) {
    case ReplyOutcome::Predicted: {
        const PredictionResult &result = reply.result;
        const bool nineOrMore = result.CongratulationMessage == NineMonthsOrMoreText;
        const std::size_t slot
            = (static_cast<std::size_t>(result.MotherChineseAge - lm::YoungestChartAge) * MonthSlots
                  + static_cast<std::size_t>(result.ConceptionLunarMonth))
                * 2
            + (nineOrMore ? 1 : 0);
        return cached(m_predicted.at(slot), reply);
    }
    case ReplyOutcome::AgeOutOfRange:
        return cached(m_ageOutOfRange[reply.result.MotherChineseAge], reply);
    case ReplyOutcome::InvalidDate:
        return cached(m_invalidDate[reply.message], reply);
    case ReplyOutcome::InvalidInput:
        break;
    }
    reply.line = lineNumber;
    m_scratch = CompactJson(ReplyToJson(reply)).toStdString();
    return m_scratch;
}

bool BatchRunner::run(std::istream &input, std::ostream &output)
{
    BatchLineReader reader(
        input, BatchLineReader::DefaultLineLimit, 1 << 16, [&output] { output.flush(); });
    std::string_view line;
    bool tooLong = false;
    long long lineNumber = 0;
    while (reader.next(line, tooLong)) {
        ++lineNumber;
        if (tooLong) {
            Reply reply;
            reply.message = "The line is longer than "
                + std::to_string(BatchLineReader::DefaultLineLimit) + " characters";
            reply.line = lineNumber;
            m_scratch = CompactJson(ReplyToJson(reply)).toStdString();
            output.write(m_scratch.data(), static_cast<std::streamsize>(m_scratch.size()));
        } else if (isBlank(line)) {
            // A blank line (nothing but white space, such as the CR of a CRLF file's empty
            // line) holds no question and gets no answer, so a script that leaves blank lines
            // between its groups still gets one answer per question. The line numbers in the
            // answers keep counting every line of the input.
            continue;
        } else {
            const std::string &json = answer(line, lineNumber);
            output.write(json.data(), static_cast<std::streamsize>(json.size()));
        }
        output.put('\n');
        if (!output)
            return false;
    }
    output.flush();
    return !reader.failed() && static_cast<bool>(output);
}

} // namespace kq::cli
