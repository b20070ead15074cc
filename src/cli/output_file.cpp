#include "output_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace grahavani {

namespace {

namespace fs = std::filesystem;

// A large buffer keeps a long batch to few writes.
constexpr std::size_t BufferBytes = 1 << 20;
// As the kernel's own limit on links followed in one path.
constexpr int MaxLinksFollowed = 40;

std::string Reason(int error) { return std::strerror(error); }

// The path with every link at its end followed, as an editor saving through a link
// does; a link that points nowhere names the file to create.
bool FollowLinks(const std::string& path, std::string& resolved, int& error) {
    fs::path current = path;
    for (int hops = 0; hops <= MaxLinksFollowed; ++hops) {
        struct stat info {};
        if (::lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
            resolved = current.string();
            return true;
        }
        std::error_code failure;
        const fs::path link = fs::read_symlink(current, failure);
        if (failure) {
            error = failure.value();
            return false;
        }
        current = link.is_absolute() ? link : current.parent_path() / link;
    }
    error = ELOOP;
    return false;
}

mode_t NewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace

OutputFile::OutputFile(const std::string& target) : target_(target) {
    int error = 0;
    if (!FollowLinks(target_, file_, error)) {
        openError_ = "cannot follow " + target_ + ": " + Reason(error);
        return;
    }
    struct stat info {};
    if (::stat(file_.c_str(), &info) == 0) {
        if (!S_ISREG(info.st_mode)) {
            openError_ = target_ + " is not a regular file; give a file name, or - for "
                                   "standard output";
            return;
        }
        targetExists_ = true;
        mode_ = info.st_mode & 07777;
        owner_ = info.st_uid;
        group_ = info.st_gid;
    } else if (errno != ENOENT) {
        openError_ = "cannot use " + target_ + ": " + Reason(errno);
        return;
    } else {
        mode_ = NewFileMode();
    }

    // Made exclusively under a name no one can guess, so nothing planted there is followed.
    const fs::path file(file_);
    const fs::path folder = file.has_parent_path() ? file.parent_path() : fs::path(".");
    temporary_ = (folder / ("." + file.filename().string() + ".XXXXXX")).string();
    descriptor_ = ::mkostemp(temporary_.data(), O_CLOEXEC);
    if (descriptor_ < 0) {
        openError_ = "cannot create a file beside " + target_ + ": " + Reason(errno);
        return;
    }
    buffer_ = std::make_unique<DescriptorBuffer>(descriptor_, BufferBytes);
    stream_.rdbuf(buffer_.get());
}

OutputFile::~OutputFile() {
    if (descriptor_ >= 0) {
        ::close(descriptor_);
        ::unlink(temporary_.c_str());
    }
}

bool OutputFile::Commit(std::string& error) {
    stream_.flush();
    if (!stream_.good()) {
        error = "cannot write " + target_ + ": " + Reason(buffer_->Error() ? buffer_->Error() : EIO);
        return false;
    }
    // Owner and group first: changing them may clear the set-id bits the mode restores.
    struct stat made {};
    const bool sameOwner = ::fstat(descriptor_, &made) == 0 && made.st_uid == owner_ &&
                           made.st_gid == group_;
    if ((targetExists_ && !sameOwner && ::fchown(descriptor_, owner_, group_) != 0) ||
        ::fchmod(descriptor_, mode_) != 0) {
        error = "cannot keep the owner and permissions of " + target_ + ": " + Reason(errno);
        return false;
    }
    if (::fsync(descriptor_) != 0) {
        error = "cannot write " + target_ + ": " + Reason(errno);
        return false;
    }
    const int descriptor = descriptor_;
    descriptor_ = -1;
    if (::close(descriptor) != 0) {
        error = "cannot write " + target_ + ": " + Reason(errno);
        ::unlink(temporary_.c_str());
        return false;
    }
    if (std::rename(temporary_.c_str(), file_.c_str()) != 0) {
        error = "cannot replace " + target_ + ": " + Reason(errno);
        ::unlink(temporary_.c_str());
        return false;
    }
    return true;
}

}  // namespace grahavani
