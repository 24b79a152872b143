#include "core/storage/record_scan.h"

namespace corvelo {

Result<std::size_t> CountRecords(const std::filesystem::path& path, std::size_t record_size,
                                 FileSystem& fs) {
    Result<std::size_t> result;
    RecordFile file;
    if (result.status = file.OpenOrCreate(path, record_size, fs); !result.ok()) return result;
    result.value = file.RecordCount();
    result.status = file.CloseRecordFile();
    return result;
}

}  // namespace corvelo
