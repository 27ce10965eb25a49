// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/Opcije.h"

#include "cli/Catalogue.h"
#include "core/Studija.h"

#include <string_view>

namespace {

bool jeOpcija(std::string_view a)
{
    // "-5" would be a negative number, which no input admits; "-" alone is no option either.
    return a.size() > 1 && a[0] == '-' && !(a[1] >= '0' && a[1] <= '9') && a[1] != '.';
}

// What keeps a study from running, or the empty text.
std::string greskaStudije(const OpcijeKalkulatora &o, const std::vector<std::string> &ulazi)
{
    if (o.rasponi && o.slucajevi)
        return KELVANE_TEXT("kelvane-calc", "Opcije --spans i --batch ne idu zajedno.");
    if (o.presek || o.brojPoljaZadat || o.listing != OpcijeKalkulatora::Listing::None || o.pdf
        || o.png)
        return KELVANE_TEXT(
            "kelvane-calc", "Uz --spans i --batch ne idu -x, -n, --listing, --pdf ni --png.");
    if (o.rasponi && !Studija::procitajRaspone(*o.rasponi))
        return KELVANE_TEXT("kelvane-calc",
            "Opcija --spans prima OD:DO:KORAK, npr. 4:23:1: tri broja, KORAK veci od nule, DO "
            "ne manji od OD.");
    if (o.rasponi && ulazi.size() != 3)
        return KELVANE_TEXT("kelvane-calc", "Uz --spans idu tacno tri ulazna parametra: P1 P2 e.");
    if (o.slucajevi && !ulazi.empty())
        return KELVANE_TEXT("kelvane-calc",
            "Uz --batch ulazni parametri dolaze iz datoteke, ne iz komandne linije.");
    return {};
}

// The document field an option names, or none.
std::string *polje(PodaciDokumenta &d, const std::string &ime)
{
    return ime == "--project" ? &d.projekat
        : ime == "--element"  ? &d.element
        : ime == "--author"   ? &d.autor
        : ime == "--checker"  ? &d.kontrolisao
        : ime == "--revision" ? &d.revizija
                              : nullptr;
}

} // namespace

std::string uputstvo()
{
    return Catalogue::translate("kelvane-calc",
        "Upotreba: kelvane-calc P1 P2 e L [opcije]\n"
        "         kelvane-calc P1 P2 e --spans OD:DO:KORAK [--format F] [--csv-dialect D]\n"
        "         kelvane-calc --batch DATOTEKA|- [--format F] [--csv-dialect D]\n"
        "Anvelope ekstremnih momenata savijanja i transverzalnih sila proste grede pod dve\n"
        "spregnute pokretne sile (P1 levo, P2 na rastojanju e desno od nje). P1 i P2 u kN,\n"
        "e i L u m, decimalna tacka \".\".\n"
        "\n"
        "  -x, --at X             extM, maxT i minT u preseku X\n"
        "  -n, --sections N       listing u N + 1 preseka, N ceo broj od 1 do 99\n"
        "                         (podrazumevano 10)\n"
        "  --listing m|t          listing momenata (m) ili transverzalnih sila (t), bajt po\n"
        "                         bajt kao datoteka koju snima prozor listinga\n"
        "  --exact                tacne anvelope (svi polozaji sila) pored klasicnih\n"
        "  --format text|csv|json text (podrazumevano), csv: red po preseku, json: rezime,\n"
        "                         klasicne i tacne vrednosti i sva polja proracuna\n"
        "  --csv-dialect standard|excel-sr\n"
        "                         standard: \",\" izmedju polja, \".\" u brojevima;\n"
        "                         excel-sr: \";\" izmedju polja, \",\" u brojevima\n"
        "  --spans OD:DO:KORAK    studija raspona: L = OD, OD + KORAK, ... do DO\n"
        "  --batch DATOTEKA|-     studija slucajeva: red \"P1,P2,e,L\" po slucaju (prvi red\n"
        "                         moze biti zaglavlje), \"-\" za standardni ulaz\n"
        "  --pdf FILE             proracunski list u PDF-u\n"
        "  --png FILE             dijagram kao na kartici \"dijagram\" (620 x 465)\n"
        "  --project, --element, --author, --checker, --revision TEKST\n"
        "                         projekat, element, izradio, kontrolisao i revizija na\n"
        "                         proracunskom listu (prazno: linija za upis rukom)\n"
        "  -h, --help             ovo uputstvo\n"
        "  --lang sr|en           jezik teksta (podrazumevano jezik okruzenja)\n"
        "  --version              verzija programa\n"
        "\n"
        "Niz pokretnih sila (1 do 20 sila, razmak a od prethodne sile):\n"
        "  kelvane-calc --forces P1,P2,... --spacings a2,a3,... --span L [opcije]\n"
        "  -g G                   sopstvena tezina u kN/m (podrazumevano 0)\n"
        "  --phi FI               dinamicki koeficijent, 1 do 2 (podrazumevano 1)\n"
        "  --both-ways            niz se krece u oba smera\n"
        "  -x, -n, --format, --pdf i --png kao za par sila; izlaz: apsolutni maksimum\n"
        "  momenta, najvece reakcije A i B sa polozajima sila i vrednosti u n + 1 preseka\n"
        "\n"
        "Studija daje red po slucaju (csv), objekat (json) ili linije (text); odbijen\n"
        "slucaj daje red sa porukom. Kljucevi rezimea (CSV kolone i JSON \"rezime\"):\n"
        "  P1, P2 [kN], e, L [m]                ulazni parametri\n"
        "  Mmax_klasicna, x_Mmax_klasicna       najveci klasicni moment [kNm] i presek [m]\n"
        "  Mmax_tacna, x_Mmax_tacna,            apsolutni maksimum momenta [kNm], presek [m]\n"
        "  polozaj_Mmax_tacna                   i polozaj sila\n"
        "  TA_tacna, polozaj_TA_tacna           najveca sila na osloncu A [kN] i polozaj\n"
        "  TB_tacna, polozaj_TB_tacna           najmanja (negativna) sila na osloncu B [kN]\n"
        "  razlika_extM, procenat_extM, ...     najveci manjak klasicne anvelope extM, maxT,\n"
        "                                       minT [kNm, kN] i u % tacne; 0 kad se slazu\n"
        "  poruka                               zasto je slucaj odbijen\n"
        "JSON preseka: x, extM, maxT, minT (klasicne) i extM_tacna, maxT_tacna, minT_tacna.\n"
        "Brojevi u CSV i JSON: 10 znacajnih cifara prema najvecoj vrednosti iste velicine.\n"
        "\n"
        "Izlazni status: 0 uspeh, 1 neuspelo zapisivanje, 2 neispravan unos (u studiji: bar\n"
        "jedan slucaj odbijen).\n");
}

CitanjeOpcija procitajOpcije(const std::vector<std::string> &argumenti)
{
    CitanjeOpcija c;
    OpcijeKalkulatora &o = c.opcije;
    std::vector<std::string> ulazi;
    for (std::size_t i = 0; i < argumenti.size(); ++i) {
        const std::string &a = argumenti[i];
        if (!jeOpcija(a)) {
            ulazi.push_back(a);
            continue;
        }
        if (a == "-h" || a == "--help") {
            o.pomoc = true;
            continue;
        }
        if (a == "--version") {
            o.verzija = true;
            continue;
        }
        if (a == "--exact") {
            o.tacne = true;
            continue;
        }
        // Every other option takes a value, given either as the next argument or after "=".
        std::string ime = a;
        std::optional<std::string> vrednost;
        if (const auto jednako = a.find('=');
            a.rfind("--", 0) == 0 && jednako != std::string::npos) {
            ime = a.substr(0, jednako);
            vrednost = a.substr(jednako + 1);
        }
        const bool poznata = ime == "-x" || ime == "--at" || ime == "-n" || ime == "--sections"
            || ime == "--listing" || ime == "--format" || ime == "--pdf" || ime == "--png"
            || ime == "--csv-dialect" || ime == "--spans" || ime == "--batch" || ime == "--lang"
            || polje(o.dokument, ime);
        if (!poznata) {
            c.greska = KELVANE_TEXT("kelvane-calc", "Nepoznata opcija: %1");
            c.vrednost = a;
            return c;
        }
        if (!vrednost) {
            if (i + 1 >= argumenti.size()) {
                c.greska = KELVANE_TEXT("kelvane-calc", "Opcija %1 trazi vrednost.");
                c.vrednost = ime;
                return c;
            }
            vrednost = argumenti[++i];
        }
        if (ime == "-x" || ime == "--at") {
            o.presek = *vrednost;
        } else if (ime == "-n" || ime == "--sections") {
            o.brojPolja = *vrednost;
            o.brojPoljaZadat = true;
        } else if (ime == "--listing") {
            if (*vrednost == "m")
                o.listing = OpcijeKalkulatora::Listing::Moment;
            else if (*vrednost == "t")
                o.listing = OpcijeKalkulatora::Listing::Sila;
            else {
                c.greska = KELVANE_TEXT("kelvane-calc", "Opcija --listing prima m ili t.");
                return c;
            }
        } else if (ime == "--format") {
            if (*vrednost == "text")
                o.format = OpcijeKalkulatora::Format::Text;
            else if (*vrednost == "csv")
                o.format = OpcijeKalkulatora::Format::Csv;
            else if (*vrednost == "json")
                o.format = OpcijeKalkulatora::Format::Json;
            else {
                c.greska
                    = KELVANE_TEXT("kelvane-calc", "Opcija --format prima text, csv ili json.");
                return c;
            }
        } else if (ime == "--lang") {
            if (*vrednost == "sr")
                o.jezik = Language::Serbian;
            else if (*vrednost == "en")
                o.jezik = Language::English;
            else {
                c.greska = KELVANE_TEXT("kelvane-calc", "Opcija --lang prima sr ili en.");
                return c;
            }
        } else if (ime == "--csv-dialect") {
            if (*vrednost == "standard")
                o.dijalekt = OpcijeKalkulatora::Dijalekt::Standard;
            else if (*vrednost == "excel-sr")
                o.dijalekt = OpcijeKalkulatora::Dijalekt::ExcelSr;
            else {
                c.greska = KELVANE_TEXT(
                    "kelvane-calc", "Opcija --csv-dialect prima standard ili excel-sr.");
                return c;
            }
        } else if (ime == "--spans") {
            o.rasponi = *vrednost;
        } else if (ime == "--batch") {
            o.slucajevi = *vrednost;
        } else if (std::string *p = polje(o.dokument, ime)) {
            *p = *vrednost;
        } else if (vrednost->empty()) {
            // An empty name would write nothing and still end in success.
            c.greska = KELVANE_TEXT("kelvane-calc", "Opcija %1 trazi ime datoteke.");
            c.vrednost = ime;
            return c;
        } else if (ime == "--pdf") {
            o.pdf = *vrednost;
        } else {
            o.png = *vrednost;
        }
    }
    if (o.pomoc || o.verzija)
        return c;
    if (o.rasponi || o.slucajevi) {
        c.greska = greskaStudije(o, ulazi);
        if (c.greska.empty() && o.rasponi) {
            o.P1 = ulazi[0];
            o.P2 = ulazi[1];
            o.e = ulazi[2];
        }
        return c;
    }
    if (ulazi.size() != 4) {
        c.greska
            = KELVANE_TEXT("kelvane-calc", "Potrebna su tacno cetiri ulazna parametra: P1 P2 e L.");
        return c;
    }
    o.P1 = ulazi[0];
    o.P2 = ulazi[1];
    o.e = ulazi[2];
    o.L = ulazi[3];
    return c;
}
