#include "Results.h"

#include <algorithm>
#include <cstdio>

namespace bench {

Outcome Judge(const Sample& sample, const BenchReader& reader, const Reading& reading)
{
    Outcome o;
    o.aborted = reading.aborted;
    o.microseconds = reading.microseconds;
    for (const Decoded& d : reading.found) {
        if (Accepts(sample, reader.family, d.text)) {  // the same symbol read twice is no error
            o.read = true;
            continue;
        }
        ++o.wrong;
        o.wrongAt100 += d.score == 100;
    }
    return o;
}

bool Results::Applies(std::size_t reader, const Record& record) const
{
    return record.peersRead || readers_[reader].family == ReaderFamily::Corvane;
}

void Results::PrintSummary(const std::string& title, const RecordFilter& filter) const
{
    std::printf("\n%s\n", title.c_str());
    std::printf("  %-12s %13s %8s %8s %8s %8s %11s\n", "reader", "read", "", "wrong", "at 100", "aborts", "median ms");
    for (std::size_t r = 0; r < readers_.size(); ++r) {
        int images = 0, read = 0, wrongImages = 0, wrong100 = 0, aborted = 0;
        std::vector<double> times;
        for (const Record& rec : records_) {
            if (!filter(rec) || !Applies(r, rec))
                continue;
            const Outcome& o = rec.outcomes[r];
            ++images;
            read += o.read;
            wrongImages += o.wrong > 0;
            wrong100 += o.wrongAt100;
            aborted += o.aborted;
            if (!o.aborted)
                times.push_back(o.microseconds);
        }
        if (images == 0)
            continue;
        std::printf("  %-12s %6d / %-5d %6.1f %% %8d %8d %8d %11.2f\n", readers_[r].label, read, images, 100.0 * read / images,
                    wrongImages, wrong100, aborted, Median(times) / 1000);
    }
    std::printf("  (wrong: pictures with a result that is not the expected text; at 100: such results at score 100)\n");
}

void Results::PrintBreakdown(const std::string& title, const RecordFilter& filter,
                             const std::function<std::string(const Record&)>& key) const
{
    std::vector<std::string> keys;
    for (const Record& rec : records_)
        if (filter(rec) && std::find(keys.begin(), keys.end(), key(rec)) == keys.end())
            keys.push_back(key(rec));
    if (keys.empty())
        return;
    std::vector<std::size_t> columns;  // readers that apply to at least one matching picture
    for (std::size_t r = 0; r < readers_.size(); ++r)
        if (std::any_of(records_.begin(), records_.end(), [&](const Record& rec) { return filter(rec) && Applies(r, rec); }))
            columns.push_back(r);
    std::printf("\n%s (read %%)\n  %-22s %6s", title.c_str(), "", "images");
    for (const std::size_t r : columns)
        std::printf(" %10s", readers_[r].label);
    std::printf("\n");
    for (const std::string& k : keys) {
        std::printf("  %-22s", k.c_str());
        int images = 0;
        for (const Record& rec : records_)
            images += filter(rec) && key(rec) == k;
        std::printf(" %6d", images);
        for (const std::size_t r : columns) {
            int applicable = 0, read = 0;
            for (const Record& rec : records_)
                if (filter(rec) && key(rec) == k && Applies(r, rec)) {
                    ++applicable;
                    read += rec.outcomes[r].read;
                }
            if (applicable == 0)
                std::printf(" %10s", "-");
            else
                std::printf(" %9.1f%%", 100.0 * read / applicable);
        }
        std::printf("\n");
    }
}

void Results::PrintFalsePositives(const std::string& title, const RecordFilter& filter) const
{
    std::vector<std::string> kinds;
    for (const Record& rec : records_)
        if (filter(rec) && std::find(kinds.begin(), kinds.end(), rec.group) == kinds.end())
            kinds.push_back(rec.group);
    if (kinds.empty())
        return;
    std::printf("\n%s (pictures with any result)\n  %-12s", title.c_str(), "reader");
    for (const std::string& k : kinds)
        std::printf(" %13s", k.c_str());
    std::printf(" %9s %8s %8s %11s\n", "all", "results", "at 100", "median ms");
    for (std::size_t r = 0; r < readers_.size(); ++r) {
        std::printf("  %-12s", readers_[r].label);
        int all = 0, results = 0, at100 = 0, images = 0;
        std::vector<double> times;
        for (const std::string& k : kinds) {
            int hit = 0, n = 0;
            for (const Record& rec : records_)
                if (filter(rec) && rec.group == k) {
                    const Outcome& o = rec.outcomes[r];
                    ++n;
                    hit += o.wrong > 0;
                    results += o.wrong;
                    at100 += o.wrongAt100;
                    if (!o.aborted)
                        times.push_back(o.microseconds);
                }
            std::printf(" %6d / %-4d", hit, n);
            all += hit;
            images += n;
        }
        std::printf(" %4d/%-4d %8d %8d %11.2f\n", all, images, results, at100, Median(times) / 1000);
    }
}

}  // namespace bench
