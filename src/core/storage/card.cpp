#include "core/storage/card.h"

#include <charconv>

#include "core/storage/messages.h"
#include "core/storage/record_file.h"

namespace corvelo {
namespace {

// Collects the outcome of one card operation. A failure before the work is
// done leaves the editor as it was (same position, nothing shown). A failure
// after the record reached the file (its flush or the close) keeps the new
// position, so the next save overwrites that record instead of appending a
// second copy.
class CardOperation {
  public:
    explicit CardOperation(std::string_view position) : original_(position) {
        out_.position = original_;
    }

    CardOutcome Fail(Status status) {
        CardOutcome failed;
        failed.position = original_;
        failed.message = CardMessage::kAccessoArchivio;
        failed.status = std::move(status);
        return failed;
    }

    CardOutcome FailKeepingWork(Status status) {
        out_.message = CardMessage::kAccessoArchivio;
        out_.status = std::move(status);
        return std::move(out_);
    }

    CardOutcome Finish(RecordFile& file, CardMessage message) {
        out_.message = message;
        if (Status s = file.CloseRecordFile(); !s.ok()) return FailKeepingWork(std::move(s));
        return std::move(out_);
    }

    void Show(std::string record, std::size_t position) {
        out_.record = std::move(record);
        out_.position = std::to_string(position);
    }
    void SetPosition(std::string position) { out_.position = std::move(position); }

  private:
    std::string original_;
    CardOutcome out_;
};

}  // namespace

std::string_view CardMessageText(CardMessage message) {
    switch (message) {
        case CardMessage::kNone:
            return {};
        case CardMessage::kArchivioVuoto:
            return kMsgArchivioVuoto;
        case CardMessage::kModificheSalvate:
            return kMsgModificheSalvate;
        case CardMessage::kSchedaInserita:
            return kMsgSchedaInserita;
        case CardMessage::kAccessoArchivio:
            return kMsgAccessoArchivio;
    }
    return {};
}

std::optional<std::size_t> ParseCardPosition(std::string_view position) {
    if (position.empty()) return 0;
    std::size_t value = 0;
    const char* end = position.data() + position.size();
    auto [ptr, ec] = std::from_chars(position.data(), end, value);
    if (ec != std::errc() || ptr != end || value == 0) return std::nullopt;
    return value;
}

CardOutcome BrowseCard(CardMove move, const std::filesystem::path& path, std::size_t record_size,
                       std::string_view position, FileSystem& fs) {
    CardOperation op(position);
    RecordFile file;
    if (Status s = file.OpenOrCreate(path, record_size, fs); !s.ok()) return op.Fail(s);
    const std::optional<std::size_t> p = ParseCardPosition(position);
    if (!p) return op.Fail(Status::Error(IoOp::kSeek, "bad card position"));
    const std::size_t count = file.RecordCount();
    std::string bytes;

    auto read_and_show = [&]() -> Status {
        if (Status s = file.ReadRecord(bytes); !s.ok()) return s;
        op.Show(std::move(bytes), file.CurrentPosition());
        return Status::Ok();
    };

    switch (move) {
        case CardMove::kFirst:
        case CardMove::kLast: {
            if (count == 0) return op.Finish(file, CardMessage::kArchivioVuoto);
            if (Status s = file.SeekRecord(move == CardMove::kFirst ? 0 : count - 1); !s.ok()) {
                return op.Fail(s);
            }
            if (Status s = read_and_show(); !s.ok()) return op.Fail(s);
            return op.Finish(file, CardMessage::kNone);
        }
        case CardMove::kNext: {
            if (count == 0) {
                op.SetPosition("");
                return op.Finish(file, CardMessage::kArchivioVuoto);
            }
            if (*p >= count) return op.Finish(file, CardMessage::kNone);  // the last card
            if (Status s = file.SeekRecord(*p); !s.ok()) return op.Fail(s);
            if (Status s = read_and_show(); !s.ok()) return op.Fail(s);
            return op.Finish(file, CardMessage::kNone);
        }
        case CardMove::kPrevious: {
            if (*p == 1) return op.Finish(file, CardMessage::kNone);  // the first card
            if (count == 0) return op.Finish(file, CardMessage::kArchivioVuoto);
            if (*p != 0) {
                if (Status s = file.SeekRecord(*p - 2); !s.ok()) return op.Fail(s);
            }
            // A new card (position 0) and card 2 both lead to record 0.
            if (file.CurrentPosition() == 0) {
                if (Status s = file.SeekRecord(0); !s.ok()) return op.Fail(s);
            }
            if (Status s = read_and_show(); !s.ok()) return op.Fail(s);
            return op.Finish(file, CardMessage::kNone);
        }
    }
    return op.Fail(Status::Error(IoOp::kSeek, "unknown move"));
}

CardOutcome SaveCard(const std::filesystem::path& path, std::string_view record,
                     std::size_t record_size, std::string_view position, FileSystem& fs) {
    CardOperation op(position);
    RecordFile file;
    if (Status s = file.OpenForWriting(path, record_size, fs); !s.ok()) return op.Fail(s);
    const std::optional<std::size_t> p = ParseCardPosition(position);
    if (!p) return op.Fail(Status::Error(IoOp::kSeek, "bad card position"));
    const bool append = *p == 0;
    if (Status s = file.SeekRecord(append ? file.RecordCount() : *p - 1); !s.ok()) {
        return op.Fail(s);
    }
    Status written = file.WriteRecord(record);
    if (!written.ok() && written.op() != IoOp::kFlush) return op.Fail(written);
    op.SetPosition(std::to_string(file.CurrentPosition()));
    if (!written.ok()) return op.FailKeepingWork(written);
    return op.Finish(file, append ? CardMessage::kSchedaInserita : CardMessage::kModificheSalvate);
}

}  // namespace corvelo
