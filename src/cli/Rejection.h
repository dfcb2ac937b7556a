// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// Why kq-predict gives no answer to a question, as a value with its arguments (which date,
// which years, which check); Messages.h words it.
#pragma once

#include "ConceptionEstimate.h"
#include "Prediction.h"

#include <cstdint>
#include <optional>

namespace kq::cli {

enum class RejectionReason : std::uint8_t {
    NotWritten, // `date` is not written YYYY-MM-DD
    YearOutside, // the year of `date` lies outside firstYear to lastYear
    DateCheck, // the main window's date check `check` failed
    NoLunarMonth, // no calendar has a lunar month for the date
    NotTwoDates, // --batch: a line without two dates
    LineTooLong, // --batch: a line longer than `limit` characters
    EstimateNotADate, // --due, --last-period: the date given does not exist or is not YYYY-MM-DD
    EstimateOutside, // the estimated conception lies outside firstYear to lastYear
};

// Which of a question's dates a rejection speaks of.
enum class DateRole : std::uint8_t { Birth, Conception };

struct Rejection
{
    RejectionReason reason = RejectionReason::NotTwoDates;
    DateRole date = DateRole::Conception; // NotWritten, YearOutside
    int firstYear = 0; // YearOutside, EstimateOutside
    int lastYear = 0; // YearOutside, EstimateOutside
    kq::DateCheck check = kq::DateCheck::ConceptionLeapFebruary; // DateCheck
    long long limit = 0; // LineTooLong
    EstimatedFrom from = EstimatedFrom::DueDate; // EstimateNotADate
    std::optional<ConceptionEstimate> estimate; // EstimateOutside

    friend bool operator==(const Rejection &, const Rejection &) = default;
};

} // namespace kq::cli
