// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// How kq-predict says how good the calendar is: the report of --evaluate as text and as JSON,
// and the paragraph on the largest study that ends --explain.
#pragma once

#include "Evaluation.h"

#include <QJsonObject>
#include <QString>

namespace kq::cli {

// Records used and skipped (by reason), the 2x2 table, the accuracy and Cohen's kappa with
// its 95% confidence interval.
QString EvaluationText(const EvaluationCounts &counts);

// The same as one object: evaluated, skipped {total, notThreeFields, badDate, ageOutOfRange,
// unknownSex}, table {predictedGirl, predictedBoy: {girl, boy}}, accuracy (0 to 1, or null),
// kappa ({value, standardError, lower95, upper95}, or null).
QJsonObject EvaluationToJson(const EvaluationCounts &counts);

// What the largest study found, with a pointer to --evaluate.
QString StudyParagraph();

} // namespace kq::cli
