#include "descriptor_buffer.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace grahavani {

DescriptorBuffer::DescriptorBuffer(int descriptor, std::size_t bufferBytes)
    : descriptor_(descriptor), buffer_(bufferBytes) {
    setp(buffer_.data(), buffer_.data() + buffer_.size());
}

bool DescriptorBuffer::WritePending() {
    const char* next = pbase();
    const off_t start = offset_;
    while (error_ == 0 && next < pptr()) {
        const ssize_t written = ::write(descriptor_, next, static_cast<std::size_t>(pptr() - next));
        if (written > 0) {
            next += written;
            offset_ += written;
        } else if (written == 0) {
            error_ = EIO;
        } else if (errno != EINTR) {
            error_ = errno;
        }
    }
    // The disk takes the bytes while the next are made, so the final fsync finds little left.
    if (offset_ > start) ::sync_file_range(descriptor_, start, offset_ - start, SYNC_FILE_RANGE_WRITE);
    // After a failure the rest is dropped: the output is lost either way.
    setp(buffer_.data(), buffer_.data() + buffer_.size());
    return error_ == 0;
}

DescriptorBuffer::int_type DescriptorBuffer::overflow(int_type c) {
    if (!WritePending()) return traits_type::eof();
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    *pptr() = traits_type::to_char_type(c);
    pbump(1);
    return c;
}

int DescriptorBuffer::sync() { return WritePending() ? 0 : -1; }

}  // namespace grahavani
