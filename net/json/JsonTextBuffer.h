// JsonTextBuffer: the growing output of a JSON writer.
//
// Writers append many tiny pieces (brackets, commas, short keys, numbers);
// here each is a bounds check and a copy into spare room, and numbers are
// formatted straight into the buffer. The bytes live in a plain block that
// grows by realloc: growing touches no byte it does not write (a string
// resized to its capacity would clear its new room first, and copy its
// bytes at every doubling where realloc can move the pages instead).
#pragma once

#include <cstddef>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>
#include <string>
#include <string_view>
#include <utility>

class JsonTextBuffer {
public:
    explicit JsonTextBuffer(std::size_t capacity = 4096) { reserveAtLeast(capacity); }
    JsonTextBuffer(const JsonTextBuffer&) = delete;
    JsonTextBuffer& operator=(const JsonTextBuffer&) = delete;
    JsonTextBuffer(JsonTextBuffer&& o) noexcept
        : bytes_(std::exchange(o.bytes_, nullptr)), length_(std::exchange(o.length_, 0)),
          capacity_(std::exchange(o.capacity_, 0)) {}
    JsonTextBuffer& operator=(JsonTextBuffer&& o) noexcept {
        if (this != &o) {
            std::free(bytes_);
            bytes_ = std::exchange(o.bytes_, nullptr);
            length_ = std::exchange(o.length_, 0);
            capacity_ = std::exchange(o.capacity_, 0);
        }
        return *this;
    }
    ~JsonTextBuffer() { std::free(bytes_); }

    std::size_t size() const { return length_; }

    void push_back(char c) {
        if (length_ == capacity_) grow(1);
        bytes_[length_++] = c;
    }
    void append(const char* bytes, std::size_t n) {
        if (n == 0) return;
        std::memcpy(room(n), bytes, n);
        length_ += n;
    }
    void append(const char* first, const char* last) { append(first, static_cast<std::size_t>(last - first)); }
    void append(std::string_view s) { append(s.data(), s.size()); }
    JsonTextBuffer& operator+=(std::string_view s) {
        append(s);
        return *this;
    }
    void append(std::size_t n, char c) {
        if (n == 0) return;
        std::memset(room(n), c, n);
        length_ += n;
    }

    // At least n bytes of room at the end; write there, then commit().
    char* room(std::size_t n) {
        if (capacity_ - length_ < n) grow(n);
        return bytes_ + length_;
    }
    void commit(const char* end) { length_ = static_cast<std::size_t>(end - bytes_); }

    // The text written so far; the buffer is left empty.
    std::string take() {
        std::string text(bytes_ ? bytes_ : "", length_);
        length_ = 0;
        return text;
    }

private:
    void grow(std::size_t n) { reserveAtLeast(std::max(capacity_ * 2, length_ + n + 1024)); }
    void reserveAtLeast(std::size_t capacity) {
        if (capacity <= capacity_) return;
        void* grown = std::realloc(bytes_, capacity);
        if (!grown) throw std::bad_alloc();
        bytes_ = static_cast<char*>(grown);
        capacity_ = capacity;
    }

    char* bytes_ = nullptr;
    std::size_t length_ = 0;
    std::size_t capacity_ = 0;
};
