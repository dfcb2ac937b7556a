// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// Tests of the JSON answers: the keys of a prediction, of a rejection and of the chart.
#include "ReplyJson.h"
#include "CliRun.h"
#include "Predictor.h"

#include <QJsonArray>

#include <gtest/gtest.h>

using namespace kq::cli;
using namespace kq::test;
using namespace std::chrono;

TEST(ReplyJson, PredictionHasExactlyTheListedKeys)
{
    Predictor predictor(FixedToday);
    const QJsonObject object = ReplyToJson(predictor.predict("1980-06-15", "2008-02-21"));
    EXPECT_EQ(KeysOf(object), PredictionKeys);
    EXPECT_EQ(object["outcome"], "Predicted");
    EXPECT_EQ(object["motherChineseAge"], 29);
    EXPECT_EQ(object["conceptionLunarMonth"], 1);
    EXPECT_EQ(object["gender"], "Girl");
    EXPECT_EQ(object["babyColour"], (QJsonArray {255, 105, 180}));
    EXPECT_EQ(object["babyColourName"], "Pink");
    EXPECT_EQ(object["congratulationMessage"], "Congratulations!! Your Baby is predicted to be a");
}

TEST(ReplyJson, RejectionsCarryMessageAndAgeWhereCounted)
{
    Predictor predictor(FixedToday);
    const QJsonObject age = ReplyToJson(predictor.predict("1960-01-01", "2005-07-01"));
    EXPECT_EQ(KeysOf(age), (std::set<QString> {"outcome", "message", "motherChineseAge"}));
    EXPECT_EQ(age["outcome"], "AgeOutOfRange");
    EXPECT_EQ(age["motherChineseAge"], 46);
    const QJsonObject date = ReplyToJson(predictor.predict("1960-01-01", "2005-06-31"));
    EXPECT_EQ(KeysOf(date), (std::set<QString> {"outcome", "message"}));
    EXPECT_EQ(date["outcome"], "InvalidDate");
    const QJsonObject input = ReplyToJson(predictor.predict("1960-01-01", "2005"));
    EXPECT_EQ(KeysOf(input), (std::set<QString> {"outcome", "message"}));
    EXPECT_EQ(input["outcome"], "InvalidInput");
}

TEST(ReplyJson, ChartMapsEveryAgeToTwelveTexts)
{
    const QJsonObject chart = ChartToJson();
    ASSERT_EQ(chart.size(), 28);
    EXPECT_EQ(chart.keys().first(), "18");
    EXPECT_EQ(chart.keys().last(), "45");
    EXPECT_EQ(chart["21"].toArray().size(), 12);
    EXPECT_EQ(chart["21"].toArray().first(), "Boy");
    EXPECT_EQ(chart["21"].toArray().last(), "Girl");
}
