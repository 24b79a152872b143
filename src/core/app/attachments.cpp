#include "core/app/attachments.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <system_error>

#include "core/storage/cp1252.h"
#include "core/storage/text.h"

namespace corvelo {
namespace {

Status Errno(IoOp op, const std::filesystem::path& path) {
    return Status::Error(op, path.string() + ": " + std::strerror(errno));
}

class DiskAttachmentFiles : public AttachmentFiles {
  public:
    bool Exists(const std::filesystem::path& path) override {
        std::error_code ec;
        return std::filesystem::exists(std::filesystem::symlink_status(path, ec));
    }

    bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b) override {
        std::error_code ec;
        const bool same = std::filesystem::equivalent(a, b, ec);
        return !ec && same;
    }

    Status CreateFolders(const std::filesystem::path& folder) override {
        std::error_code ec;
        std::filesystem::create_directories(folder, ec);
        if (ec || !std::filesystem::is_directory(folder, ec)) {
            return Status::Error(IoOp::kCreate, folder.string() + ": " + ec.message());
        }
        return Status::Ok();
    }

    Status CopyFile(const std::filesystem::path& from, const std::filesystem::path& to) override {
        const int in = ::open(from.c_str(), O_RDONLY | O_CLOEXEC);
        if (in < 0) return Errno(IoOp::kOpen, from);
        const int out = ::open(to.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        if (out < 0) {
            Status s = Errno(IoOp::kCreate, to);
            ::close(in);
            return s;
        }
        Status status;
        static constexpr std::size_t kChunk = 256 * 1024;
        std::string buffer(kChunk, '\0');
        while (status.ok()) {
            const ssize_t got = ::read(in, buffer.data(), kChunk);
            if (got < 0) {
                if (errno == EINTR) continue;
                status = Errno(IoOp::kRead, from);
                break;
            }
            if (got == 0) break;
            ssize_t done = 0;
            while (done < got) {
                const ssize_t put =
                    ::write(out, buffer.data() + done, static_cast<std::size_t>(got - done));
                if (put < 0) {
                    if (errno == EINTR) continue;
                    status = Errno(IoOp::kWrite, to);
                    break;
                }
                done += put;
            }
        }
        if (status.ok() && ::fsync(out) != 0) status = Errno(IoOp::kFlush, to);
        if (::close(out) != 0 && status.ok()) status = Errno(IoOp::kClose, to);
        ::close(in);
        return status;
    }

    Status Rename(const std::filesystem::path& from, const std::filesystem::path& to) override {
        if (std::rename(from.c_str(), to.c_str()) != 0) return Errno(IoOp::kWrite, to);
        return Status::Ok();
    }

    Status Remove(const std::filesystem::path& path) override {
        if (::unlink(path.c_str()) != 0) return Errno(IoOp::kWrite, path);
        return Status::Ok();
    }
};

bool Replaced(char32_t cp) {
    if (cp < 0x20 || cp == 0x7F || (cp >= 0x80 && cp <= 0x9F)) return true;  // controls
    if (cp == U'/' || cp == U'\\') return true;
    return CodePointToCp1252(cp) == '?' && cp != U'?';
}

bool IsBlank(char32_t cp) {
    return cp <= U' ';
}

std::u32string TrimmedCodePoints(std::u32string s) {
    std::size_t b = 0;
    std::size_t e = s.size();
    while (b < e && IsBlank(s[b])) ++b;
    while (e > b && IsBlank(s[e - 1])) --e;
    return s.substr(b, e - b);
}

// The temporary copy beside the target, never the target itself.
std::filesystem::path TemporaryCopy(const std::filesystem::path& target) {
    const std::filesystem::path folder = target.parent_path();
    std::filesystem::path temp = folder / "~corvelo-copia.tmp";
    if (temp.filename() == target.filename()) temp = folder / "~corvelo-copia-2.tmp";
    return temp;
}

}  // namespace

AttachmentFiles& DefaultAttachmentFiles() {
    static DiskAttachmentFiles files;
    return files;
}

std::filesystem::path AttachmentFolder(const std::filesystem::path& dir) {
    return dir / std::string(kAttachmentFolderName);
}

std::string StorableAttachmentName(std::string_view name) {
    std::u32string cps = Utf8ToCodePoints(name);
    for (char32_t& cp : cps) {
        if (Replaced(cp)) cp = U'_';
    }
    cps = TrimmedCodePoints(std::move(cps));
    if (cps.size() > kAttachmentNameCapacity) {
        const std::size_t dot = cps.rfind(U'.');
        const bool keep_extension = dot != std::u32string::npos && dot > 0 &&
                                    cps.size() - dot < kAttachmentNameCapacity / 2;
        if (keep_extension) {
            const std::u32string extension = cps.substr(dot);
            std::u32string stem = cps.substr(0, kAttachmentNameCapacity - extension.size());
            while (!stem.empty() && IsBlank(stem.back())) stem.pop_back();
            cps = stem + extension;
        } else {
            cps = TrimmedCodePoints(cps.substr(0, kAttachmentNameCapacity));
        }
    }
    if (cps.empty()) return "_";
    if (cps == U"." || cps == U"..") return std::string(cps.size(), '_');
    return CodePointsToUtf8(cps);
}

std::optional<std::filesystem::path> AttachmentPath(const std::filesystem::path& dir,
                                                    std::string_view stored_name) {
    const std::string_view name = TrimView(stored_name);
    if (name.empty() || name == "." || name == "..") return std::nullopt;
    if (name.find_first_of("/\\") != std::string_view::npos) return std::nullopt;
    if (name.find('\0') != std::string_view::npos) return std::nullopt;
    return AttachmentFolder(dir) / std::string(name);
}

AttachmentPlan PlanAttachment(const std::filesystem::path& dir, const std::filesystem::path& chosen,
                              AttachmentFiles& files) {
    AttachmentPlan plan;
    plan.name = StorableAttachmentName(chosen.filename().string());
    const std::filesystem::path folder = AttachmentFolder(dir);
    plan.target = folder / plan.name;
    plan.status = files.CreateFolders(folder);
    if (!plan.status.ok()) return plan;
    plan.same_file = files.SameFile(chosen, plan.target);
    plan.ask_overwrite = !plan.same_file && files.Exists(plan.target);
    return plan;
}

Status CopyAttachment(const std::filesystem::path& chosen, const AttachmentPlan& plan,
                      AttachmentFiles& files) {
    if (!plan.status.ok()) return plan.status;
    if (plan.same_file) return Status::Ok();
    const std::filesystem::path temp = TemporaryCopy(plan.target);
    if (Status s = files.CopyFile(chosen, temp); !s.ok()) {
        files.Remove(temp);
        return s;
    }
    if (Status s = files.Rename(temp, plan.target); !s.ok()) {
        files.Remove(temp);
        return s;
    }
    return Status::Ok();
}

}  // namespace corvelo
