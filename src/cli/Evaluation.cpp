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

std::optional<Gender> ParseSex(std::string_view text) noexcept
{
    if (equalsIgnoringCase(text, "f") || equalsIgnoringCase(text, "girl"))
        return Gender::Girl;
    if (equalsIgnoringCase(text, "m") || equalsIgnoringCase(text, "boy"))
        return Gender::Boy;
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

    TypedDate conception = ParseIsoDate(words[1]);
    if (m_secondDate == SecondDate::BabyBirth) {
        // The baby's date of birth taken as its due date.
        if (!conception || !CalendarDateOf(*conception).ok())
            return SkipReason::BadDate;
        conception = SelectionOf(ConceptionFromDueDate(CalendarDateOf(*conception)));
    }
    const Reply reply = m_predictor.predict(ParseIsoDate(words[0]), conception);
    if (reply.rejection)
        return SkipReason::BadDate;
    if (reply.answer.outcome != PredictionOutcome::Predicted)
        return SkipReason::AgeOutOfRange;

    const auto baby = ParseSex(words[2]);
    if (!baby)
        return SkipReason::UnknownSex;
    m_counts.table.add(reply.answer.gender, *baby);
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
