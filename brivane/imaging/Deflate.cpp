#include "imaging/Deflate.h"

#include <libdeflate.h>

#include <new>

void ZlibCompressor::Free::operator()(libdeflate_compressor* c) const
{
    libdeflate_free_compressor(c);
}

ZlibCompressor::ZlibCompressor(int level) : compressor_(libdeflate_alloc_compressor(level))
{
    if (!compressor_)
        throw std::bad_alloc();
}

ByteBuffer ZlibCompressor::Compress(std::span<const std::uint8_t> data) const
{
    ByteBuffer out(libdeflate_zlib_compress_bound(compressor_.get(), data.size()));
    // The bound holds any input, so the result is never 0 ("did not fit").
    out.size = libdeflate_zlib_compress(compressor_.get(), data.data(), data.size(), out.data.get(), out.size);
    return out;
}

std::uint32_t Crc32(std::uint32_t crc, std::span<const std::uint8_t> data)
{
    return libdeflate_crc32(crc, data.data(), data.size());
}
