#include "cli/line_output.h"

#include <algorithm>
#include <ostream>

namespace corvelo::cli {

LineOutput::LineOutput(std::ostream& out)
    : out_(out), buffer_(std::make_unique_for_overwrite<char[]>(kBlock)) {}

LineOutput::~LineOutput() {
    Flush();
}

void LineOutput::Append(std::string_view bytes) {
    while (!bytes.empty()) {
        if (used_ == kBlock) Write();
        const std::size_t n = std::min(bytes.size(), kBlock - used_);
        std::copy_n(bytes.data(), n, buffer_.get() + used_);
        used_ += n;
        bytes.remove_prefix(n);
    }
}

void LineOutput::Write() {
    if (used_ == 0) return;
    out_.write(buffer_.get(), static_cast<std::streamsize>(used_));
    used_ = 0;
}

void LineOutput::Flush() {
    Write();
    out_.flush();
}

}  // namespace corvelo::cli
