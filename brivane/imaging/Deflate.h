#pragma once
// Whole-buffer zlib-format compression with libdeflate, for the PNG and PDF writers: both need a
// zlib stream of data that is already in memory, and libdeflate compresses it several times
// faster than zlib at a similar or smaller size.

#include <cstdint>
#include <memory>
#include <span>
#include <string>

struct libdeflate_compressor;

class ZlibCompressor {
public:
    // `level` 1 (fastest) to 12 (smallest); throws std::bad_alloc when out of memory.
    explicit ZlibCompressor(int level);

    // `data` as one zlib stream (header, deflate data, Adler-32).
    std::string Compress(std::span<const std::uint8_t> data) const;

private:
    struct Free {
        void operator()(libdeflate_compressor* c) const;
    };
    std::unique_ptr<libdeflate_compressor, Free> compressor_;
};

// CRC-32 as PNG chunks use it, continuing from `crc` (0 to start).
std::uint32_t Crc32(std::uint32_t crc, std::span<const std::uint8_t> data);
