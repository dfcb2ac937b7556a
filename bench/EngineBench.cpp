// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// Speed of the engine: LookUpLunarMonth over every day from 1960 to 2012, and
// LookUpLunarMonthInForce (the lookup of both calendars) over every day from 1901 to 2099, and
// PredictBabyGender over every pair of birth year (1915 to 2012) and conception day. Each
// iteration is one call, so the reported time is the time per lookup or prediction.
#include "Prediction.h"
#include "modDurorurOzivurediRuvidevo.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <vector>

using namespace std::chrono;

namespace {

std::vector<kq::DateSelection> everyDay(int firstYear, int lastYear)
{
    std::vector<kq::DateSelection> days;
    for (sys_days d = sys_days {year {firstYear} / January / 1};
         d <= sys_days {year {lastYear} / December / 31}; d += std::chrono::days {1}) {
        const year_month_day date {d};
        days.push_back({static_cast<int>(static_cast<unsigned>(date.day())),
            static_cast<int>(static_cast<unsigned>(date.month())), static_cast<int>(date.year())});
    }
    return days;
}

std::vector<kq::DateSelection> everyConceptionDay()
{
    return everyDay(1960, 2012);
}

struct Pair
{
    kq::DateSelection birth;
    kq::DateSelection conception;
};

// Every birth year with every conception day; `acceptedOnly` keeps the pairs whose Chinese age
// lies in 18 to 45 (those that reach the table and the chart).
std::vector<Pair> everyPair(bool acceptedOnly)
{
    std::vector<Pair> pairs;
    for (const kq::DateSelection &conception : everyConceptionDay()) {
        for (int birthYear = 1915; birthYear <= 2012; ++birthYear) {
            const int age = conception.Year - birthYear
                + (conception.Month > 2 || (conception.Month == 2 && conception.Day > 20));
            if (acceptedOnly && (age < 18 || age > 45))
                continue;
            pairs.push_back({{1 + birthYear % 28, 1 + birthYear % 12, birthYear}, conception});
        }
    }
    return pairs;
}

void LookUpLunarMonth_EveryDay(benchmark::State &state)
{
    const std::vector<kq::DateSelection> days = everyConceptionDay();
    std::size_t i = 0;
    for (auto _ : state) {
        const kq::DateSelection &d = days[i];
        benchmark::DoNotOptimize(
            modDurorurOzivurediRuvidevo::LookUpLunarMonth(d.Year, d.Month, d.Day));
        if (++i == days.size())
            i = 0;
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["days"] = static_cast<double>(days.size());
}
BENCHMARK(LookUpLunarMonth_EveryDay);

// The lookup that answers from 1901 to 2099: the program's table inside 1960 to 2012, the
// official calendar outside, with the day the month began.
void LookUpLunarMonthInForce_EveryDay(benchmark::State &state)
{
    const std::vector<kq::DateSelection> days = everyDay(1901, 2099);
    std::size_t i = 0;
    for (auto _ : state) {
        const kq::DateSelection &d = days[i];
        benchmark::DoNotOptimize(
            modDurorurOzivurediRuvidevo::LookUpLunarMonthInForce(d.Year, d.Month, d.Day));
        if (++i == days.size())
            i = 0;
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["days"] = static_cast<double>(days.size());
}
BENCHMARK(LookUpLunarMonthInForce_EveryDay);

void predictEveryPair(benchmark::State &state, bool acceptedOnly)
{
    const std::vector<Pair> pairs = everyPair(acceptedOnly);
    const year_month_day today = year {2012} / June / 15;
    kq::PredictionState engine;
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            engine.PredictBabyGender(pairs[i].birth, pairs[i].conception, today));
        if (++i == pairs.size())
            i = 0;
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["pairs"] = static_cast<double>(pairs.size());
}

void PredictBabyGender_EveryPair(benchmark::State &state)
{
    predictEveryPair(state, false);
}
BENCHMARK(PredictBabyGender_EveryPair);

// Only the pairs that are predicted (no early return for an age outside 18 to 45).
void PredictBabyGender_PredictedPairs(benchmark::State &state)
{
    predictEveryPair(state, true);
}
BENCHMARK(PredictBabyGender_PredictedPairs);

} // namespace

BENCHMARK_MAIN();
