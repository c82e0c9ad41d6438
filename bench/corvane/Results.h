#pragma once
// What every reader made of every picture, and the tables printed from it: read rates per set,
// class and symbology, wrong results, median times and false positives.

#include "Readers.h"
#include "Samples.h"
#include "Timing.h"

#include <functional>
#include <string>
#include <vector>

namespace bench {

struct Outcome {
    bool read = false;     // one result was the expected text
    int wrong = 0;         // results that were not (every result, on a negative)
    int wrongAt100 = 0;    // of them, results at score 100
    bool aborted = false;  // the reader took its process down
    double microseconds = 0;
};

// One picture: where it belongs and each reader's outcome, in the readers' order.
struct Record {
    std::string set, group, symbology, id;
    bool peersRead = true;
    std::vector<Outcome> outcomes;
};

Outcome Judge(const Sample& sample, const BenchReader& reader, const Reading& reading);

using RecordFilter = std::function<bool(const Record&)>;

class Results {
public:
    explicit Results(const std::vector<BenchReader>& readers) : readers_(readers) {}

    void Add(Record record) { records_.push_back(std::move(record)); }

    // Per reader: read, wrong, wrong at 100, aborts and median time over the matching pictures.
    // Readers that cannot read them (peers on symbologies they lack) are left out.
    void PrintSummary(const std::string& title, const RecordFilter& filter) const;
    // Read rates with a row per value of `key` and a column per reader.
    void PrintBreakdown(const std::string& title, const RecordFilter& filter,
                        const std::function<std::string(const Record&)>& key) const;
    // Per reader: pictures with any result, per negative kind and in all; results at score 100.
    void PrintFalsePositives(const std::string& title, const RecordFilter& filter) const;

private:
    bool Applies(std::size_t reader, const Record& record) const;

    const std::vector<BenchReader>& readers_;
    std::vector<Record> records_;
};

}  // namespace bench
