#include "output_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace grahavani {

OutputFile::OutputFile(std::string target)
    : target_(std::move(target)),
      temporary_(target_ + ".tmp-" + std::to_string(::getpid())) {
    // A large buffer keeps a long batch to few writes.
    buffer_.resize(1 << 20);
    stream_.rdbuf()->pubsetbuf(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
    stream_.open(temporary_, std::ios::binary | std::ios::trunc);
}

OutputFile::~OutputFile() {
    if (!committed_) {
        stream_.close();
        std::remove(temporary_.c_str());
    }
}

bool OutputFile::Commit(std::string& error) {
    stream_.flush();
    const bool written = stream_.good();
    const int writeErrno = errno;
    stream_.close();
    if (!written || stream_.fail()) {
        error = "cannot write " + target_ + ": " + std::strerror(writeErrno ? writeErrno : EIO);
        return false;
    }
    if (std::rename(temporary_.c_str(), target_.c_str()) != 0) {
        error = "cannot replace " + target_ + ": " + std::strerror(errno);
        return false;
    }
    committed_ = true;
    return true;
}

}  // namespace grahavani
