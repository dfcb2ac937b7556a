// kq-predict's answers as text for people: the prediction, the working behind it (--explain)
// and the gender chart as a table.
#pragma once

#include "Predictor.h"

#include <string>

namespace kq::cli {

// Age, lunar month, gender, colour name and the congratulation line.
std::string PredictionText(const Reply &reply);

// How the Chinese age was counted, the lunar month with the day it began, and the chart's row
// for the age with the month of conception marked.
std::string ExplanationText(const Reply &reply);

// The lunar month with the day on which it began.
std::string LunarMonthExplanationText(const Reply &reply);

std::string ChartText();

// A rejection's message for a terminal (line breaks as "\n"), with the age where one was
// counted.
std::string RejectionText(const Reply &reply);

} // namespace kq::cli
