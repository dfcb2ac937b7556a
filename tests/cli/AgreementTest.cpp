// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// Tests of the agreement arithmetic of kq-predict --evaluate: accuracy and Cohen's kappa with
// its large-sample standard error and 95% interval, on tables worked out by hand.
#include "Agreement.h"

#include "RowName.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

using namespace kq::cli;
using kq::Gender;

namespace {

// Counts: g/b = predicted girl/boy, then the baby's sex.
struct AgreementCase
{
    const char *name;
    std::uint64_t girlGirl, girlBoy, boyGirl, boyBoy;
    double accuracy;
    bool kappaDefined;
    double kappa, standardError, lower, upper;
    // Cochran's rule: every cell expects at least 5 records (row total x column total / n).
    bool intervalHolds = true;
};

// Worked by hand with p_o the share on the diagonal, p_e = sum of row share x column share,
// kappa = (p_o - p_e) / (1 - p_e), and the large-sample variance of Fleiss, Cohen and Everitt
// (1969):  [A + B - C] / (n (1 - p_e)^2),  A = sum_i p_ii (1 - (p_i. + p_.i)(1 - k))^2,
// B = (1 - k)^2 sum_{i != j} p_ij (p_.i + p_j.)^2,  C = (k - p_e (1 - k))^2;
// interval kappa +- 1.959964 SE, cut off at -1 and 1.
const AgreementCase AgreementCases[] = {
    // n = 50; p = .4 .1 / .2 .3; rows .5 .5, columns .6 .4.
    // p_o = .7, p_e = .5*.6 + .5*.4 = .5, kappa = .2/.5 = .4, 1 - k = .6.
    // A = .4 (1 - 1.1*.6)^2 + .3 (1 - .9*.6)^2 = .4*.1156 + .3*.2116 = .10972
    // B = .36 (.1 (.6 + .5)^2 + .2 (.4 + .5)^2) = .36 (.121 + .162) = .10188
    // C = (.4 - .5*.6)^2 = .01;  var = .2016 / (50 * .25) = .016128, SE = .1269961
    // interval .4 -+ .2489077 = .1510923 to .6489077.
    // (Cohen's simpler p_o(1 - p_o) / (n (1 - p_e)^2) would give SE .1296148.)
    {"HandWorkedTable", 20, 5, 10, 15, 0.7, true, 0.4, 0.1269961, 0.1510923, 0.6489077},
    // Every prediction right, both sexes present: p_o = 1, p_e = .6*.6 + .4*.4 = .52, kappa
    // = 1; A = .6 + .4 = 1, B = 0, C = 1: variance 0.
    {"EveryPredictionRight", 30, 0, 0, 20, 1.0, true, 1.0, 0.0, 1.0, 1.0},
    // Every prediction wrong, as many girls as boys predicted: p_o = 0, p_e = .5*.5*2 = .5,
    // kappa = -.5/.5 = -1; A = 0, B = 4 (.5*1 + .5*1) = 4, C = (-1 - .5*2)^2 = 4: variance 0.
    {"EveryPredictionWrongBalanced", 0, 25, 25, 0, 0.0, true, -1.0, 0.0, -1.0, -1.0},
    // Every prediction wrong, but 30 girls predicted against 10 boys: p = 0 .75 / .25 0, rows
    // .75 .25, columns .25 .75; p_e = .375, kappa = -.375/.625 = -.6 (not -1).
    // B = 2.56 (.75 (.25 + .25)^2 + .25 (.75 + .75)^2) = 2.56 * .75 = 1.92, C = (-.6 - .6)^2
    // = 1.44; var = .48 / (40 * .390625) = .03072, SE = .1752712; interval -.6 -+ .3435253.
    // The cell predicted boy, born girl expects 10 x 10 / 40 = 2.5 records: too few.
    {"EveryPredictionWrongUnbalanced", 0, 30, 10, 0, 0.0, true, -0.6, 0.1752712, -0.9435253,
        -0.2564747, false},
    // Chance: 2,500 in each cell. p_o = p_e = .5, kappa = 0, (1 - k)^2 = 1; A = 2 * .25 (1 -
    // 1)^2 = 0, B = .25 (.5 + .5)^2 + .25 (.5 + .5)^2 = .5, C = (0 - .5)^2 = .25;
    // var = .25 / (10000 * .25) = 1/10000, SE = .01; interval -+ .0195996.
    {"ChanceAgreement", 2500, 2500, 2500, 2500, 0.5, true, 0.0, 0.01, -0.0195996, 0.0195996},
    // Always "girl": p_o = p_e = .6 (the share of girls), kappa = 0 for any such sample, so
    // its variance is 0: A = .6 (1 - 1.6)^2 = .216, B = .4 (.6 + 0)^2 = .144, C = .36.
    // No boy predicted: the boy row expects no record at all.
    {"AlwaysTheSamePrediction", 30, 20, 0, 0, 0.6, true, 0.0, 0.0, 0.0, 0.0, false},
    // n = 3; p = 1/3 0 / 1/3 1/3; rows 1/3 2/3, columns 2/3 1/3; p_o = 2/3, p_e = 4/9,
    // kappa = (2/9)/(5/9) = .4. A = 1/3 (1 - 1*.6)^2 + 1/3 (1 - 1*.6)^2 = .1066667,
    // B = .36 * 1/3 (1/3 + 1/3)^2 = .0533333, C = (.4 - 4/9*.6)^2 = (.1333333)^2 = .0177778;
    // var = .1422222 / (3 * 25/81) = .1536, SE = .3919184; upper .4 + .7681459 is cut to 1.
    {"IntervalCutOffAtOne", 1, 0, 1, 1, 2.0 / 3.0, true, 0.4, 0.3919184, -0.3681459, 1.0, false},
    // Cochran's bound itself: rows 10 10, columns 10 10 of 20 records, 5 expected in each cell.
    // p = .3 .2 / .2 .3, p_o = .6, p_e = .5, kappa = .2; 1 - k = .8;
    // A = 2 * .3 (1 - 1*.8)^2 = .024, B = .64 * 2 * .2 (.5 + .5)^2 = .256, C = (.2 - .4)^2 = .04;
    // var = .24 / (20 * .25) = .048, SE = .2190890; interval .2 -+ .4294066.
    {"FiveExpectedInEveryCell", 6, 4, 4, 6, 0.6, true, 0.2, 0.2190890, -0.2294066, 0.6294066},
    // One record fewer (rows 10 9, columns 9 10): the cell predicted boy, born girl expects
    // 9 x 9 / 19 = 4.26 records. p_o = 12/19, p_e = (90 + 90)/361, kappa = (228 - 180) / 181
    // = 48/181; SE .2197559 by the same formula (worked with a calculator).
    {"JustBelowFiveExpected", 6, 4, 3, 6, 12.0 / 19.0, true, 48.0 / 181.0, 0.2197559, -0.1655203,
        0.6959070, false},
    // Every prediction and every baby a girl: p_e = 1 and kappa is 0/0.
    {"OneCellOnly", 50, 0, 0, 0, 1.0, false, 0, 0, 0, 0},
};

class MeasureAgreementOf : public testing::TestWithParam<AgreementCase>
{
};

} // namespace

TEST_P(MeasureAgreementOf, HandWorkedTable)
{
    const AgreementCase &c = GetParam();
    AgreementTable table;
    table.add(Gender::Girl, Gender::Girl, c.girlGirl);
    table.add(Gender::Girl, Gender::Boy, c.girlBoy);
    table.add(Gender::Boy, Gender::Girl, c.boyGirl);
    table.add(Gender::Boy, Gender::Boy, c.boyBoy);

    const Agreement agreement = MeasureAgreement(table);
    EXPECT_EQ(agreement.records, c.girlGirl + c.girlBoy + c.boyGirl + c.boyBoy);
    ASSERT_TRUE(agreement.accuracy.has_value());
    EXPECT_NEAR(*agreement.accuracy, c.accuracy, 1e-12);
    ASSERT_EQ(agreement.kappa.has_value(), c.kappaDefined);
    if (!c.kappaDefined)
        return;
    const KappaEstimate &kappa = *agreement.kappa;
    EXPECT_NEAR(kappa.kappa, c.kappa, 1e-12);
    EXPECT_NEAR(kappa.standardError, c.standardError, 5e-7);
    EXPECT_NEAR(kappa.lower, c.lower, 5e-7);
    EXPECT_NEAR(kappa.upper, c.upper, 5e-7);
    EXPECT_EQ(kappa.intervalHolds, c.intervalHolds);
}

INSTANTIATE_TEST_SUITE_P(
    Tables, MeasureAgreementOf, testing::ValuesIn(AgreementCases), kq::test::RowName());

TEST(MeasureAgreement, NothingWithoutRecords)
{
    const Agreement agreement = MeasureAgreement(AgreementTable {});
    EXPECT_EQ(agreement.records, 0u);
    EXPECT_FALSE(agreement.accuracy.has_value());
    EXPECT_FALSE(agreement.kappa.has_value());
}

// Ten million records in one cell and one in another: the shares stay exact enough in double
// and nothing overflows. p_o = 1, rows = columns = (1 - 1e-7, 1e-7): kappa 1, variance 0.
TEST(MeasureAgreement, LargeCountsStayFinite)
{
    AgreementTable table;
    table.add(Gender::Girl, Gender::Girl, 9'999'999);
    table.add(Gender::Boy, Gender::Boy, 1);
    const Agreement agreement = MeasureAgreement(table);
    EXPECT_EQ(agreement.records, 10'000'000u);
    ASSERT_TRUE(agreement.kappa.has_value());
    EXPECT_NEAR(agreement.kappa->kappa, 1.0, 1e-9);
    EXPECT_TRUE(std::isfinite(agreement.kappa->standardError));
    EXPECT_LT(agreement.kappa->standardError, 1e-3);
}
