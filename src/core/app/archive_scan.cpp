#include "core/app/archive_scan.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <system_error>

#include "core/storage/cp1252.h"
#include "core/storage/fixed_text_inline.h"

namespace corvelo {

ArchiveReader::~ArchiveReader() {
    if (file_) file_->Close();
    if (buffer_) ::operator delete[](buffer_, std::align_val_t{kPage});
}

Status ArchiveReader::Open(const std::filesystem::path& path, std::size_t record_size,
                           FileSystem& fs) {
    record_size_ = record_size;
    if (Status s = fs.OpenOrCreate(path, &file_); !s.ok()) return s;
    const Result<std::uint64_t> size = file_->Size();
    if (!size.ok()) {
        file_->Close();
        file_.reset();
        return size.status;
    }
    left_ = static_cast<std::size_t>(size.value / record_size) * record_size;
    prefix_ = (record_size + kPage - 1) / kPage * kPage;
    buffer_ = static_cast<char*>(::operator new[](prefix_ + kBlock, std::align_val_t{kPage}));
    return Status::Ok();
}

Status ArchiveReader::Next(const char** first, std::size_t* records) {
    *records = 0;
    if (left_ == 0) return Status::Ok();
    char* block = buffer_ + prefix_;
    // The start of a record cut by the end of the last block moves in front
    // of the block, so the record lies whole once the block is read.
    if (carry_ != 0) std::memmove(block - carry_, block + last_ - carry_, carry_);
    const std::size_t want = std::min(left_, kBlock);
    const Result<std::size_t> got = file_->Read(block, want);
    if (!got.ok()) return got.status;
    if (got.value != want) return Status::Error(IoOp::kRead, "short record");
    left_ -= want;
    last_ = want;
    const std::size_t bytes = carry_ + want;
    *first = block - carry_;
    *records = bytes / record_size_;
    carry_ = bytes % record_size_;
    return Status::Ok();
}

Status ArchiveReader::Close() {
    std::unique_ptr<File> file = std::move(file_);
    return file->Close();
}

std::size_t RecordCountHint(const std::filesystem::path& path, std::size_t record_size) {
    std::error_code ec;
    const auto bytes = std::filesystem::file_size(path, ec);
    return ec ? 0 : static_cast<std::size_t>(bytes / record_size);
}

void AppendCp1252(std::string_view bytes, std::string& out) {
    if (AllAscii(bytes.data(), bytes.size())) {
        out.append(bytes);
    } else {
        AppendCp1252AsUtf8(bytes, out);
    }
}

}  // namespace corvelo
