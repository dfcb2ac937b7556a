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

// A date as typed: no value when the text is not written YYYY-MM-DD; the day need not exist
// in its month (the main window's date check says so in its own words).
using TypedDate = std::optional<std::chrono::year_month_day>;

enum class ReplyOutcome { Predicted, AgeOutOfRange, InvalidDate, InvalidInput };

// The outcome of a reply that gives no prediction.
ReplyOutcome OutcomeOf(RejectionReason reason) noexcept;

// What decides the answer to a question, without a word of text: the rejection, or the
// engine's answer (which may itself be AgeOutOfRange).
struct Decision
{
    std::optional<Rejection> rejection;
    PredictionAnswer answer;
    DateSelection birth; // as read, when it could be read
    DateSelection conception; // as read, when it could be read
};

// What kq-predict answers for one question.
struct Reply
{
    ReplyOutcome outcome = ReplyOutcome::InvalidInput;
    PredictionResult result; // Predicted; AgeOutOfRange (the age only)
    Rejection rejection; // AgeOutOfRange, InvalidDate, InvalidInput
    DateSelection birth; // as read, when it could be read
    DateSelection conception; // as read, when it could be read
    long long line = 0; // --batch: the input line of an InvalidInput reply
    // --due, --last-period: how the date of conception was estimated
    std::optional<ConceptionEstimate> estimate;
};

// The reply for a decision: the engine's texts for a prediction.
Reply ReplyOf(const Decision &decision);

// A reply that gives no prediction.
Reply ReplyOf(const Rejection &rejection);

class Predictor
{
public:
    explicit Predictor(std::chrono::year_month_day today);

    // The whole answer, as values; the engine's state carries over as in the desktop program.
    Decision decide(TypedDate birth, TypedDate conception);

    Reply predict(TypedDate birth, TypedDate conception)
    {
        return ReplyOf(decide(birth, conception));
    }
    // The same from two texts, read at the edge.
    Reply predict(std::string_view birthText, std::string_view conceptionText);

    std::chrono::year_month_day today() const { return m_today; }

    // The lunar month in force on a date of the accepted conception years, and the calendar
    // that gave it.
    Reply lunarMonth(TypedDate date) const;
    Reply lunarMonth(std::string_view dateText) const;

private:
    PredictionState m_state;
    std::chrono::year_month_day m_today;
};

} // namespace kq::cli
