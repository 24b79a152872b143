// The lines of a result list kept in one buffer: a list of 100,000 receipt
// lines costs two allocations that grow, not one per line.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace corvelo {

class LineList {
  public:
    std::size_t size() const { return ends_.size(); }
    bool empty() const { return ends_.empty(); }
    std::string_view operator[](std::size_t i) const {
        const std::size_t begin = i == 0 ? 0 : ends_[i - 1];
        return std::string_view(text_).substr(begin, ends_[i] - begin);
    }

    void Clear() {
        text_.clear();
        ends_.clear();
    }
    void Add(std::string_view line) {
        text_ += line;
        ends_.push_back(text_.size());
    }
    // Building a line in place: append to OpenLine(), then CloseLine().
    std::string& OpenLine() { return text_; }
    void CloseLine() { ends_.push_back(text_.size()); }

    // Sorts the lines by their text with the letters A-Z compared as a-z
    // (every other character by its code), keeping equal lines in order.
    void SortCaseless();

    std::vector<std::string> ToVector() const;

  private:
    std::string text_;
    std::vector<std::size_t> ends_;
};

// Compares texts with A-Z taken as a-z; negative, zero or positive.
int CompareCaseless(std::string_view a, std::string_view b);

}  // namespace corvelo
