// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// One prediction from two typed dates, as kq-predict makes it: the dates are read, held to the
// accepted years (conceptions 1901 to 2099; births 1856 to 2099, or the main window's 1915 to
// 2012 with a conception in its years 1960 to 2012) and the main window's date check
// (conception first), then passed to the engine, whose state lasts for the whole run.
#pragma once

#include "ConceptionEstimate.h"
#include "Prediction.h"
#include "modDurorurOzivurediRuvidevo.h"

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace kq::cli {

// The years kq-predict accepts: conceptions over the whole official calendar, births from the
// year of the oldest mother the chart knows. With a conception in the main window's years
// (1960 to 2012) the birth year is held to its list (1915 to 2012).
inline constexpr int FirstBirthYear = FirstExtendedBirthYear;
inline constexpr int FirstConceptionYear = FirstExtendedConceptionYear;
inline constexpr int LastYear = LastExtendedYear;

enum class ReplyOutcome { Predicted, AgeOutOfRange, InvalidDate, InvalidInput };

// What kq-predict answers for one question.
struct Reply
{
    ReplyOutcome outcome = ReplyOutcome::InvalidInput;
    PredictionResult result; // Predicted; AgeOutOfRange (the age only)
    std::string message; // AgeOutOfRange, InvalidDate, InvalidInput
    DateSelection birth; // as read, when it could be read
    DateSelection conception; // as read, when it could be read
    long long line = 0; // --batch: the input line of an InvalidInput reply
    // --due, --last-period: how the date of conception was estimated
    std::optional<ConceptionEstimate> estimate;
};

// What decides the answer to a question that passes the date checks, found without building
// the answer's texts: --batch reuses one answer for every question with the same key.
struct AnswerKey
{
    ReplyOutcome outcome = ReplyOutcome::Predicted; // Predicted or AgeOutOfRange
    long long age = 0; // the mother's Chinese age
    int lunarMonth = 0; // Predicted: the lunar month of conception (0: none found)
    // Predicted: the calendar that gave the month
    modDurorurOzivurediRuvidevo::LunarCalendar calendar
        = modDurorurOzivurediRuvidevo::LunarCalendar::Classic;
    // Predicted: the congratulation line depends on the month of conception and today.
    int conceptionYear = 0;
    int conceptionMonth = 0;
};

class Predictor
{
public:
    explicit Predictor(std::chrono::year_month_day today);

    Reply predict(std::string_view birthText, std::string_view conceptionText);

    // The key of the answer predict() gives for the same dates. No value when the dates are
    // rejected: `rejection` then holds the reply predict() gives. It leaves the engine's state
    // alone.
    std::optional<AnswerKey> answerKey(std::string_view birthText, std::string_view conceptionText,
        std::optional<Reply> &rejection) const;

    std::chrono::year_month_day today() const { return m_today; }

    // The lunar month in force on a date of the accepted conception years, and the calendar
    // that gave it.
    Reply lunarMonth(std::string_view dateText) const;

private:
    // Reads both dates and makes the main window's checks; the rejection, if any.
    static std::optional<Reply> readDates(std::string_view birthText,
        std::string_view conceptionText, DateSelection &birth, DateSelection &conception);

    PredictionState m_state;
    std::chrono::year_month_day m_today;
};

} // namespace kq::cli
