#include "LabelPhoto.h"
#include "Negatives.h"
#include "PhotoClasses.h"
#include "Samples.h"

#include <cstdio>
#include <cstdlib>

namespace bench {

void ForEachGenerated(int perCell, unsigned seed, const SampleSink& sink)
{
    for (std::size_t c = 0; c < kPhotoClassCount; ++c)
        for (std::size_t s = 0; s < kSymbologyCount; ++s)
            for (int i = 0; i < perCell; ++i) {
                // A seed of its own, so that a smaller run shows the same first pictures.
                std::seed_seq sequence{seed, static_cast<unsigned>(c), static_cast<unsigned>(s), static_cast<unsigned>(i)};
                std::mt19937 rng(sequence);
                const Symbology& symbology = kSymbologies[s];
                Symbol symbol;
                std::string error;
                // Some data zint refuses (UPC-E that no UPC-A compresses to): draw again.
                std::string data = RandomData(symbology.shape, rng);
                for (int tries = 0; tries < 50 && !EncodeSymbol(symbology, data, symbol, error); ++tries)
                    data = RandomData(symbology.shape, rng);
                if (symbol.modules.empty()) {
                    std::fprintf(stderr, "zint cannot encode %s \"%s\": %s\n", symbology.name, data.c_str(), error.c_str());
                    std::exit(2);
                }
                Sample sample;
                sample.set = "generated";
                sample.group = kPhotoClasses[c].name;
                sample.symbology = symbology.name;
                sample.peersRead = symbology.peersRead;
                for (const ReaderFamily f : {ReaderFamily::Corvane, ReaderFamily::ZXing, ReaderFamily::ZBar})
                    sample.expected[static_cast<std::size_t>(f)] = Expected(symbol.zintText, symbology.For(f));
                sample.id = sample.group + "/" + symbology.name + "/" + std::to_string(i);
                sample.page = PhotographLabel(symbol, DrawConditions(kPhotoClasses[c], symbol.modules.size(), rng), rng);
                sink(sample);
            }
}

void ForEachNegative(int perKind, unsigned seed, const SampleSink& sink)
{
    for (std::size_t k = 0; k < kNegativeKindCount; ++k)
        for (int i = 0; i < perKind; ++i) {
            std::seed_seq sequence{seed, 1000u + static_cast<unsigned>(k), static_cast<unsigned>(i)};
            std::mt19937 rng(sequence);
            Sample sample;
            sample.set = "negative";
            sample.group = kNegativeKinds[k];
            sample.id = sample.group + "/" + std::to_string(i);
            sample.page = MakeNegative(k, rng);
            sink(sample);
        }
}

}  // namespace bench
