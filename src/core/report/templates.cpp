#include "core/report/templates.h"

#include <algorithm>
#include <cstdio>

#include "core/storage/text.h"

namespace corvelo::report {
namespace {

constexpr Rgb kAliceBlue{0xF0, 0xF8, 0xFF};
constexpr Rgb kBeige{0xF5, 0xF5, 0xDC};
constexpr Rgb kSlateGrey{0x70, 0x80, 0x90};
constexpr Rgb kDarkOrange{0xFF, 0x8C, 0x00};
constexpr Rgb kTeal{0x00, 0x80, 0x80};

// Builds the objects of one page.
class PageBuilder {
  public:
    explicit PageBuilder(Page& page) : page_(page) {}

    TextObject& Text(std::string name, double left, double top, double width, double height,
                     double size, bool bold, HAlign align, bool centreVertically,
                     std::string text = {}) {
        TextObject t;
        t.name = std::move(name);
        t.left = left;
        t.top = top;
        t.width = width;
        t.height = height;
        t.font.size = size;
        t.font.bold = bold;
        t.align = align;
        t.centreVertically = centreVertically;
        if (!text.empty()) t.runs = {TextRun{std::move(text)}};
        page_.objects.emplace_back(std::move(t));
        return std::get<TextObject>(page_.objects.back());
    }

    void Box(std::string name, double left, double top, double width, double height,
             std::optional<Rgb> fill) {
        page_.objects.emplace_back(
            BoxObject{std::move(name), left, top, width, height, fill, kBlack});
    }

    void VLine(std::string name, double left, double top, double height) {
        page_.objects.emplace_back(LineObject{std::move(name), left, top, left, top + height});
    }

    void HLine(std::string name, double left, double top, double width) {
        page_.objects.emplace_back(LineObject{std::move(name), left, top, left + width, top});
    }

    void Image(std::string name, double left, double top, double width, double height,
               PictureFit fit, Picture picture = {}) {
        page_.objects.emplace_back(
            PictureObject{std::move(name), left, top, width, height, fit, std::move(picture)});
    }

  private:
    Page& page_;
};

// Fills first, then pictures, rules and texts, so that no filled box hides a
// rule or a text that lies on it, whatever order the objects were listed in.
void StackByKind(Page& page) {
    std::stable_sort(page.objects.begin(), page.objects.end(),
                     [](const ReportObject& a, const ReportObject& b) {
                         auto rank = [](const ReportObject& o) {
                             if (std::holds_alternative<BoxObject>(o)) return 0;
                             if (std::holds_alternative<PictureObject>(o)) return 1;
                             if (std::holds_alternative<LineObject>(o)) return 2;
                             return 3;
                         };
                         return rank(a) < rank(b);
                     });
}

std::string Two(int n) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "%02d", n);
    return buffer;
}

// The joined lines of the receipt, from trimmed parts.
std::string CityLine(std::string_view cap, std::string_view city, std::string_view prov) {
    return Trim(cap) + " " + Trim(city) + " " + Trim(prov);
}

std::string TaxLine(std::string_view codFisc, std::string_view iva) {
    return "C.F. " + Trim(codFisc) + "   P.Iva: " + Trim(iva);
}

constexpr double kReceiptShift = 529.13;
// A 3 mm pitch.
constexpr double kLinePitch = 3 * kUnitsPerMm;

double LineTop(int n) {
    return 332.60 + (n - 1) * kLinePitch;
}

// One copy of the receipt. Copy A is the customer's; copy B, the issuer's,
// sits 529.13 units to the right with its own colours and amount column.
void AddReceiptCopy(PageBuilder& b, bool copyB) {
    const double dx = copyB ? kReceiptShift : 0.0;
    const std::string s = copyB ? "_B" : "_A";
    const Rgb tint = copyB ? kBeige : kAliceBlue;
    // Objects that carry no copy ending of their own are told apart the same way.
    auto fixed = [&](const char* name) { return copyB ? std::string(name) + "_B" : name; };
    const HAlign L = HAlign::Left, C = HAlign::Centre, R = HAlign::Right;

    b.VLine("lineLeft" + s, 37.80 + dx, 37.80, 710.55);
    b.HLine("lineTop" + s, 37.80 + dx, 37.80, 510.24);
    b.VLine("lineRight" + s, 548.03 + dx, 37.80, 710.55);
    b.Image("imgLogo" + s, 45.35 + dx, 45.35, 226.77, 143.62, PictureFit::KeepAspect);
    b.Box("shpNumRic" + s, 279.69 + dx, 45.35, 260.79, 41.57, tint);
    b.Text("txtNumRic" + s, 287.24 + dx, 49.13, 245.67, 15.12, 9, true, L, false);
    b.Text("txtData" + s, 287.24 + dx, 65.76, 245.67, 15.12, 9, false, L, false);
    b.Box("icoBollo" + s, 279.69 + dx, 94.49, 260.79, 79.37, std::nullopt);
    b.Text(fixed("Memo1"), 281.57 + dx, 98.27, 245.67, 12.09, 7, false, L, false, "Spettabile");
    b.Text("txtCliente" + s, 286.87 + dx, 113.39, 245.67, 18.14, 8, false, L, true);
    b.Text("txtViaCliente" + s, 287.24 + dx, 132.28, 245.67, 18.14, 8, false, L, true);
    b.Text("txtCittaCliente" + s, 287.24 + dx, 151.18, 245.67, 18.14, 8, false, L, true);
    b.Box(fixed("Shape1"), 279.69 + dx, 177.64, 260.79, 26.46, kWhite);
    b.Text("txtCodFiscCliente" + s, 287.24 + dx, 182.55, 245.67, 18.14, 7, false, L, true);
    b.Text("txtDitta" + s, 45.35 + dx, 192.76, 226.77, 15.12, 7, false, L, true);
    b.Text("txtRiferimenti" + s, 279.69 + dx, 205.61, 260.79, 16.63, 7, false, L, true);
    b.Text("txtViaDitta" + s, 45.35 + dx, 207.87, 226.77, 15.12, 7, false, L, true);
    b.Text("txtPagamento" + s, 279.69 + dx, 220.72, 260.79, 16.63, 7, false, L, true);
    b.Text("txtCittaDitta" + s, 45.35 + dx, 222.99, 226.77, 15.12, 7, false, L, true);
    b.Text("txtCodFiscDitta" + s, 45.35 + dx, 238.11, 226.77, 15.12, 6, false, L, true);
    b.Text("txtBanca" + s, 279.69 + dx, 238.11, 260.79, 16.63, 7, false, L, true);
    b.Text("txtLibero01" + s, 45.35 + dx, 253.23, 226.77, 13.23, 6, false, L, true);
    b.Box("shpCopia" + s, 279.69 + dx, 257.01, 260.79, 22.68, tint);
    b.Text("titCopia" + s, 283.46 + dx, 260.79, 253.61, 14.36, 8, true, C, false,
           copyB ? "COPIA PER LA DITTA EMITTENTE" : "COPIA PER IL CLIENTE");
    b.Text("txtLibero02" + s, 45.35 + dx, 268.35, 226.77, 13.23, 6, false, L, true);
    b.Box("shpDatiContratto" + s, 45.35 + dx, 286.49, 495.12, 17.39, kWhite);
    b.Text("txtNote" + s, 49.13 + dx, 289.51, 487.56, 11.34, 7, false, L, false);
    b.Box(fixed("Shape2"), 45.35 + dx, 309.92, 495.12, 18.90, tint);
    // The issuer's copy has a wider amount column, 6 mm further left.
    b.VLine(fixed("Line1"), copyB ? 961.89 : 455.43, 309.92, 365.86);
    b.Text(fixed("Memo2"), 49.13 + dx, 313.70, copyB ? 378.71 : 401.39, 12.09, 7, true, C, false,
           "PRODOTTI E SERVIZI FORNITI");
    b.Text(fixed("Memo3"), copyB ? 967.56 : 461.10, 313.70, copyB ? 97.51 : 74.83, 12.09, 7, true,
           C, false, "IMPORTO");
    b.Box("shpDatiImmobile" + s, 45.35 + dx, 328.82, 494.36, 346.96, kWhite);
    for (int n = 1; n <= 30; ++n) {
        double left = 49.13, width = 401.39;
        if (copyB) {
            left = 578.27;
            width = 377.95;
        } else if (n >= 17) {
            // Beside the stamp box.
            left = 263.06;
            width = 187.46;
        }
        b.Text("txtDesc" + Two(n) + s, left, LineTop(n), width, 12.09, 7, false, L, false);
        b.Text("txtPrezzo" + Two(n) + s, copyB ? 967.56 : 461.10, LineTop(n), copyB ? 98.27 : 74.83,
               12.09, 7, false, R, false);
    }
    if (!copyB) {
        b.Box("Shape14", 49.13, 517.04, 207.87, 154.96, kWhite);
        b.Text("Memo9", 60.47, 580.54, 185.57, 14.36, 8, false, C, false, "BOLLO VIGENTE");
        b.Text("Memo10", 60.47, 597.17, 185.57, 14.36, 8, false, C, false, "(ove previsto)");
    }
    b.Box(fixed("Shape11"), 45.35 + dx, 680.32, 241.89, 12.85, tint);
    b.Box("shpQuietanza" + s, 294.80 + dx, 680.32, 245.67, 60.47, tint);
    b.Text(fixed("Memo100"), 49.13 + dx, 681.07, 233.57, 10.58, 6, false, C, false,
           "FIRMA PER QUIETANZA");
    b.Text("titTotImporti" + s, 298.58 + dx, 683.34, 139.84, 12.09, 7, false, L, false,
           "TOTALE CORRISPETTIVI:");
    b.Text("txtTotCorrispettivi" + s, 442.21 + dx, 683.34, 92.60, 12.09, 7, false, R, false);
    b.Box("shpFirma" + s, 45.35 + dx, 693.54, 241.89, 47.24, kWhite);
    b.Text("titPercIstat" + s, 298.58 + dx, 697.70, 139.84, 12.09, 7, false, L, false,
           "Acconti da detrarre:");
    b.Text("txtAcconti" + s, 442.20 + dx, 697.70, 92.60, 12.09, 7, false, R, false);
    b.Text("titIstat" + s, 298.58 + dx, 712.06, 139.84, 12.09, 7, false, L, false,
           "Imposta di bollo:");
    b.Text("txtTassa" + s, 442.21 + dx, 712.06, 92.60, 12.09, 7, false, R, false);
    b.Text("titTotale" + s, 298.58 + dx, 726.43, 139.84, 12.09, 7, true, L, false,
           "TOTALE SALDATO:");
    b.Text("txtTotale" + s, 442.21 + dx, 726.43, 92.60, 12.09, 7, true, R, false);
    b.HLine(fixed("Line3"), 55.18 + dx, 732.47, 221.48);
    b.HLine("lineBottom" + s, 37.80 + dx, 748.35, 510.24);
    b.Text("txtBollo" + s, 37.80 + dx, 749.86, 510.24, 10.58, 6, false, L, false,
           "I dati personali del Cliente saranno trattati in base alle leggi vigenti sulla "
           "privacy esclusivamente per l'erogazione del servizio");
    b.Text(fixed("Memo6"), 37.80 + dx, 760.44, 510.24, 10.58, 6, false, L, false,
           "e non saranno forniti a terzi o utilizzati per l'invio di pubblicità.");
}

void FillReceiptCopy(ReportDocument& doc, const ReceiptTexts& t, const std::string& s) {
    auto set = [&](const std::string& name, const std::string& text) {
        doc.SetText(name + s, text);
    };
    set("txtNumRic", "Ricevuta n. " + Trim(t.numRic));
    set("txtData", "Data emissione:  " + Trim(t.data));
    set("txtCliente", Trim(t.cliente));
    set("txtViaCliente", Trim(t.viaCliente));
    set("txtCittaCliente", CityLine(t.capCliente, t.cittaCliente, t.provCliente));
    set("txtCodFiscCliente", TaxLine(t.codFiscCliente, t.ivaCliente));
    set("txtDitta", Trim(t.ditta));
    set("txtRiferimenti", "Rif. " + Trim(t.riferimenti));
    set("txtViaDitta", Trim(t.viaDitta));
    set("txtPagamento", "Pagamento: " + Trim(t.pagamento));
    set("txtCittaDitta", CityLine(t.capDitta, t.cittaDitta, t.provDitta));
    set("txtCodFiscDitta", TaxLine(t.codFiscDitta, t.ivaDitta));
    set("txtBanca", "Banca: " + Trim(t.banca));
    set("txtLibero01", Trim(t.libero01));
    set("txtLibero02", Trim(t.libero02));
    doc.SetFormattedText("txtNote" + s, Trim(t.note));
    for (int n = 1; n <= 30; ++n) {
        set("txtDesc" + Two(n), Trim(t.desc[n - 1]));
        set("txtPrezzo" + Two(n), Trim(t.prezzo[n - 1]));
    }
    set("txtTotCorrispettivi", Trim(t.totCorrispettivi));
    set("txtAcconti", Trim(t.acconti));
    set("txtTassa", Trim(t.tassa));
    set("txtTotale", Trim(t.totale));
}

// A small yellow folder for the card sheets' corner.
Picture FolderPicture() {
    constexpr int kW = 64, kH = 49;
    Picture p;
    p.width = kW;
    p.height = kH;
    p.rgb.assign(kW * kH * 3, 255);
    auto put = [&](int x, int y, Rgb c) {
        std::uint8_t* px = &p.rgb[(static_cast<std::size_t>(y) * kW + x) * 3];
        px[0] = c.r;
        px[1] = c.g;
        px[2] = c.b;
    };
    const Rgb edge{0xB8, 0x86, 0x0B}, back{0xF2, 0xC2, 0x3A}, front{0xFF, 0xD8, 0x5A};
    for (int y = 4; y < 45; ++y) {
        for (int x = 4; x < 60; ++x) {
            const bool tab = y < 10 && x < 26 && x > 4 + (10 - y);
            const bool body = y >= 10;
            if (!tab && !body) continue;
            const bool frontFlap = y >= 16 && x >= 4 + (44 - y) / 6;
            const bool border = y == 44 || x == 4 || x == 59 || (tab && y == 5) || y == 10 ||
                                (frontFlap && y == 16);
            put(x, y, border ? edge : frontFlap ? front : back);
        }
    }
    return p;
}

ReportDocument BuildCard(const std::string& title, const std::array<CardRow, 24>& rows,
                         const std::string& footer) {
    ReportDocument doc;
    doc.name = "Scheda informativa";
    doc.title = "Scheda informativa";
    doc.subject = "Scheda informativa";
    Page& page = doc.pages.emplace_back();
    page.width = kA4Short;
    page.height = kA4Long;
    PageBuilder b(page);
    // Millimetres inside the 10 mm margins.
    const double m = 10.0;
    auto u = [](double mm) { return mm * kUnitsPerMm; };
    const HAlign L = HAlign::Left, C = HAlign::Centre;

    b.Image("imgLogo", u(m + 3), u(m + 3), u(17), u(13), PictureFit::KeepAspect, FolderPicture());
    TextObject& t =
        b.Text("txtTitolo", u(m + 23), u(m + 3), u(165), u(9), 16, false, C, true, title);
    t.color = kWhite;
    t.fill = kDarkOrange;
    b.HLine("linSepara01", u(m + 23), u(m + 16), u(165));
    for (int k = 1; k <= 24; ++k) {
        const double top = u(m + 24 + 10 * (k - 1));
        TextObject& label = b.Text("titCampo" + Two(k), u(m + 3), top, u(52), u(6), 9, false, L,
                                   true, rows[k - 1].label);
        label.color = kWhite;
        label.fill = kTeal;
        b.Text("txtCampo" + Two(k), u(m + 60), top, u(128), u(6), 10, false, L, true,
               rows[k - 1].value);
    }
    b.HLine("linSepara02", u(m + 3), u(m + 265), u(185));
    TextObject& calce =
        b.Text("txtCalce", u(m + 3), u(m + 269), u(185), u(6), 10, false, C, true, footer);
    calce.color = kWhite;
    calce.fill = kDarkOrange;
    StackByKind(page);
    return doc;
}

}  // namespace

ReportDocument BuildReceiptSheet(const ReceiptTexts& texts, const Picture& logo) {
    ReportDocument doc;
    doc.name = "Ricevuta";
    doc.title = "Ricevuta";
    doc.subject = "Fattura";
    Page& page = doc.pages.emplace_back();
    page.width = kA4Long;
    page.height = kA4Short;
    PageBuilder b(page);
    AddReceiptCopy(b, false);
    AddReceiptCopy(b, true);
    StackByKind(page);
    doc.SetPicture("imgLogo_A", logo);
    doc.SetPicture("imgLogo_B", logo);
    FillReceiptCopy(doc, texts, "_A");
    FillReceiptCopy(doc, texts, "_B");
    return doc;
}

ReportDocument BuildListReport(const std::string& title, const std::vector<std::string>& lines,
                               const std::string& date) {
    ReportDocument doc;
    doc.name = "Riepilogo dati";
    doc.title = "Riepilogo dati";
    doc.subject = title;
    const double margin = 10.0 * kUnitsPerMm;
    const double bottom = kA4Short - margin;
    auto newPage = [&]() -> Page& {
        Page& page = doc.pages.emplace_back();
        page.width = kA4Long;
        page.height = kA4Short;
        return page;
    };

    Page* page = &newPage();
    double y = margin;
    {
        PageBuilder b(*page);
        TextObject& t = b.Text("txtTitolo", margin + 7.56, y + 3.78, 1031.81, 18.90, 9, true,
                               HAlign::Centre, true, title);
        t.font.family = FontFamily::Verdana;
        t.color = kWhite;
        t.fill = kSlateGrey;
        y += 30.24;
    }
    // The data band: one line per pitch, continuing at the top of the next
    // page when the printable area is full.
    for (const std::string& line : lines) {
        if (y + kListLinePitch > bottom + 1e-6) {
            page = &newPage();
            y = margin;
        }
        PageBuilder b(*page);
        TextObject& t = b.Text("txtRiepilogo", margin + 11.34, y, 1031.81, kListLinePitch, 8, false,
                               HAlign::Left, false, line);
        t.font.family = FontFamily::CourierNew;
        y += kListLinePitch;
    }
    y = std::min(y + kListBandExtra, bottom);
    if (y + 30.24 > bottom + 1e-6) {
        page = &newPage();
        y = margin;
    }
    PageBuilder b(*page);
    TextObject& footer = b.Text("txtPagina", margin + 11.34, y + 7.56, 1028.03, 18.90, 8, true,
                                HAlign::Centre, true, "Stampa eseguita in data " + date);
    footer.font.family = FontFamily::Verdana;
    footer.color = kWhite;
    footer.fill = kSlateGrey;
    return doc;
}

std::array<CardRow, 24> CustomerCardRows(const CustomerCardTexts& t) {
    auto T = [](const std::string& s) { return Trim(s); };
    return {{
        {"Cognome e nome:", T(t.cognome) + " " + T(t.nome)},
        {"Data di nascita:", T(t.dataNasc)},
        {"Comune di nascita:", T(t.comuneNasc) + " " + T(t.provNasc)},
        {"Sesso:", T(t.sesso) + "  Stato civile: " + T(t.stato)},
        {"Recapito preferenziale:", T(t.recapito)},
        {"Indirizzo di residenza:", T(t.indirizzo)},
        {"Comune di residenza:", T(t.comuneRes) + " " + T(t.provRes)},
        {"Professione:", T(t.professione)},
        {"Tel. casa:", T(t.telCasa)},
        {"Tel. ufficio:", T(t.telUff)},
        {"Tel. cellulare:", T(t.telCel)},
        {"Fax:", T(t.fax)},
        {"E-mail:", T(t.email)},
        {"Codice fiscale:", T(t.codFisc)},
        {"Partita IVA:", T(t.iva)},
        {"Carta di credito:", "N. " + T(t.carta) + "  Scadenza: " + T(t.scadeCarta)},
        {"IBAN:", T(t.iban) + "  -  Intestatario C/C: " + T(t.intestatario)},
        {"Estremi documento:",
         "Tipo: " + T(t.tipoDoc) + "  N. " + T(t.numDoc) + "  Scadenza: " + T(t.dataSca)},
        {"Codice Cliente:", T(t.codice)},
        {"Categoria:", T(t.categoria) + "  Zona: " + T(t.zona)},
        {"Prodotti e servizi di interesse:", T(t.prodotti)},
        {"Acquisto rateale", T(t.acquisto) + "  Importo rata: € " + T(t.rata)},
        {"Totale:", "Importo: € " + T(t.totale) + "  Decorrenza: " + T(t.decorrenza) +
                        "  Scadenza: " + T(t.scadenza)},
        {"Note:", T(t.note)},
    }};
}

std::array<CardRow, 24> ItemCardRows(const ItemCardTexts& t) {
    auto T = [](const std::string& s) { return Trim(s); };
    return {{
        {"Codice articolo:", T(t.codice)},
        {"Tipologia:", T(t.tipologia)},
        {"Marca:", T(t.marca)},
        {"Modello:", T(t.modello)},
        {"Descrizione:", T(t.descrizione)},
        {"Accessori:", T(t.accessori)},
        {"Fornitore:", T(t.fornitore)},
        {"Recapito preferenziale:", T(t.recapiti)},
        {"Data acquisto:", T(t.data)},
        {"Documento acquisto:", T(t.documento)},
        {"Modalità ordine merce:", T(t.ordine)},
        {"Giacenza:", T(t.giacenza)},
        {"Costo:", T(t.costo)},
        {"Valore (costo x giacenza):", T(t.valore)},
        {"Preavviso sottoscorta:", T(t.sottoscorta) + " pezzi rimasti"},
        {"Prezzo:", T(t.prezzo)},
        {"Aliquota IVA:", T(t.percIva)},
        {"Prezzo con IVA:", T(t.prezzoConIva)},
        {"Collocazione in magazzino:", T(t.collocazione)},
        {"Altezza:", T(t.consumo)},
        {"Larghezza:", T(t.aderenza)},
        {"Lunghezza:", T(t.rumore)},
        {"Scadenza:", T(t.onde)},
        {"Note:", T(t.note)},
    }};
}

std::string CardFooter(const std::string& date, const std::string& time) {
    return "Stampa eseguita in data " + date + " alle ore " + time;
}

ReportDocument BuildCustomerCard(const CustomerCardTexts& texts, const std::string& footer) {
    return BuildCard("SCHEDA INFORMATIVA DEL CLIENTE", CustomerCardRows(texts), footer);
}

ReportDocument BuildItemCard(const ItemCardTexts& texts, const std::string& footer) {
    return BuildCard("SCHEDA ARTICOLO", ItemCardRows(texts), footer);
}

}  // namespace corvelo::report
