// Files attached to a card (customer or item): up to three files copied into
// the one shared folder Documenti_Allegati of the data folder, the record
// keeping only their bare names. The rules here keep a copy from harming the
// file it replaces and a stored name from reaching outside the folder.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/storage/status.h"

namespace corvelo {

inline constexpr std::string_view kAttachmentFolderName = "Documenti_Allegati";
inline constexpr std::string_view kAttachCaption = " Allega file";
inline constexpr std::string_view kAttachDialogTitle = "Selezionare il file da allegare:";
// Also matches names without an extension.
inline constexpr std::string_view kAttachDialogFilter = "Tutti i file (*)";
// Caller tags: the customer and the item card editors.
inline constexpr std::string_view kAttachTagCustomer = "anagrafica";
inline constexpr std::string_view kAttachTagItem = "magazzino";

// Confirmation (Yes, No) before a file of the folder is replaced.
inline constexpr std::string_view kMsgAllegatoEsistente =
    "Attenzione: nella cartella dei documenti allegati è presente un file con lo stesso "
    "nome.\r\n\r\nSi vuole sovrascrivere il file esistente?";
// Warning after a copy that failed; the slot keeps its previous name.
inline constexpr std::string_view kMsgAllegatoNonCopiato =
    "Attenzione: non è stato possibile copiare il file nella cartella dei documenti "
    "allegati.\r\n\r\nAccertarsi che il file sia leggibile e di possedere i privilegi di "
    "scrittura nella cartella di installazione del programma.";

// Characters an attachment name may hold in a record.
inline constexpr std::size_t kAttachmentNameCapacity = 250;

// The file operations attaching needs. The real one works on the disk;
// tests put a failing one in its place.
class AttachmentFiles {
  public:
    virtual ~AttachmentFiles() = default;
    // True when something (file or folder) exists at `path`.
    virtual bool Exists(const std::filesystem::path& path) = 0;
    // True when both paths exist and name the same file (also through links).
    virtual bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b) = 0;
    // Creates the folder with its missing parents; ok when it already exists.
    virtual Status CreateFolders(const std::filesystem::path& folder) = 0;
    // Copies the bytes of `from` into `to` (created or truncated) and forces
    // them to the disk.
    virtual Status CopyFile(const std::filesystem::path& from, const std::filesystem::path& to) = 0;
    // Renames `from` to `to`, replacing `to` in one step.
    virtual Status Rename(const std::filesystem::path& from, const std::filesystem::path& to) = 0;
    // Removes the file (used only for a temporary copy that failed).
    virtual Status Remove(const std::filesystem::path& path) = 0;
};

AttachmentFiles& DefaultAttachmentFiles();

// <dir>/Documenti_Allegati.
std::filesystem::path AttachmentFolder(const std::filesystem::path& dir);

// A name as the record can hold it exactly and as a bare file name: trimmed,
// every character outside Windows-1252, every control character and every
// folder separator replaced by "_", cut to 250 characters keeping the
// extension where it can, and never empty, "." or "..". A name that already
// fits is returned unchanged.
std::string StorableAttachmentName(std::string_view name);

// The file a stored name opens: <dir>/Documenti_Allegati/<name trimmed>,
// only for a bare name (not empty, no "/" or "\", not "." or ".."); nullopt
// for anything else, so a damaged or edited record cannot open a file
// outside the folder.
std::optional<std::filesystem::path> AttachmentPath(const std::filesystem::path& dir,
                                                    std::string_view stored_name);

// The first part of "Sfoglia...", once a file is chosen.
struct AttachmentPlan {
    std::string name;              // the name the slot will show and the record keep
    std::filesystem::path target;  // <dir>/Documenti_Allegati/<name>
    bool same_file = false;        // the chosen file is the target itself: no copy
    bool ask_overwrite = false;    // another file of that name is there: ask kMsgAllegatoEsistente
    Status status;                 // the folder could not be created
};

// Creates the folder when missing and tells what the copy of `chosen` will
// do. With same_file the name enters the slot at once and nothing is copied
// (a file copied onto itself would be emptied).
AttachmentPlan PlanAttachment(const std::filesystem::path& dir, const std::filesystem::path& chosen,
                              AttachmentFiles& files = DefaultAttachmentFiles());

// The copy, after the plan (and a Yes or any answer other than No to
// kMsgAllegatoEsistente): `chosen` is copied into a temporary file of the
// folder, which is then renamed over the target, so a failed copy leaves the
// old file whole. The name enters the slot only when this succeeds;
// otherwise show kMsgAllegatoNonCopiato and keep the slot's previous name.
Status CopyAttachment(const std::filesystem::path& chosen, const AttachmentPlan& plan,
                      AttachmentFiles& files = DefaultAttachmentFiles());

}  // namespace corvelo
