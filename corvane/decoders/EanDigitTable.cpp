#include "decoders/EanDigitTable.h"

#include <string>

#include "decoders/PatternLookup.h"

namespace corvane {

std::u16string_view LookupEanLeft(std::u16string_view slice, std::u16string& parity)
{
    for (const EanDigitRow& row : kEanDigitTable) {
        if (row.setA == slice) {
            parity += u'0';
            return row.digit;
        }
    }
    for (const EanDigitRow& row : kEanDigitTable) {
        if (row.setB == slice) {
            parity += u'1';
            return row.digit;
        }
    }
    return kUnreadable;
}

}  // namespace corvane
