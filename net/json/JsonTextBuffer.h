// JsonTextBuffer: the growing output of a JSON writer.
//
// Writers append many tiny pieces (brackets, commas, short keys, numbers);
// here each is a bounds check and a copy into spare room, and numbers are
// formatted straight into the buffer. The text is kept in a std::string
// sized to its capacity, so taking the result costs no copy.
#pragma once

#include <cstddef>
#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>

class JsonTextBuffer {
public:
    explicit JsonTextBuffer(std::size_t capacity = 4096) { text_.resize(capacity); }

    std::size_t size() const { return length_; }

    void push_back(char c) {
        if (length_ == text_.size()) grow(1);
        text_[length_++] = c;
    }
    void append(const char* bytes, std::size_t n) {
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
        std::memset(room(n), c, n);
        length_ += n;
    }

    // At least n bytes of room at the end; write there, then commit().
    char* room(std::size_t n) {
        if (text_.size() - length_ < n) grow(n);
        return text_.data() + length_;
    }
    void commit(const char* end) { length_ = static_cast<std::size_t>(end - text_.data()); }

    // The text written so far; the buffer is left empty.
    std::string take() {
        text_.resize(length_);
        length_ = 0;
        return std::move(text_);
    }

private:
    void grow(std::size_t n) { text_.resize(std::max(text_.size() * 2, length_ + n + 1024)); }

    std::string text_;
    std::size_t length_ = 0;
};
