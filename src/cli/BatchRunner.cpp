// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The --batch loop of kq-predict.
#include "BatchRunner.h"

#include "BatchLineReader.h"
#include "LineWords.h"
#include "ReplyJson.h"
#include "modDurorurOzivurediRuvidevo.h"

#include <array>

namespace kq::cli {

namespace {

namespace lm = modDurorurOzivurediRuvidevo;

// The Chinese ages that the accepted years can give: from the first conception year minus the
// last birth year to the last conception year minus the first birth year, plus one.
constexpr int LowestAge = FirstConceptionYear - LastYear;
constexpr int HighestAge = LastYear - FirstBirthYear + 1;
constexpr int ChartAges = lm::OldestChartAge - lm::YoungestChartAge + 1;
constexpr int ConceptionMonths = (LastYear - FirstConceptionYear + 1) * 12;

} // namespace

BatchRunner::BatchRunner(Predictor &predictor)
    : m_predictor(predictor)
    , m_predicted(static_cast<std::size_t>(ChartAges) * 12 * 2 * 2)
    , m_ageOutOfRange(static_cast<std::size_t>(HighestAge - LowestAge + 1))
    , m_nineMonthsOrMore(static_cast<std::size_t>(ConceptionMonths), -1)
{ }

std::string *BatchRunner::predictedSlot(
    int age, int lunarMonth, lm::LunarCalendar calendar, bool nineMonthsOrMore)
{
    if (age < lm::YoungestChartAge || age > lm::OldestChartAge || lunarMonth < 1 || lunarMonth > 12)
        return nullptr;
    std::size_t slot = static_cast<std::size_t>(age - lm::YoungestChartAge) * 12
        + static_cast<std::size_t>(lunarMonth - 1);
    slot = slot * 2 + (calendar == lm::LunarCalendar::Extended ? 1 : 0);
    return &m_predicted[slot * 2 + (nineMonthsOrMore ? 1 : 0)];
}

std::string *BatchRunner::ageOutOfRangeSlot(long long age)
{
    if (age < LowestAge || age > HighestAge)
        return nullptr;
    return &m_ageOutOfRange[static_cast<std::size_t>(age - LowestAge)];
}

std::int8_t *BatchRunner::nineMonthsOrMore(int conceptionYear, int conceptionMonth)
{
    const int index = (conceptionYear - FirstConceptionYear) * 12 + conceptionMonth - 1;
    if (index < 0 || index >= ConceptionMonths)
        return nullptr;
    return &m_nineMonthsOrMore[static_cast<std::size_t>(index)];
}

const std::string *BatchRunner::known(const AnswerKey &key)
{
    const std::string *slot = nullptr;
    if (key.outcome == ReplyOutcome::AgeOutOfRange) {
        slot = ageOutOfRangeSlot(key.age);
    } else {
        const std::int8_t *nine = nineMonthsOrMore(key.conceptionYear, key.conceptionMonth);
        if (!nine || *nine < 0)
            return nullptr;
        slot = predictedSlot(static_cast<int>(key.age), key.lunarMonth, key.calendar, *nine == 1);
    }
    return slot && !slot->empty() ? slot : nullptr;
}

const std::string &BatchRunner::built(const Reply &reply, long long lineNumber)
{
    std::string *slot = nullptr;
    switch (reply.outcome) {
    case ReplyOutcome::Predicted: {
        const PredictionResult &result = reply.result;
        const bool nine = result.CongratulationMessage == NineMonthsOrMoreText;
        if (std::int8_t *known = nineMonthsOrMore(reply.conception.Year, reply.conception.Month))
            *known = nine ? 1 : 0;
        slot = predictedSlot(
            result.MotherChineseAge, result.ConceptionLunarMonth, result.Calendar, nine);
        break;
    }
    case ReplyOutcome::AgeOutOfRange:
        slot = ageOutOfRangeSlot(reply.result.MotherChineseAge);
        break;
    case ReplyOutcome::InvalidDate:
        slot = &m_invalidDate[reply.message];
        break;
    case ReplyOutcome::InvalidInput:
        return numbered(reply, lineNumber);
    }
    if (!slot) {
        m_scratch = CompactJson(ReplyToJson(reply)).toStdString();
        return m_scratch;
    }
    if (slot->empty())
        *slot = CompactJson(ReplyToJson(reply)).toStdString();
    return *slot;
}

// An InvalidInput answer differs from the others with its message only in its line number:
// the text Qt builds for line 1 is kept in two parts, before and after the number.
const std::string &BatchRunner::numbered(const Reply &reply, long long lineNumber)
{
    static constexpr std::string_view LineOne = "\"line\":1,";
    NumberedAnswer &stored = m_invalidInput[reply.message];
    if (stored.before.empty() && lineNumber > 0) {
        Reply first = reply;
        first.line = 1;
        const std::string json = CompactJson(ReplyToJson(first)).toStdString();
        const std::size_t at = json.find(LineOne);
        if (at != std::string::npos) {
            stored.before = json.substr(0, at + LineOne.size() - 2);
            stored.after = json.substr(at + LineOne.size() - 1);
        }
    }
    if (stored.before.empty() || lineNumber <= 0) {
        Reply numberedReply = reply;
        numberedReply.line = lineNumber;
        m_scratch = CompactJson(ReplyToJson(numberedReply)).toStdString();
        return m_scratch;
    }
    m_scratch = stored.before;
    m_scratch += std::to_string(lineNumber);
    m_scratch += stored.after;
    return m_scratch;
}

const std::string &BatchRunner::answer(std::string_view line, long long lineNumber)
{
    std::array<std::string_view, 2> words;
    if (SplitLineWords(line, words) == words.size()) {
        std::optional<Reply> rejection;
        const auto key = m_predictor.answerKey(words[0], words[1], rejection);
        if (rejection)
            return built(*rejection, lineNumber);
        if (key)
            if (const std::string *stored = known(*key))
                return *stored;
        return built(m_predictor.predict(words[0], words[1]), lineNumber);
    }
    // A blank line never reaches here from run(), which skips it; a caller that passes one
    // gets the same answer as for any other line without two dates.
    Reply reply;
    reply.message = "Expected two dates, BIRTH CONCEPTION, separated by white space";
    return built(reply, lineNumber);
}

bool BatchRunner::run(std::istream &input, std::ostream &output)
{
    // The answers are gathered in a block of their own and written a block at a time.
    constexpr std::size_t BlockSize = 1 << 16;
    std::string block;
    block.reserve(BlockSize + BatchLineReader::DefaultLineLimit);
    const auto writeBlock = [&] {
        output.write(block.data(), static_cast<std::streamsize>(block.size()));
        block.clear();
        return static_cast<bool>(output);
    };
    BatchLineReader reader(input, BatchLineReader::DefaultLineLimit, BlockSize, [&] {
        writeBlock();
        output.flush();
    });
    std::string_view line;
    bool tooLong = false;
    long long lineNumber = 0;
    while (reader.next(line, tooLong)) {
        ++lineNumber;
        if (tooLong) {
            Reply reply;
            reply.message = "The line is longer than "
                + std::to_string(BatchLineReader::DefaultLineLimit) + " characters";
            block += built(reply, lineNumber);
        } else if (IsBlankLine(line)) {
            // A blank line (nothing but white space, such as the CR of a CRLF file's empty
            // line) holds no question and gets no answer, so a script that leaves blank lines
            // between its groups still gets one answer per question. The line numbers in the
            // answers keep counting every line of the input.
            continue;
        } else {
            block += answer(line, lineNumber);
        }
        block += '\n';
        if (block.size() >= BlockSize && !writeBlock())
            return false;
    }
    writeBlock();
    output.flush();
    return !reader.failed() && static_cast<bool>(output);
}

} // namespace kq::cli
