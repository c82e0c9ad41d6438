#pragma once
// One reader on one page: what it read and how long it took, optionally in a child process.

#include "Readers.h"

#include <vector>

namespace bench {

struct Reading {
    std::vector<Decoded> found;
    double microseconds = 0;
    bool aborted = false;  // the reader took its process down
};

// The best time of `repeats` runs, with what that run read.
Reading Time(const Reader& read, Grey& page, int repeats);

// Time in a child process, handed back through a pipe. ZXing-C++ 1.4 as Debian builds it aborts
// on an assertion for some pages (Result::operator== on a result seen on several rows); a child
// keeps that from ending the benchmark. The time is measured inside the child, so the fork costs
// the reader nothing.
Reading Isolated(const Reader& read, Grey& page, int repeats);

// Either, as the reader asks.
Reading Run(const BenchReader& reader, Grey& page);

double Median(std::vector<double> values);

}  // namespace bench
