#pragma once
// Output that replaces its target only when it is complete: written to a temporary
// file beside the target and renamed over it, so a failure leaves the old file whole.

#include <fstream>
#include <string>
#include <vector>

namespace grahavani {

class OutputFile {
public:
    explicit OutputFile(std::string target);
    ~OutputFile();  // removes the temporary file unless committed
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    bool IsOpen() const { return stream_.is_open(); }
    std::ostream& Stream() { return stream_; }
    // Closes and renames; on failure leaves the target as it was and says why.
    bool Commit(std::string& error);

private:
    std::string target_;
    std::string temporary_;
    std::vector<char> buffer_;  // declared before the stream, which writes into it
    std::ofstream stream_;
    bool committed_ = false;
};

}  // namespace grahavani
