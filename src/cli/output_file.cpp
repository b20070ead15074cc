#include "output_file.h"

#include <cerrno>
#include <charconv>
#include <climits>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <regex>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace grahavani {

namespace {

namespace fs = std::filesystem;

// Few writes for a long batch, each under a megabyte: on ext4 a write that fills a whole
// aligned megabyte of the file costs ten times more kernel time than a quarter-megabyte one.
constexpr std::size_t BufferBytes = 256 << 10;
// As the kernel's own limit on links followed in one path.
constexpr int MaxLinksFollowed = 40;

// A temporary file is named ".<target>.<pid>.<six random letters>.gvtmp", the target's
// name shortened to fit NAME_MAX as a run with the longest pid would, so that every run
// finds what an earlier one left for the same target.
constexpr std::string_view TemporaryEnding = ".gvtmp";
constexpr std::size_t RandomLetters = 6;
constexpr std::size_t LongestPid = 10;
constexpr std::size_t TargetPartBytes =
    NAME_MAX - (1 + 1 + LongestPid + 1 + RandomLetters + TemporaryEnding.size());
constexpr std::size_t HashDigits = 16;

std::string Reason(int error) { return std::strerror(error); }

// /dev/stdout, /dev/fd/1, /proc/self/fd/1 and their kind name a descriptor some process
// has open, not a place for a file: replacing what they point to would replace the file
// the descriptor was opened on (a log opened with >>), and a pipe has no file at all.
bool NamesOpenDescriptor(const fs::path& path) {
    static const std::regex descriptorPath(
        R"(^/(dev/(stdin|stdout|stderr|fd/[^/]+)|proc/[^/]+/(task/[^/]+/)?fd/[^/]+)$)");
    std::error_code ignored;
    const fs::path absolute = fs::absolute(path, ignored).lexically_normal();
    const fs::path throughLinks =
        fs::weakly_canonical(absolute.parent_path(), ignored) / absolute.filename();
    return std::regex_match(absolute.string(), descriptorPath) ||
           std::regex_match(throughLinks.string(), descriptorPath);
}

// The path with every link at its end followed, as an editor saving through a link
// does; a link that points nowhere names the file to create. Refuses a path to an open
// descriptor, given or reached.
bool FollowLinks(const std::string& path, std::string& resolved, std::string& problem) {
    fs::path current = path;
    for (int hops = 0; hops <= MaxLinksFollowed; ++hops) {
        if (NamesOpenDescriptor(current)) {
            problem = path + " names an open descriptor, not a file; use -o - for standard output";
            return false;
        }
        struct stat info {};
        if (::lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
            resolved = current.string();
            return true;
        }
        std::error_code failure;
        const fs::path link = fs::read_symlink(current, failure);
        if (failure) {
            problem = "cannot follow " + path + ": " + Reason(failure.value());
            return false;
        }
        current = link.is_absolute() ? link : current.parent_path() / link;
    }
    problem = "cannot follow " + path + ": " + Reason(ELOOP);
    return false;
}

// Whether the file's mode denies its writing to this user, as rm asks before removing
// it. Root may write anything, so for root only a file with no write bit at all is.
bool WriteProtected(const std::string& file, const struct stat& info) {
    if (::geteuid() == 0) return (info.st_mode & 0222) == 0;
    return ::faccessat(AT_FDCWD, file.c_str(), W_OK, AT_EACCESS) != 0 && errno == EACCES;
}

std::uint64_t Fnv1aHash(std::string_view text) {
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : text) hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    return hash;
}

// The target's name as its temporary files show it: whole when it fits, else its start
// and a hash of all of it, so two long names that start alike stay apart.
std::string TargetPart(const std::string& name) {
    if (name.size() <= TargetPartBytes) return name;
    char hash[HashDigits + 1];
    std::snprintf(hash, sizeof hash, "%016llx", static_cast<unsigned long long>(Fnv1aHash(name)));
    return name.substr(0, TargetPartBytes - HashDigits - 1) + "~" + hash;
}

// Removes the temporary files a run killed outright (SIGKILL, a power cut) left for this
// target; never another target's, nor those of a process still running.
void RemoveLeftovers(const fs::path& folder, const std::string& prefix) {
    static const std::regex rest(R"(^([0-9]+)\.[A-Za-z0-9]{6}\.gvtmp$)");
    std::error_code failure;
    for (fs::directory_iterator entry(folder, failure), end; !failure && entry != end;
         entry.increment(failure)) {
        const std::string name = entry->path().filename().string();
        if (!name.starts_with(prefix)) continue;
        const std::string afterPrefix = name.substr(prefix.size());
        std::smatch match;
        if (!std::regex_match(afterPrefix, match, rest)) continue;
        pid_t owner = 0;
        const std::string digits = match[1].str();
        if (std::from_chars(digits.data(), digits.data() + digits.size(), owner).ec != std::errc{} ||
            owner <= 0) {
            continue;
        }
        if (::kill(owner, 0) != 0 && errno == ESRCH) ::unlink(entry->path().c_str());
    }
}

mode_t NewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace

OutputFile::OutputFile(const std::string& target, bool replaceWriteProtected) : target_(target) {
    if (!FollowLinks(target_, file_, openError_)) return;
    struct stat info {};
    if (::stat(file_.c_str(), &info) == 0) {
        if (!S_ISREG(info.st_mode)) {
            openError_ = target_ + " is not a regular file; give a file name, or - for "
                                   "standard output";
            return;
        }
        if (!replaceWriteProtected && WriteProtected(file_, info)) {
            openError_ = target_ + " is write-protected; give --force to replace it";
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
    const std::string prefix = "." + TargetPart(file.filename().string()) + ".";
    RemoveLeftovers(folder, prefix);
    temporary_ = (folder / (prefix + std::to_string(::getpid()) + "." +
                            std::string(RandomLetters, 'X') + std::string(TemporaryEnding)))
                     .string();
    descriptor_ = ::mkostemps(temporary_.data(), static_cast<int>(TemporaryEnding.size()), O_CLOEXEC);
    if (descriptor_ < 0) {
        openError_ = errno == ENOENT ? "cannot create " + target_ + ": its folder does not exist"
                                     : "cannot create a file beside " + target_ + ": " + Reason(errno);
        return;
    }
    removalOnSignal_.emplace(temporary_);
    buffer_ = std::make_unique<DescriptorBuffer>(descriptor_, BufferBytes);
    stream_.rdbuf(buffer_.get());
}

OutputFile::~OutputFile() {
    if (descriptor_ >= 0) {
        ::close(descriptor_);
        ::unlink(temporary_.c_str());
    }
    removalOnSignal_.reset();
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
    removalOnSignal_.reset();
    return true;
}

}  // namespace grahavani
