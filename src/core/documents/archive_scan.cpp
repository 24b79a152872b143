#include "core/documents/archive_scan.h"

#include "core/storage/cp1252.h"
#include "core/storage/fixed_text_inline.h"

namespace corvelo {

Status ArchiveReader::Open(const std::filesystem::path& path, std::size_t record_size,
                           FileSystem& fs) {
    record_size_ = record_size;
    if (Status s = fs.OpenOrCreate(path, &file_); !s.ok()) return s;
    const Result<std::uint64_t> size = file_->Size();
    if (!size.ok()) {
        file_->Close();
        return size.status;
    }
    left_ = static_cast<std::size_t>(size.value / record_size);
    buffer_.resize(kRecordsPerRead * record_size);
    return Status::Ok();
}

Status ArchiveReader::Next(std::size_t* records) {
    const std::size_t n = std::min(left_, kRecordsPerRead);
    *records = 0;
    if (n == 0) return Status::Ok();
    const std::size_t want = n * record_size_;
    const Result<std::size_t> got = file_->Read(buffer_.data(), want);
    if (!got.ok()) return got.status;
    if (got.value != want) return Status::Error(IoOp::kRead, "short record");
    left_ -= n;
    *records = n;
    return Status::Ok();
}

Status ArchiveReader::Close() {
    std::unique_ptr<File> file = std::move(file_);
    return file->Close();
}

void AppendCp1252(std::string_view bytes, std::string& out) {
    if (AllAscii(bytes.data(), bytes.size())) {
        out.append(bytes);
    } else {
        AppendCp1252AsUtf8(bytes, out);
    }
}

}  // namespace corvelo
