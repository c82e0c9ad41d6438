#pragma once
// The results of one try-harder read: every accepted reading, merged by symbology and text.

#include <string>
#include <vector>

namespace corvane::tryharder {

struct Finding {
    std::u16string type;
    std::u16string text;
    int score = 0;
    int x0 = 0, y0 = 0, x1 = 0, y1 = 0;  // scan line ends in the caller's bitmap
    int step = 0;                        // CorvaneStep
};

class Findings {
public:
    // A reading of a (type, text) already found replaces it only with a better score, keeping
    // its place in the list; anything else is appended.
    void Add(Finding finding);

    // At least one result, and every result read in full: trying harder cannot improve it.
    bool Complete() const;

    const std::vector<Finding>& All() const { return all_; }

private:
    std::vector<Finding> all_;
};

}  // namespace corvane::tryharder
