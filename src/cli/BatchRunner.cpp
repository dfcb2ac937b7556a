// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The --batch loop of kq-predict.
#include "BatchRunner.h"

#include "BatchLineReader.h"
#include "IsoDate.h"
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
// Per age and lunar month: two calendars, disputed or not, two congratulation lines.
constexpr int AnswersPerCell = 2 * 2 * 2;

std::string jsonOf(const Reply &reply)
{
    return CompactReplyJson(reply).toStdString();
}

} // namespace

BatchRunner::BatchRunner(Predictor &predictor)
    : m_predictor(predictor)
    , m_predicted(static_cast<std::size_t>(ChartAges) * 12 * AnswersPerCell)
    , m_ageOutOfRange(static_cast<std::size_t>(HighestAge - LowestAge + 1))
{ }

std::string *BatchRunner::answerSlot(const PredictionAnswer &answer)
{
    const int age = answer.motherChineseAge;
    if (answer.outcome == PredictionOutcome::AgeOutOfRange) {
        if (age < LowestAge || age > HighestAge)
            return nullptr;
        return &m_ageOutOfRange[static_cast<std::size_t>(age - LowestAge)];
    }
    const int month = answer.lunarMonth.number;
    if (age < lm::YoungestChartAge || age > lm::OldestChartAge || month < 1 || month > 12)
        return nullptr;
    std::size_t slot = static_cast<std::size_t>(age - lm::YoungestChartAge) * 12
        + static_cast<std::size_t>(month - 1);
    slot = slot * 2 + (answer.lunarMonth.calendar == lm::LunarCalendar::Extended ? 1 : 0);
    slot = slot * 2 + (answer.lunarMonth.startDisputed ? 1 : 0);
    slot = slot * 2 + (answer.congratulation == CongratulationLine::NineMonthsOrMore ? 1 : 0);
    return &m_predicted[slot];
}

const std::string &BatchRunner::answered(const Reply &reply, long long lineNumber)
{
    if (reply.rejection)
        return rejected(*reply.rejection, lineNumber);
    std::string *slot = answerSlot(reply.answer);
    if (!slot) {
        m_scratch = jsonOf(reply);
        return m_scratch;
    }
    if (slot->empty())
        *slot = jsonOf(reply);
    return *slot;
}

// An InvalidInput answer differs from the others of its rejection only in its line number.
// Qt writes an object's keys in sorted order, and "line" comes before a rejection's other keys
// ("message", "outcome"): the answer is the number put before the text of the answer without
// it.
const std::string &BatchRunner::rejected(const Rejection &rejection, long long lineNumber)
{
    std::string *stored = nullptr;
    for (auto &[known, text] : m_rejected)
        if (known == rejection)
            stored = &text;
    if (!stored) {
        Reply reply;
        reply.rejection = rejection;
        std::string json = jsonOf(reply);
        if (OutcomeOf(reply) == ReplyOutcome::InvalidInput)
            json.erase(0, 1); // the opening brace, written with the line number
        m_rejected.emplace_back(rejection, std::move(json));
        stored = &m_rejected.back().second;
    }
    if (OutcomeOf(rejection.reason) != ReplyOutcome::InvalidInput)
        return *stored;
    // Without a line number (a line counted from 1 always has one) the key is left out.
    m_scratch = lineNumber > 0 ? "{\"line\":" + std::to_string(lineNumber) + ',' : "{";
    m_scratch += *stored;
    return m_scratch;
}

const std::string &BatchRunner::answer(std::string_view line, long long lineNumber)
{
    // Most lines are two dates and one space between them: when both halves read as dates they
    // are the line's two words, found without splitting it.
    constexpr std::size_t DateLength = 10;
    if (line.size() == 2 * DateLength + 1 && line[DateLength] == ' ') {
        const TypedDate birth = ParseIsoDate(line.substr(0, DateLength));
        const TypedDate conception = ParseIsoDate(line.substr(DateLength + 1));
        if (birth && conception)
            return answered(m_predictor.predict(birth, conception), lineNumber);
    }
    std::array<std::string_view, 2> words;
    if (SplitLineWords(line, words) == words.size())
        return answered(
            m_predictor.predict(ParseIsoDate(words[0]), ParseIsoDate(words[1])), lineNumber);
    // A blank line never reaches here from run(), which skips it; a caller that passes one
    // gets the same answer as for any other line without two dates.
    Rejection rejection;
    rejection.reason = RejectionReason::NotTwoDates;
    return rejected(rejection, lineNumber);
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
            Rejection rejection;
            rejection.reason = RejectionReason::LineTooLong;
            rejection.limit = static_cast<long long>(BatchLineReader::DefaultLineLimit);
            block += rejected(rejection, lineNumber);
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
