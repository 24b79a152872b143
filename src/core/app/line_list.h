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
    std::size_t size() const { return spans_.size(); }
    bool empty() const { return spans_.empty(); }
    std::string_view operator[](std::size_t i) const {
        return std::string_view(text_).substr(spans_[i].begin, spans_[i].end - spans_[i].begin);
    }

    void Clear() {
        text_.clear();
        spans_.clear();
        open_ = 0;
    }
    // Makes room for `lines` lines of `bytes` bytes in all.
    void Reserve(std::size_t lines, std::size_t bytes) {
        spans_.reserve(lines);
        text_.reserve(bytes);
    }
    void Add(std::string_view line) {
        OpenLine() += line;
        CloseLine();
    }
    // Building a line in place: append to OpenLine(), then CloseLine().
    std::string& OpenLine() {
        open_ = text_.size();
        return text_;
    }
    void CloseLine() { spans_.push_back({open_, text_.size()}); }

    // Sorts the lines by their text with the letters A-Z compared as a-z
    // (every other character by its code), keeping equal lines in order.
    void SortCaseless();

    std::vector<std::string> ToVector() const;

  private:
    struct Span {
        std::size_t begin;
        std::size_t end;
    };
    std::string text_;
    std::vector<Span> spans_;  // in list order; sorting moves only these
    std::size_t open_ = 0;
};

// Compares texts with A-Z taken as a-z; negative, zero or positive.
int CompareCaseless(std::string_view a, std::string_view b);

}  // namespace corvelo
