#pragma once
// Byte images of the record types: little-endian integers, texts and spare bytes as
// stored, arrays first index fastest. decode(encode(r)) == r and encode(decode(b)) == b.

#include "store/records.h"

#include <array>
#include <cstring>
#include <span>
#include <stdexcept>

namespace velmora::store {

namespace codec {

class Reader {
public:
    explicit Reader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
    template <class T> void operator()(const char*, T& field) { read(field); }
    std::size_t position() const { return pos_; }

private:
    void read(std::int16_t& v) {
        v = static_cast<std::int16_t>(bytes_[pos_] | (bytes_[pos_ + 1] << 8));
        pos_ += 2;
    }
    void read(std::int32_t& v) {
        const auto u = static_cast<std::uint32_t>(bytes_[pos_]) |
                       static_cast<std::uint32_t>(bytes_[pos_ + 1]) << 8 |
                       static_cast<std::uint32_t>(bytes_[pos_ + 2]) << 16 |
                       static_cast<std::uint32_t>(bytes_[pos_ + 3]) << 24;
        v = static_cast<std::int32_t>(u);
        pos_ += 4;
    }
    template <std::size_t N> void read(Text<N>& t) { copy(t.bytes()); }
    template <std::size_t N> void read(Spare<N>& s) { copy(s.bytes); }
    template <class T, int... U> void read(BoundedArray<T, U...>& a) {
        for (auto& e : a.elements())
            read(e);
    }
    template <class R>
        requires requires { R::kSize; }
    void read(R& nested) {
        R::fields(nested, *this);
    }
    template <std::size_t N> void copy(std::array<std::uint8_t, N>& dest) {
        std::memcpy(dest.data(), bytes_.data() + pos_, N);
        pos_ += N;
    }

    std::span<const std::uint8_t> bytes_;
    std::size_t pos_ = 0;
};

class Writer {
public:
    explicit Writer(std::span<std::uint8_t> bytes) : bytes_(bytes) {}
    template <class T> void operator()(const char*, const T& field) { write(field); }
    std::size_t position() const { return pos_; }

private:
    void write(std::int16_t v) {
        const auto u = static_cast<std::uint16_t>(v);
        bytes_[pos_++] = static_cast<std::uint8_t>(u & 0xFF);
        bytes_[pos_++] = static_cast<std::uint8_t>(u >> 8);
    }
    void write(std::int32_t v) {
        const auto u = static_cast<std::uint32_t>(v);
        for (int shift = 0; shift < 32; shift += 8)
            bytes_[pos_++] = static_cast<std::uint8_t>((u >> shift) & 0xFF);
    }
    template <std::size_t N> void write(const Text<N>& t) { copy(t.bytes()); }
    template <std::size_t N> void write(const Spare<N>& s) { copy(s.bytes); }
    template <class T, int... U> void write(const BoundedArray<T, U...>& a) {
        for (const auto& e : a.elements())
            write(e);
    }
    template <class R>
        requires requires { R::kSize; }
    void write(const R& nested) {
        R::fields(nested, *this);
    }
    template <std::size_t N> void copy(const std::array<std::uint8_t, N>& src) {
        std::memcpy(bytes_.data() + pos_, src.data(), N);
        pos_ += N;
    }

    std::span<std::uint8_t> bytes_;
    std::size_t pos_ = 0;
};

} // namespace codec

// A little-endian Integer straight from a record image, for scans that skip most records.
inline std::int16_t peekInt16(std::span<const std::uint8_t> bytes, std::size_t offset) {
    return static_cast<std::int16_t>(bytes[offset] | (bytes[offset + 1] << 8));
}

template <class R> using RecordBytes = std::array<std::uint8_t, R::kSize>;

// Record of a byte image; `bytes` must be exactly R::kSize long.
template <class R> R decode(std::span<const std::uint8_t> bytes) {
    if (bytes.size() != R::kSize)
        throw std::invalid_argument("record image has the wrong length");
    R record;
    codec::Reader reader(bytes);
    R::fields(record, reader);
    if (reader.position() != R::kSize)
        throw std::logic_error("record fields do not fill the record");
    return record;
}

template <class R> RecordBytes<R> encode(const R& record) {
    RecordBytes<R> bytes{};
    codec::Writer writer(bytes);
    R::fields(record, writer);
    if (writer.position() != R::kSize)
        throw std::logic_error("record fields do not fill the record");
    return bytes;
}

} // namespace velmora::store
