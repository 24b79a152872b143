#include "core/storage/record_file.h"

#include <algorithm>
#include <string>

#include "core/storage/undo_file.h"

namespace corvelo {

RecordFile::~RecordFile() {
    if (file_) file_->Close();
}

Status RecordFile::OpenOrCreate(const std::filesystem::path& path, std::size_t record_size,
                                FileSystem& fs) {
    if (file_) return Status::Error(IoOp::kOpen, "already open");
    if (record_size == 0) return Status::Error(IoOp::kOpen, "record size 0");
    std::unique_ptr<File> file;
    if (Status s = fs.OpenOrCreate(path, &file); !s.ok()) return s;
    Result<std::uint64_t> size = file->Size();
    if (!size.ok()) {
        file->Close();
        return size.status;
    }
    file_ = std::move(file);
    path_ = path;
    fs_ = &fs;
    record_size_ = record_size;
    length_ = size.value;
    position_ = 0;
    file_at_position_ = true;
    return Status::Ok();
}

Status RecordFile::OpenForWriting(const std::filesystem::path& path, std::size_t record_size,
                                  FileSystem& fs) {
    if (file_) return Status::Error(IoOp::kOpen, "already open");
    if (record_size == 0) return Status::Error(IoOp::kOpen, "record size 0");
    if (Status s = RepairInterruptedWrite(path, record_size, fs); !s.ok()) return s;
    return OpenOrCreate(path, record_size, fs);
}

Status RecordFile::SeekFile(std::size_t index) {
    Status s = file_->Seek(static_cast<std::uint64_t>(index) * record_size_);
    file_at_position_ = s.ok() && index == position_;
    return s;
}

Status RecordFile::SeekRecord(std::size_t index) {
    if (!file_) return Status::Error(IoOp::kSeek, "not open");
    if (index > RecordCount()) return Status::Error(IoOp::kSeek, "past the append position");
    if (Status s = file_->Seek(static_cast<std::uint64_t>(index) * record_size_); !s.ok()) {
        file_at_position_ = false;
        return s;
    }
    position_ = index;
    file_at_position_ = true;
    return Status::Ok();
}

Status RecordFile::ReadRecord(std::string& buffer) {
    if (!file_) return Status::Error(IoOp::kRead, "not open");
    if (AtEnd()) return Status::Error(IoOp::kRead, "no record at this position");
    if (!file_at_position_) {
        if (Status s = SeekFile(position_); !s.ok()) return s;
    }
    buffer.resize(record_size_);
    Result<std::size_t> got = file_->Read(buffer.data(), record_size_);
    if (!got.ok() || got.value != record_size_) {
        file_at_position_ = false;
        return got.ok() ? Status::Error(IoOp::kRead, "short record") : got.status;
    }
    ++position_;
    return Status::Ok();
}

Status RecordFile::WriteRecord(std::string_view record) {
    if (!file_) return Status::Error(IoOp::kWrite, "not open");
    if (record.size() != record_size_) return Status::Error(IoOp::kWrite, "wrong record size");
    if (position_ > RecordCount()) return Status::Error(IoOp::kWrite, "past the append position");
    // An overwrite first reads the record's old bytes and keeps them in the
    // undo file, to put them back should the write fail or be killed part
    // way and leave the record half new.
    std::string old;
    const bool overwrite = position_ < RecordCount();
    if (overwrite) {
        if (!file_at_position_) {
            if (Status s = SeekFile(position_); !s.ok()) return s;
        }
        old.resize(record_size_);
        Result<std::size_t> got = file_->Read(old.data(), record_size_);
        file_at_position_ = false;
        if (!got.ok()) return got.status;
        if (got.value != record_size_) return Status::Error(IoOp::kRead, "short record");
        const std::uint64_t offset = static_cast<std::uint64_t>(position_) * record_size_;
        if (Status s = WriteUndoFile(path_, offset, old, *fs_); !s.ok()) {
            return Status::Error(IoOp::kWrite, "undo file: " + s.detail());
        }
    }
    if (!file_at_position_) {
        if (Status s = SeekFile(position_); !s.ok()) return s;
    }
    if (Status s = file_->Write(record.data(), record.size()); !s.ok()) {
        if (overwrite && SeekFile(position_).ok() && file_->Write(old.data(), old.size()).ok() &&
            file_->Flush().ok()) {
            RemoveUndoFile();
        }
        // The part of an append that reached the file (a full disk, a write
        // cut short) is taken back, so the file is as it was.
        if (!overwrite &&
            file_->Truncate(static_cast<std::uint64_t>(position_) * record_size_).ok()) {
            length_ = static_cast<std::uint64_t>(position_) * record_size_;
            file_->Flush();
        }
        file_at_position_ = false;
        return s;
    }
    const std::uint64_t end = static_cast<std::uint64_t>(position_ + 1) * record_size_;
    length_ = std::max(length_, end);
    ++position_;
    Status flushed = file_->Flush();
    if (!overwrite) return flushed;
    Status removed = RemoveUndoFile();
    return flushed.ok() ? removed : flushed;
}

Status RecordFile::RemoveUndoFile() {
    const std::filesystem::path undo = UndoFilePath(path_);
    if (Status s = fs_->Remove(undo); !s.ok()) return s;
    fs_->SyncFolder(undo.has_parent_path() ? undo.parent_path() : std::filesystem::path("."));
    return Status::Ok();
}

Status RecordFile::CloseRecordFile() {
    if (!file_) return Status::Error(IoOp::kClose, "not open");
    std::unique_ptr<File> file = std::move(file_);
    return file->Close();
}

}  // namespace corvelo
