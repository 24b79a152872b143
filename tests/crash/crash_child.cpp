// The child of the crash test: saves one card or file after another in the
// data folder through the functions the screens call, until it is killed
// (or, when settling, once each kind has been saved).
//
//   crash_child DIR SEED [settle]
//
// Before each save it prints "go STEP", and once the save has returned
// "ack STEP CARD" (CARD the card number the editor shows afterwards, 0 for
// a whole file), each line written straight to the pipe. A save that fails
// prints "fail STEP ..." and ends the run with status 3.
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "core/customers/customer_card.h"
#include "core/receipts/receipt_numbering.h"
#include "core/receipts/receipt_save.h"
#include "core/storage/record_scan.h"
#include "core/warehouse/item_card.h"
#include "crash/crash_saves.h"

namespace {

using namespace corvelo;
using namespace corvelo::crash;

void Say(const std::string& line) {
    const std::string text = line + "\n";
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(STDOUT_FILENO, text.data() + done, text.size() - done);
        if (n <= 0) std::_Exit(4);
        done += static_cast<std::size_t>(n);
    }
}

[[noreturn]] void Fail(std::size_t step, const std::string& why) {
    Say("fail " + std::to_string(step) + " " + why);
    std::_Exit(3);
}

template <class R>
std::optional<R> Shown(const std::filesystem::path& path, std::size_t card, std::size_t step) {
    if (card == 0) return std::nullopt;
    CardRead<R> read = ReadCard<R>(path, card);
    if (!read.ok()) Fail(step, "cannot show card " + std::to_string(card));
    return read.value;
}

// One save as its editor makes it; returns lblPosizione afterwards.
std::string SaveCard(const std::filesystem::path& dir, const Save& save, std::size_t step) {
    const std::filesystem::path path = dir / FileName(save.kind);
    const std::string position = save.card == 0 ? "" : std::to_string(save.card);
    switch (save.kind) {
        case Kind::kReceipt: {
            std::string numero, data;
            if (save.card == 0) {
                // "Nuovo" proposes the number and the date.
                const NewReceiptProposal p = ProposeNewReceipt(path, "", "No", kToday);
                if (!p.ok()) Fail(step, "no proposal");
                numero = p.numero;
                data = p.data;
            }
            const ReceiptTexts t =
                ReceiptTextsFor(save, Shown<TRicevuta>(path, save.card, step), numero, data);
            const ReceiptSaveOutcome o = SaveReceipt(path, t, position);
            if (!o.saved) Fail(step, o.notice.text + " " + o.status.detail());
            return o.position;
        }
        case Kind::kCustomer: {
            const CustomerTexts t = CustomerTextsFor(save, Shown<TCliente>(path, save.card, step));
            const CustomerSaveOutcome o = SaveCustomer(path, t, position);
            if (!o.saved) Fail(step, o.notice.text + " " + o.status.detail());
            return o.position;
        }
        default: {
            const ItemTexts t = ItemTextsFor(save, Shown<TArticolo>(path, save.card, step));
            const ItemSaveOutcome o = SaveItem(path, t, position);
            if (!o.saved) Fail(step, o.status.detail());
            return o.position;
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) return 2;
    const std::filesystem::path dir = argv[1];
    const std::uint64_t seed = std::strtoull(argv[2], nullptr, 10);
    const bool settling = argc > 3 && std::string(argv[3]) == "settle";

    Counts counts{};
    for (std::size_t a = 0; a < kArchiveCount; ++a) {
        const Kind kind = static_cast<Kind>(a);
        const Result<std::size_t> n = CountRecords(dir / FileName(kind), RecordSize(kind));
        if (!n.ok()) Fail(0, "cannot count " + FileName(kind));
        counts[a] = n.value;
    }
    for (std::size_t step = 0; !settling || step < kKindCount; ++step) {
        const Save save = PlanSave(seed, step, counts, settling);
        Say("go " + std::to_string(step));
        std::string card = "0";
        if (IsArchive(save.kind)) {
            card = SaveCard(dir, save, step);
            if (save.card == 0) ++counts[static_cast<std::size_t>(save.kind)];
        } else if (!WriteWholeFile(dir, save)) {
            Fail(step, "cannot write " + FileName(save.kind));
        }
        Say("ack " + std::to_string(step) + " " + card);
    }
    return 0;
}
