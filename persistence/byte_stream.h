// Where the readers take their bytes from and the writers put them: a file
// on Windows, a buffer in the tests and the fuzz targets.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

namespace persistence {

class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Reads up to n bytes into dst; returns how many arrived.
    virtual size_t Read(void* dst, size_t n) = 0;
    // Bytes left before the end, so a length read from the file is checked
    // against what is there before anything is allocated for it.
    virtual uint64_t Remaining() = 0;
};

class ByteSink {
public:
    virtual ~ByteSink() = default;
    virtual void Write(const void* src, size_t n) = 0;
    // False once any write fell short: a file that must not replace another.
    virtual bool Good() const = 0;
};

class SpanSource final : public ByteSource {
public:
    SpanSource(const void* data, size_t size) : data_(static_cast<const uint8_t*>(data)), size_(size) {}
    explicit SpanSource(const std::vector<uint8_t>& bytes) : SpanSource(bytes.data(), bytes.size()) {}

    size_t Read(void* dst, size_t n) override
    {
        const size_t k = std::min(n, size_ - pos_);
        if (k) std::memcpy(dst, data_ + pos_, k);
        pos_ += k;
        return k;
    }
    uint64_t Remaining() override { return size_ - pos_; }

private:
    const uint8_t* data_;
    size_t size_;
    size_t pos_ = 0;
};

class VectorSink final : public ByteSink {
public:
    std::vector<uint8_t> bytes;
    void Write(const void* src, size_t n) override
    {
        const auto* p = static_cast<const uint8_t*>(src);
        bytes.insert(bytes.end(), p, p + n);
    }
    bool Good() const override { return true; }
};

// Exactly sizeof(T) bytes, or false.
template <typename T>
bool ReadRecord(ByteSource& in, T& value)
{
    return in.Read(&value, sizeof value) == sizeof value;
}

template <typename T>
void WriteRecord(ByteSink& out, const T& value)
{
    out.Write(&value, sizeof value);
}

}  // namespace persistence
