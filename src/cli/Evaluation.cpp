// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// Reading and counting the records of kq-predict --evaluate.
#include "Evaluation.h"

#include "BatchLineReader.h"
#include "DueDate.h"
#include "IsoDate.h"
#include "LineWords.h"

#include <string>

namespace kq::cli {

namespace {

bool equalsIgnoringCase(std::string_view text, std::string_view lowerCase)
{
    if (text.size() != lowerCase.size())
        return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i] >= 'A' && text[i] <= 'Z' ? char(text[i] - 'A' + 'a') : text[i];
        if (c != lowerCase[i])
            return false;
    }
    return true;
}

} // namespace

std::uint64_t EvaluationCounts::skippedTotal() const
{
    std::uint64_t total = 0;
    for (const std::uint64_t count : skipped)
        total += count;
    return total;
}

std::optional<Sex> ParseSex(std::string_view text) noexcept
{
    if (equalsIgnoringCase(text, "f") || equalsIgnoringCase(text, "girl"))
        return Sex::Girl;
    if (equalsIgnoringCase(text, "m") || equalsIgnoringCase(text, "boy"))
        return Sex::Boy;
    return std::nullopt;
}

Evaluation::Evaluation(Predictor &predictor, SecondDate secondDate)
    : m_predictor(predictor)
    , m_secondDate(secondDate)
{ }

std::optional<SkipReason> Evaluation::evaluate(std::string_view line)
{
    std::array<std::string_view, 3> words;
    if (SplitLineWords(line, words) != words.size())
        return SkipReason::NotThreeFields;

    std::string conception(words[1]);
    if (m_secondDate == SecondDate::BabyBirth) {
        const auto babyBirth = ParseCalendarDate(words[1]);
        if (!babyBirth)
            return SkipReason::BadDate;
        const std::chrono::year_month_day estimated = ConceptionFromDueDate(*babyBirth);
        conception = FormatIsoDate(int(estimated.year()), int(unsigned(estimated.month())),
            int(unsigned(estimated.day())));
    }
    const Reply reply = m_predictor.predict(words[0], conception);
    switch (reply.outcome) {
    case ReplyOutcome::Predicted:
        break;
    case ReplyOutcome::AgeOutOfRange:
        return SkipReason::AgeOutOfRange;
    case ReplyOutcome::InvalidDate:
    case ReplyOutcome::InvalidInput:
        return SkipReason::BadDate;
    }

    const auto baby = ParseSex(words[2]);
    if (!baby)
        return SkipReason::UnknownSex;
    m_counts.table.add(reply.result.Gender == "Girl" ? Sex::Girl : Sex::Boy, *baby);
    return std::nullopt;
}

void Evaluation::addLine(std::string_view line)
{
    if (IsBlankLine(line))
        return;
    if (const auto reason = evaluate(line))
        skip(*reason);
}

bool Evaluation::run(std::istream &input)
{
    BatchLineReader reader(input);
    std::string_view line;
    bool tooLong = false;
    while (reader.next(line, tooLong)) {
        if (tooLong)
            skip(SkipReason::NotThreeFields);
        else
            addLine(line);
    }
    return !reader.failed();
}

} // namespace kq::cli
