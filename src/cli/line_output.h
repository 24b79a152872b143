// Output of the listing commands (summary, unpaid, search): the lines are
// copied into one fixed buffer and handed to the stream in large blocks, so
// a listing of 100,000 lines costs no allocation per line, no flush per line
// and a few dozen writes in all.
#pragma once

#include <cstddef>
#include <cstring>
#include <iosfwd>
#include <memory>
#include <string_view>

namespace corvelo::cli {

class LineOutput {
  public:
    static constexpr std::size_t kBlock = 256 * 1024;

    explicit LineOutput(std::ostream& out);
    // Writes what is left.
    ~LineOutput();
    LineOutput(const LineOutput&) = delete;
    LineOutput& operator=(const LineOutput&) = delete;

    // `text` followed by a line feed.
    void Line(std::string_view text) {
        if (text.size() < kBlock - used_) {  // the common case: it fits
            std::memcpy(buffer_.get() + used_, text.data(), text.size());
            used_ += text.size();
            buffer_[used_++] = '\n';
            return;
        }
        Append(text);
        Append("\n");
    }
    // Writes the buffered bytes and flushes the stream.
    void Flush();

  private:
    void Append(std::string_view bytes);
    void Write();

    std::ostream& out_;
    std::unique_ptr<char[]> buffer_;
    std::size_t used_ = 0;
};

}  // namespace corvelo::cli
