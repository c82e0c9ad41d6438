// libFuzzer target: the symbology classifier and decoders on arbitrary module strings (each
// input byte gives one module, its low bit bar or space), plus every decoder's text reading
// back in full.
#include "decoders/DecoderDispatch.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::u16string modules;
    modules.reserve(size);
    for (std::size_t i = 0; i < size; ++i)
        modules.push_back((data[i] & 1) ? u'1' : u'0');
    const corvane::DecodedSymbol symbol = corvane::DecodeModuleString(modules);
    // A text without a symbology (or the reverse) would be a decoder reporting half a result.
    if (symbol.typeName.empty() && !symbol.text.empty())
        __builtin_trap();
    return 0;
}
