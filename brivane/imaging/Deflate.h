#pragma once
// Whole-buffer zlib-format compression with libdeflate, for the PNG and PDF writers: both need a
// zlib stream of data that is already in memory, and libdeflate compresses it several times
// faster than zlib at a similar or smaller size.

#include <cstdint>
#include <memory>
#include <span>
#include <string_view>

struct libdeflate_compressor;

// A large byte buffer left unzeroed on allocation: every user writes it over at once, and
// zeroing tens of megabytes first costs as much as filtering them.
struct ByteBuffer {
    explicit ByteBuffer(std::size_t n) : data(std::make_unique_for_overwrite<std::uint8_t[]>(n)), size(n) {}
    std::span<const std::uint8_t> Span() const { return {data.get(), size}; }
    std::string_view View() const { return {reinterpret_cast<const char*>(data.get()), size}; }

    std::unique_ptr<std::uint8_t[]> data;
    std::size_t size;
};

class ZlibCompressor {
public:
    // `level` 1 (fastest) to 12 (smallest); throws std::bad_alloc when out of memory.
    explicit ZlibCompressor(int level);

    // `data` as one zlib stream (header, deflate data, Adler-32).
    ByteBuffer Compress(std::span<const std::uint8_t> data) const;

private:
    struct Free {
        void operator()(libdeflate_compressor* c) const;
    };
    std::unique_ptr<libdeflate_compressor, Free> compressor_;
};

// CRC-32 as PNG chunks use it, continuing from `crc` (0 to start).
std::uint32_t Crc32(std::uint32_t crc, std::span<const std::uint8_t> data);
