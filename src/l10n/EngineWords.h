// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The engine's answers in words, for the windows and kq-predict alike: the gender, the baby's
// colour, the congratulation line and the messages of the date check and of the mother's age.
// The engine answers in values only; these are the only place its texts are written, as the
// source texts of one catalogue (kq-engine_*.ts, context "EngineWords"). In English, and with
// no catalogue installed, each reads exactly as the program has always written it.
#pragma once

#include "Gender.h"
#include "Prediction.h"
#include "Wording.h"

#include <QString>

namespace kq::EngineWords {

// "Boy" or "Girl".
QString gender(Gender gender, Wording wording = Wording::UserLanguage);

// The baby's colour: "Blue" for a boy, "Pink" for a girl.
QString babyColour(Gender gender, Wording wording = Wording::UserLanguage);

// One of the two congratulation lines, which the result window shows above the gender.
QString congratulation(CongratulationLine line, Wording wording = Wording::UserLanguage);

// The congratulation line and the gender as one sentence, as kq-predict ends a prediction: in
// English the line, a space and the gender ("Congratulations!! Your predicted to have a Baby
// Girl"); each language words the whole sentence.
QString congratulationWithGender(
    CongratulationLine line, Gender gender, Wording wording = Wording::UserLanguage);

// The words of a prediction, all at once: the gender, the baby's colour, the congratulation
// line, and the line with the gender as one sentence.
struct PredictionWords
{
    QString gender;
    QString babyColour;
    QString congratulation;
    QString congratulationWithGender;
};

PredictionWords wordsOf(const PredictionAnswer &answer, Wording wording = Wording::UserLanguage);

// The message of the date check that failed.
QString dateCheck(DateCheck check, Wording wording = Wording::UserLanguage);

// The message for a mother's Chinese age outside the chart's ages: two lines, joined by
// "\r\n" in English, the second of them ageLimits().
QString ageOutOfRange(Wording wording = Wording::UserLanguage);

// "Mother's Age Must Be Between 18 to 45 at Time Of Conception !", with the chart's ages: the
// age message's second line, and the reminder under the main window's banner.
QString ageLimits(Wording wording = Wording::UserLanguage);

} // namespace kq::EngineWords
