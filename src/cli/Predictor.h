// One prediction from two typed dates, as kq-predict makes it: the dates are read, held to the
// main window's lists (birth years 1915 to 2012, conception years 1960 to 2012) and its date
// check (conception first), then passed to the engine, whose state lasts for the whole run.
#pragma once

#include "Prediction.h"

#include <chrono>
#include <string>
#include <string_view>

namespace kq::cli {

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
};

class Predictor
{
public:
    explicit Predictor(std::chrono::year_month_day today);

    Reply predict(std::string_view birthText, std::string_view conceptionText);

    // The lunar month in force on a date of the conception lists.
    Reply lunarMonth(std::string_view dateText) const;

private:
    PredictionState m_state;
    std::chrono::year_month_day m_today;
};

} // namespace kq::cli
