#include "core/storage/undo_file.h"

#include <charconv>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <system_error>

#include "core/storage/articolo.h"
#include "core/storage/cliente.h"
#include "core/storage/file_replace.h"
#include "core/storage/ricevuta.h"

namespace corvelo {
namespace {

// The undo file is a header line "annulla <offset> <size>\n" followed by
// exactly <size> bytes, the old record.
constexpr std::string_view kTag = "annulla ";
constexpr std::string_view kSuffix = ".annulla";

struct Undo {
    std::uint64_t offset = 0;
    std::string_view old;
};

bool ParseNumber(std::string_view& text, char end, std::uint64_t* value) {
    const char* last = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), last, *value);
    if (ec != std::errc() || ptr == text.data() || ptr == last || *ptr != end) return false;
    text.remove_prefix(static_cast<std::size_t>(ptr - text.data()) + 1);
    return true;
}

bool ParseUndo(std::string_view bytes, Undo* undo) {
    if (!bytes.starts_with(kTag)) return false;
    bytes.remove_prefix(kTag.size());
    std::uint64_t size = 0;
    if (!ParseNumber(bytes, ' ', &undo->offset) || !ParseNumber(bytes, '\n', &size)) return false;
    if (bytes.size() != size) return false;
    undo->old = bytes;
    return true;
}

std::filesystem::path FolderOf(const std::filesystem::path& path) {
    return path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
}

Status WriteBack(const std::filesystem::path& archive, const Undo& undo, std::size_t record_size,
                 FileSystem& fs) {
    std::unique_ptr<File> file;
    if (Status s = fs.OpenOrCreate(archive, &file); !s.ok()) return s;
    Status s;
    Result<std::uint64_t> length = file->Size();
    if (!length.ok()) {
        s = length.status;
    } else if (undo.offset % record_size != 0 || undo.offset > length.value ||
               length.value - undo.offset < record_size) {
        s = Status::Error(IoOp::kRead, "undo file outside the archive");
    }
    if (s.ok()) s = file->Seek(undo.offset);
    if (s.ok()) s = file->Write(undo.old.data(), undo.old.size());
    if (s.ok()) s = file->Flush();
    if (!s.ok()) {
        file->Close();
        return s;
    }
    return file->Close();
}

}  // namespace

std::filesystem::path UndoFilePath(const std::filesystem::path& archive) {
    return archive.parent_path() / ("." + archive.filename().string() + std::string(kSuffix));
}

Status WriteUndoFile(const std::filesystem::path& archive, std::uint64_t offset,
                     std::string_view old, FileSystem& fs) {
    std::string bytes(kTag);
    bytes += std::to_string(offset) + " " + std::to_string(old.size()) + "\n";
    bytes += old;
    return ReplaceFile(UndoFilePath(archive), bytes, fs);
}

Status RepairInterruptedWrite(const std::filesystem::path& archive, std::size_t record_size,
                              FileSystem& fs) {
    const std::filesystem::path undo_path = UndoFilePath(archive);
    // The replacements of the undo file that were killed part way left
    // their temporary files: cleared away, as nothing else will.
    fs.RemoveAbandonedTemporaries(undo_path);
    Result<bool> exists = fs.Exists(undo_path);
    if (!exists.ok()) return exists.status;
    if (!exists.value) return Status::Ok();

    const Result<std::optional<std::string>> read = ReadWholeFile(undo_path, fs);
    if (!read.ok()) return read.status;
    if (!read.value) return Status::Ok();  // removed meanwhile: nothing to put back
    const std::string& bytes = *read.value;
    Undo undo;
    if (!ParseUndo(bytes, &undo) || undo.old.size() != record_size) {
        return Status::Error(IoOp::kRead, "malformed undo file " + undo_path.string());
    }
    Result<bool> archive_exists = fs.Exists(archive);
    if (!archive_exists.ok()) return archive_exists.status;
    if (!archive_exists.value) {
        return Status::Error(IoOp::kRead, "undo file of a missing archive " + undo_path.string());
    }
    if (Status s = WriteBack(archive, undo, record_size, fs); !s.ok()) return s;
    if (Status s = fs.Remove(undo_path); !s.ok()) return s;
    fs.SyncFolder(FolderOf(archive));
    return Status::Ok();
}

Status RepairArchives(const std::filesystem::path& folder, FileSystem& fs) {
    // The archives named by an undo file or by a temporary file of one.
    std::set<std::string> archives;
    std::error_code ec;
    std::filesystem::directory_iterator it(folder, ec);
    for (; !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
        // ".<archive>.annulla", or "..<archive>.annulla.<...>.tmp" for a
        // temporary one.
        const std::string name = it->path().filename().string();
        const std::size_t start = name.find_first_not_of('.');
        if (start != 1 && start != 2) continue;
        const std::size_t at = name.find(kSuffix, start);
        if (at == std::string::npos || at == start) continue;
        const std::size_t after = at + kSuffix.size();
        if (start == 1 ? after != name.size() : !name.ends_with(".tmp")) continue;
        archives.insert(name.substr(start, at - start));
    }
    Status first;
    if (ec) first = Status::Error(IoOp::kOpen, "cannot list " + folder.string());
    for (const std::string& archive : archives) {
        std::size_t record_size = 0;
        if (archive == "Clienti.pro") {
            record_size = TCliente::kSize;
        } else if (archive == "Magazzino.pro") {
            record_size = TArticolo::kSize;
        } else if (archive.ends_with(".ric")) {
            record_size = TRicevuta::kSize;
        } else {
            continue;
        }
        Status s = RepairInterruptedWrite(folder / archive, record_size, fs);
        if (first.ok()) first = std::move(s);
    }
    return first;
}

}  // namespace corvelo
