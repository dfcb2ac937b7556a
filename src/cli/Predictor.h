// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// One prediction from two dates as kq-predict reads them: the dates are held to the accepted
// years (conceptions 1901 to 2099; births 1856 to 2099, or the main window's 1915 to 2012 with
// a conception in its years 1960 to 2012) and the main window's date check (conception first),
// then passed to the engine, whose state lasts for the whole run.
#pragma once

#include "ConceptionEstimate.h"
#include "Prediction.h"
#include "Rejection.h"

#include <chrono>
#include <optional>
#include <string_view>

namespace kq::cli {

// The years kq-predict accepts: conceptions over the whole official calendar, births from the
// year of the oldest mother the chart knows. With a conception in the main window's years
// (1960 to 2012) the birth year is held to its list (1915 to 2012).
inline constexpr int FirstBirthYear = FirstExtendedBirthYear;
inline constexpr int FirstConceptionYear = FirstExtendedConceptionYear;
inline constexpr int LastYear = LastExtendedYear;

// A date as typed, as the main window's lists would hold it: no value when the text is not
// written YYYY-MM-DD; the day need not exist in its month (the main window's date check says
// so in its own words).
using TypedDate = std::optional<DateSelection>;

enum class ReplyOutcome { Predicted, AgeOutOfRange, InvalidDate, InvalidInput };

// The outcome of a reply that gives no answer.
ReplyOutcome OutcomeOf(RejectionReason reason) noexcept;

// What kq-predict answers for one question, without a word of text: why the question was
// refused, or the engine's answer (which may itself be AgeOutOfRange).
struct Reply
{
    std::optional<Rejection> rejection;
    PredictionAnswer answer; // without a rejection
    DateSelection birth; // as read, when it could be read
    DateSelection conception; // as read, when it could be read
    // --due, --last-period: how the date of conception was estimated
    std::optional<ConceptionEstimate> estimate;
    long long line = 0; // --batch: the input line of an InvalidInput reply
};

ReplyOutcome OutcomeOf(const Reply &reply) noexcept;

// What kq-predict answers for --lunar-month: the lunar month in force on the date, with the
// day it began and the calendar that gave it, or why there is none.
struct LunarMonthReply
{
    std::optional<Rejection> rejection;
    DateSelection date; // as read, when it could be read
    modDurorurOzivurediRuvidevo::LunarMonthInForce month; // without a rejection
};

ReplyOutcome OutcomeOf(const LunarMonthReply &reply) noexcept;

class Predictor
{
public:
    explicit Predictor(std::chrono::year_month_day today);

    // The whole answer, as values; the engine's state carries over as in the desktop program.
    Reply predict(TypedDate birth, TypedDate conception);
    // The same from two texts, read at the edge.
    Reply predict(std::string_view birthText, std::string_view conceptionText);

    std::chrono::year_month_day today() const { return m_today; }

    // The lunar month in force on a date of the accepted conception years (no prediction, so
    // neither the engine's state nor today plays a part).
    static LunarMonthReply lunarMonth(TypedDate date);
    static LunarMonthReply lunarMonth(std::string_view dateText);

private:
    PredictionState m_state;
    std::chrono::year_month_day m_today;
};

} // namespace kq::cli
