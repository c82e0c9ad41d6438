#include "decoders/DecoderDispatch.h"

#include <array>
#include <cstddef>
#include <string_view>

#include "decoders/BarcodeTypeCode.h"
#include "decoders/CodaBarDecoder.h"
#include "decoders/Code11Decoder.h"
#include "decoders/Code128Decoder.h"
#include "decoders/Code39Decoder.h"
#include "decoders/EanUpcDecoder.h"
#include "decoders/TwoOfFiveDecoders.h"
#include "decoders/UpcEDecoder.h"

namespace corvane {

namespace {

// Runs one decoder object for one module string. typeName arrives holding the table's name; a
// decoder that names the symbol itself overwrites it.
using RunDecoder = std::u16string (*)(const std::u16string& modules, std::u16string& typeName);

template <class Decoder>
std::u16string RunPlain(const std::u16string& modules, std::u16string& /*typeName*/)
{
    Decoder decoder;
    return decoder.Decode(modules);
}

std::u16string RunCodabar(const std::u16string& modules, std::u16string& /*typeName*/)
{
    CCodaBarDecoder decoder;
    IBarcodeDecoders& generic = decoder;
    return generic.Decode(modules);
}

std::u16string RunEanUpc(const std::u16string& modules, std::u16string& typeName)
{
    CEanUpcDecoder decoder;
    std::u16string text = decoder.Decode(modules);
    typeName = decoder.symbologyName;
    return text;
}

struct DispatchRow {
    BarcodeTypeCode code;
    std::u16string_view typeName;
    RunDecoder run;
};

constexpr std::array<DispatchRow, 10> kDispatch{{
    {BarcodeUnknown, u"", nullptr},
    {BarcodeCode39, u"Code39", &RunPlain<CCode39Decoder>},
    {BarcodeCode11, u"Code11", &RunPlain<CCode11Decoder>},
    {BarcodeInterleaved25, u"Interleaved25", &RunPlain<CInterleaved25Decoder>},
    {BarcodeIndustrial25, u"Industrial25", &RunPlain<CIndustrial25Decoder>},
    {BarcodeMatrix25, u"Matrix25", &RunPlain<CMatrix25Decoder>},
    {BarcodeCodabar, u"Codabar", &RunCodabar},
    {BarcodeCode128, u"Code128", &RunPlain<CCode128Decoder>},
    {BarcodeEanUpc, u"", &RunEanUpc},
    {BarcodeUpcE, u"UPC-E", &RunPlain<CUpcEDecoder>},
}};

constexpr bool RowsInCodeOrder()
{
    for (std::size_t i = 0; i < kDispatch.size(); ++i) {
        if (static_cast<std::size_t>(kDispatch[i].code) != i) {
            return false;
        }
    }
    return true;
}
static_assert(RowsInCodeOrder(), "the dispatch table is indexed by BarcodeTypeCode");

}  // namespace

DecodedSymbol DecodeModuleString(const std::u16string& modules)
{
    const DispatchRow& row = kDispatch[static_cast<std::size_t>(DetectBarcodeType(modules))];
    DecodedSymbol result;
    if (row.run == nullptr) {
        return result;
    }
    result.typeName = row.typeName;
    result.text = row.run(modules, result.typeName);
    return result;
}

}  // namespace corvane
