#pragma once
// A stream buffer that writes to a regular file's descriptor, starting the write-back of each
// write at once, and keeps the reason of the first failed write, so a message can say why the
// output was lost.

#include <streambuf>
#include <sys/types.h>
#include <vector>

namespace grahavani {

class DescriptorBuffer final : public std::streambuf {
public:
    DescriptorBuffer(int descriptor, std::size_t bufferBytes);
    DescriptorBuffer(const DescriptorBuffer&) = delete;
    DescriptorBuffer& operator=(const DescriptorBuffer&) = delete;

    // The errno of the first write that failed, or 0.
    int Error() const { return error_; }

protected:
    int_type overflow(int_type c) override;
    int sync() override;

private:
    bool WritePending();

    int descriptor_;
    std::vector<char> buffer_;
    int error_ = 0;
    off_t offset_ = 0;  // bytes written so far
};

}  // namespace grahavani
