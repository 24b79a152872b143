#include "core/checks/partita_iva.h"

#include <algorithm>
#include <array>
#include <string>

#include "core/storage/cp1252.h"
#include "core/storage/text.h"

namespace corvelo {
namespace {

struct Office {
    int code;
    std::string_view name;
};

// The provincial VAT offices, by the code in digits 8 to 10.
constexpr std::array<Office, 104> kOffices = {{
    {1, "Torino"},
    {2, "Vercelli"},
    {3, "Novara"},
    {4, "Cuneo"},
    {5, "Asti"},
    {6, "Alessandria"},
    {7, "Aosta"},
    {8, "Imperia"},
    {9, "Savona"},
    {10, "Genova 1"},
    {11, "La Spezia"},
    {12, "Varese"},
    {13, "Como"},
    {14, "Sondrio"},
    {15, "Milano 1"},
    {16, "Bergamo"},
    {17, "Brescia 1"},
    {18, "Pavia"},
    {19, "Cremona"},
    {20, "Mantova"},
    {21, "Bolzano"},
    {22, "Trento"},
    {23, "Verona"},
    {24, "Vicenza"},
    {25, "Belluno"},
    {26, "Treviso"},
    {27, "Venezia"},
    {28, "Padova"},
    {29, "Rovigo"},
    {30, "Udine"},
    {31, "Gorizia"},
    {32, "Trieste"},
    {33, "Piacenza"},
    {34, "Parma"},
    {35, "Reggio Emilia"},
    {36, "Modena"},
    {37, "Bologna 1"},
    {38, "Ferrara"},
    {39, "Ravenna"},
    {40, "Forlì"},
    {41, "Pesaro"},
    {42, "Ancona"},
    {43, "Macerata"},
    {44, "Ascoli Piceno"},
    {45, "Massa Carrara"},
    {46, "Lucca"},
    {47, "Pistoia"},
    {48, "Firenze 1"},
    {49, "Livorno"},
    {50, "Pisa"},
    {51, "Arezzo"},
    {52, "Siena"},
    {53, "Grosseto"},
    {54, "Perugia"},
    {55, "Terni"},
    {56, "Viterbo"},
    {57, "Rieti"},
    {58, "Roma 1"},
    {59, "Latina"},
    {60, "Frosinone"},
    {61, "Caserta"},
    {62, "Benevento"},
    {63, "Napoli 1"},
    {64, "Avellino"},
    {65, "Salerno"},
    {66, "Aquila"},
    {67, "Teramo"},
    {68, "Pescara"},
    {69, "Chieti"},
    {70, "Campobasso"},
    {71, "Foggia"},
    {72, "Bari"},
    {73, "Taranto"},
    {74, "Brindisi"},
    {75, "Lecce"},
    {76, "Potenza"},
    {77, "Matera"},
    {78, "Cosenza"},
    {79, "Catanzaro"},
    {80, "Reggio Calabria"},
    {81, "Trapani"},
    {82, "Palermo"},
    {83, "Messina"},
    {84, "Agrigento"},
    {85, "Caltanissetta"},
    {86, "Enna"},
    {87, "Catania"},
    {88, "Ragusa"},
    {89, "Siracusa"},
    {90, "Sassari"},
    {91, "Nuoro"},
    {92, "Cagliari"},
    {93, "Pordenone"},
    {94, "Isernia"},
    {95, "Oristano"},
    {96, "Monza (Milano 2)"},
    {97, "Prato (Firenze 2)"},
    {98, "Brescia 2"},
    {99, "Chiavari (Genova 2)"},
    {100, "Roma 2"},
    {101, "Bologna 2"},
    {102, "Napoli 2"},
    {120, "Bologna 2"},
    {121, "Napoli 2"},
}};

constexpr std::size_t kNumberLength = 11;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

bool IsPartitaIvaCorrect(std::string_view number) {
    if (number.size() != kNumberLength || !std::all_of(number.begin(), number.end(), IsDigit)) {
        return false;
    }
    int sum = 0;
    for (std::size_t i = 0; i < kNumberLength - 1; ++i) {
        const int digit = number[i] - '0';
        if (i % 2 == 0) {
            sum += digit;  // odd positions, counting from 1
        } else {
            const int twice = 2 * digit;
            sum += twice >= 10 ? twice - 9 : twice;
        }
    }
    const int check = sum % 10 == 0 ? 0 : 10 - sum % 10;
    return number[kNumberLength - 1] - '0' == check;
}

std::string_view PartitaIvaOffice(std::string_view code) {
    if (code.size() != 3 || !std::all_of(code.begin(), code.end(), IsDigit)) return {};
    const int value = (code[0] - '0') * 100 + (code[1] - '0') * 10 + (code[2] - '0');
    for (const Office& office : kOffices) {
        if (office.code == value) return office.name;
    }
    return {};
}

CheckResult CheckPartitaIva(std::string_view boxText) {
    const std::string number = AsciiUpper(boxText);
    if (CodePointCount(number) != kNumberLength) {
        return {CheckVerdict::Retry, CheckNotice::Warning, std::string(kMsgIvaLunghezza)};
    }
    if (!IsPartitaIvaCorrect(number)) {
        return {CheckVerdict::Wrong, CheckNotice::Warning, std::string(kMsgIvaErrata)};
    }
    std::string message(kMsgIvaValidaPrefisso);
    message += PartitaIvaOffice(number.substr(7, 3));
    message += '.';
    return {CheckVerdict::Valid, CheckNotice::Information, std::move(message)};
}

}  // namespace corvelo
