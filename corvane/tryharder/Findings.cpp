#include "tryharder/Findings.h"

#include <algorithm>

namespace corvane::tryharder {

void Findings::Add(Finding finding)
{
    const auto same = std::find_if(all_.begin(), all_.end(), [&](const Finding& f) {
        return f.type == finding.type && f.text == finding.text;
    });
    if (same == all_.end())
        all_.push_back(std::move(finding));
    else if (finding.score > same->score)
        *same = std::move(finding);
}

bool Findings::Complete() const
{
    return !all_.empty() && std::all_of(all_.begin(), all_.end(), [](const Finding& f) { return f.score == 100; });
}

}  // namespace corvane::tryharder
