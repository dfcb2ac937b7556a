// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// Times kq-predict --evaluate's reading and counting on 10,000,000 records made on the fly by
// an input stream (no file, nothing held), and reports the peak resident memory after 100,000
// and after 10,000,000 records: the counting holds only counts, so the peak stays put.
#include "Evaluation.h"
#include "Predictor.h"

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <array>
#include <cstdint>
#include <istream>
#include <streambuf>

namespace {

using kq::cli::Evaluation;
using kq::cli::Predictor;
using kq::cli::SecondDate;

// Lines "BIRTH CONCEPTION SEX": conceptions 1960 to 2012 (days 1 to 28), the mother 17 to 44
// years older (a Chinese age of 17 to 45: nearly all are predicted, a few are too young), sex
// at random; one line in a hundred is malformed. Made block by block as the reader asks.
class RecordSource : public std::streambuf
{
public:
    explicit RecordSource(std::int64_t records)
        : m_left(records)
    { }

protected:
    int_type underflow() override
    {
        char *at = m_block.data();
        char *const end = m_block.data() + m_block.size() - LineRoom;
        while (m_left > 0 && at < end) {
            at = writeLine(at);
            --m_left;
        }
        if (at == m_block.data())
            return traits_type::eof();
        setg(m_block.data(), m_block.data(), at);
        return traits_type::to_int_type(m_block[0]);
    }

private:
    static constexpr std::size_t LineRoom = 32;

    std::uint64_t next()
    {
        // splitmix64: fast, and the same numbers everywhere.
        std::uint64_t z = (m_seed += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }

    static char *digits(char *at, unsigned value, int count)
    {
        for (int i = count - 1; i >= 0; --i) {
            at[i] = char('0' + value % 10);
            value /= 10;
        }
        return at + count;
    }

    static char *date(char *at, unsigned year, unsigned month, unsigned day)
    {
        at = digits(at, year, 4);
        *at++ = '-';
        at = digits(at, month, 2);
        *at++ = '-';
        return digits(at, day, 2);
    }

    char *writeLine(char *at)
    {
        const std::uint64_t r = next();
        if (r % 100 == 0) {
            for (const char c : "not a record\n")
                if (c != '\0')
                    *at++ = c;
            return at;
        }
        const unsigned conceptionYear = 1960 + (r >> 8) % 53;
        const unsigned yearsBetween = 17 + (r >> 16) % 28; // Chinese age 17 to 45
        at = date(at, conceptionYear - yearsBetween, 1 + (r >> 24) % 12, 1 + (r >> 28) % 28);
        *at++ = ' ';
        at = date(at, conceptionYear, 1 + (r >> 36) % 12, 1 + (r >> 40) % 28);
        *at++ = ' ';
        *at++ = (r >> 48) & 1 ? 'M' : 'F';
        *at++ = '\n';
        return at;
    }

    std::array<char, 1 << 16> m_block {};
    std::int64_t m_left;
    std::uint64_t m_seed = 1995;
};

double peakResidentMiB()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0; // Linux: KiB
}

// Making the lines alone: subtract from the evaluation's time for the counting's own share.
void GenerateOnly(benchmark::State &state)
{
    for (auto _ : state) {
        RecordSource source(state.range(0));
        std::istream input(&source);
        std::int64_t lines = 0;
        for (int c; (c = input.rdbuf()->sbumpc()) != std::char_traits<char>::eof();)
            lines += c == '\n';
        benchmark::DoNotOptimize(lines);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void Evaluate(benchmark::State &state)
{
    std::uint64_t evaluated = 0;
    for (auto _ : state) {
        RecordSource source(state.range(0));
        std::istream input(&source);
        Predictor predictor(std::chrono::year {2012} / 6 / 15);
        Evaluation evaluation(predictor, SecondDate::Conception);
        if (!evaluation.run(input))
            state.SkipWithError("reading failed");
        evaluated = evaluation.counts().table.total();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.counters["evaluated"] = static_cast<double>(evaluated);
    state.counters["peakRssMiB"] = peakResidentMiB();
}

} // namespace

BENCHMARK(GenerateOnly)->Arg(10'000'000)->Iterations(1)->Unit(benchmark::kMillisecond);
// 100,000 first: the peak memory after it and after 10,000,000 records should be the same.
BENCHMARK(Evaluate)->Arg(100'000)->Arg(10'000'000)->Iterations(1)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
