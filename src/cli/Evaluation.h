// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// kq-predict --evaluate: reads records "MOTHER_BIRTH CONCEPTION SEX" (with --from-birth
// "MOTHER_BIRTH BABY_BIRTH SEX") line by line, predicts each one exactly as --batch does and
// counts it in the agreement table, or counts it as skipped with its reason. Only counts are
// kept, so memory stays the same whatever the length of the input.
#pragma once

#include "Agreement.h"
#include "Predictor.h"

#include <array>
#include <cstdint>
#include <istream>
#include <optional>
#include <string_view>

namespace kq::cli {

// Why a record was left out; one reason per line, looked for in this order.
enum class SkipReason {
    NotThreeFields, // not three fields separated by white space, or longer than a line may be
    BadDate, // a date that is not YYYY-MM-DD, does not exist, or lies outside the calendar
    AgeOutOfRange, // the mother's Chinese age outside the chart's ages
    UnknownSex, // the third field is none of F, M, girl, boy (in any case)
};
inline constexpr std::size_t SkipReasonCount = 4;

// What the second field of a record holds.
enum class SecondDate { Conception, BabyBirth };

struct EvaluationCounts
{
    AgreementTable table;
    std::array<std::uint64_t, SkipReasonCount> skipped {};

    std::uint64_t skippedCount(SkipReason reason) const
    {
        return skipped[static_cast<std::size_t>(reason)];
    }
    std::uint64_t skippedTotal() const;
};

// F, M, girl or boy, in any case.
std::optional<Gender> ParseSex(std::string_view text) noexcept;

class Evaluation
{
public:
    Evaluation(Predictor &predictor, SecondDate secondDate);

    // Counts one line; a blank line holds no record and is not counted.
    void addLine(std::string_view line);

    // Counts every line of `input`. False when reading failed before the end of the input.
    bool run(std::istream &input);

    const EvaluationCounts &counts() const { return m_counts; }

private:
    std::optional<SkipReason> evaluate(std::string_view line);
    void skip(SkipReason reason) { ++m_counts.skipped[static_cast<std::size_t>(reason)]; }

    Predictor &m_predictor;
    SecondDate m_secondDate;
    EvaluationCounts m_counts;
};

} // namespace kq::cli
