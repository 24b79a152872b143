#include "core/app/record_search.h"

#include <optional>

#include "core/app/archive_scan.h"
#include "core/storage/cp1252.h"
#include "core/storage/text.h"

namespace corvelo {
namespace {

char LowerAZ(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// The Windows-1252 bytes whose decoding gives exactly `utf8`, or nullopt
// when some character has no byte (such a text occurs in no record).
std::optional<std::string> ExactCp1252(std::string_view utf8) {
    std::string out;
    for (char32_t cp : Utf8ToCodePoints(utf8)) {
        const char b = CodePointToCp1252(cp);
        if (b == '?' && cp != U'?') return std::nullopt;
        out += b;
    }
    return out;
}

}  // namespace

std::size_t CountCriteriaInUse(std::span<const std::string> boxes) {
    std::size_t n = 0;
    for (const std::string& b : boxes) n += TrimView(b).empty() ? 0 : 1;
    return n;
}

bool SearchTextMatches(std::string_view typed, std::string_view field) {
    if (typed.empty()) return false;
    return AsciiLower(field).find(AsciiLower(typed)) != std::string::npos;
}

CriteriaMatcher::CriteriaMatcher(std::span<const std::string> boxes,
                                 std::span<const RecordField> fields)
    : needed_(CountCriteriaInUse(boxes)) {
    for (std::size_t i = 0; i < boxes.size() && i < fields.size(); ++i) {
        if (boxes[i].empty()) continue;
        std::optional<std::string> key = ExactCp1252(boxes[i]);
        if (!key) continue;
        for (char& c : *key) c = LowerAZ(c);
        criteria_.push_back({std::move(*key), fields[i]});
    }
}

bool CriteriaMatcher::Matches(const char* record) const {
    if (needed_ == 0) return true;
    if (criteria_.size() < needed_) return false;
    char lowered[256];
    std::size_t hits = 0;
    std::size_t left = criteria_.size();
    for (const Criterion& c : criteria_) {
        const std::string_view raw = RawField(record, c.field);
        for (std::size_t k = 0; k < raw.size(); ++k) lowered[k] = LowerAZ(raw[k]);
        if (std::string_view(lowered, raw.size()).find(c.key) != std::string_view::npos) ++hits;
        --left;
        if (hits >= needed_) return true;
        if (hits + left < needed_) return false;
    }
    return false;
}

LocatedRecord<std::string> LocateRecordByLine(const std::filesystem::path& path,
                                              std::size_t record_size, std::string_view line,
                                              const LineBuilder& build, FileSystem& fs) {
    LocatedRecord<std::string> out;
    const std::string_view wanted = TrimView(line);
    std::string built;
    out.status = ArchiveReader::Scan(
        path, record_size,
        [&](const char* record, std::size_t card) {
            built.clear();
            build(record, built);
            if (TrimView(built) == wanted) {
                out.card = card;
                out.record.assign(record, record_size);
            }
        },
        fs);
    if (!out.status.ok()) {
        out.card = 0;
        out.record.clear();
    }
    return out;
}

}  // namespace corvelo
