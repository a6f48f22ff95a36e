// The display texts of a cat: pedigree boxes, HTML pedigree cells and the matings list.
#include "Global.h"

#include "Sprache.h"
#include "Systemi.h"
#include "store/Namen_office.h"
#include "store/Namen_reference.h"
#include "store/Namen_register.h"

#include <QFileInfo>

using namespace tav::store::namen;

namespace tav::app {

using tav::store::EngineError;
using tav::store::Table;

namespace {
// the lines of a cat, by token of the pedigree orders
enum Angabe {
    Titel = 1,
    Farbe,
    Augenfarbe,
    Zuchtbuch1,
    Zuchtbuch2,
    Zuchtbuch3,
    Geburt,
    Zuechter,
    Besitzer,
    Farbcode,
    Rasse,
    Rassecode,
    Showerfolge,
    RFCode,
    Blutgruppe,
    Tests,
    Chip,
    Gestorben,
    Inzucht,
    Merkmale,
    Taeto,
    Fellart,
    // only in the matings order
    Gekauft,
    Verkauft,
};

QString f(const char *text)
{
    return QString::fromUtf8(text);
}

// German labels serve German and Dutch
QString label(bool englisch, const char *de, const char *en)
{
    return englisch ? f(en) : f(de);
}

bool leer(const QString &s)
{
    return s.isEmpty();
}
} // namespace

bool TDatenGlobal::enthaelt(const int *tokens, int count, int token) const
{
    for (int i = 0; i < count && tokens[i] != 0; ++i) {
        if (tokens[i] == token)
            return true;
    }
    return false;
}

bool TDatenGlobal::katzeSuchen(int KatzeNr)
{
    rasseOK = false;
    if (KatzeNr <= 0 || !dbKatze->isOpen())
        return false;
    try {
        if (!dbKatze->findKey({KatzeNr}))
            return false;
    } catch (const EngineError &e) {
        melden(e, dbKatze->tableName());
        return false;
    }
    const int rasseNr = dbKatze->intValue(catstamm::Rasse);
    try {
        rasseOK = rasseNr > 0 && dbRasse->isOpen() && dbRasse->findKey({rasseNr});
    } catch (const EngineError &e) {
        melden(e, dbRasse->tableName()); // the texts go on without the breed
    }
    return true;
}

QString TDatenGlobal::titelText(const int *tokens, int count)
{
    QString titel;
    if (enthaelt(tokens, count, Titel) && !dbKatze->text(catstamm::Geschlecht).isEmpty()) {
        titel = GetTitel(dbKatze->intValue(catstamm::LaufendeNummer));
        if (!titel.isEmpty())
            titel += QLatin1Char(' ');
    }
    return titel;
}

QString TDatenGlobal::farbnummer(const QString &farbname, const QString *rasseinfo)
{
    if (farbname.isEmpty() || !dbFarbe->isOpen() || !dbFarbe->findKey({farbname}))
        return QString();
    if (rasseinfo) {
        // the same colour name may stand in several breed lists
        while (!dbFarbe->eof() && dbFarbe->text(farbe::Farbname) == farbname) {
            if (dbFarbe->text(farbe::Rasseinfo) == *rasseinfo)
                return dbFarbe->text(farbe::Farbnummer);
            dbFarbe->next();
        }
        return QString();
    }
    return dbFarbe->text(farbe::Farbnummer);
}

QString TDatenGlobal::rfCode()
{
    if (!rasseOK)
        return QString();
    const QString kurz = dbRasse->text(rasse::RKurzname);
    if (kurz.isEmpty())
        return QString();
    const QString farbe = dbKatze->text(catstamm::FellFarbe);
    QString nummer;
    const qsizetype zu = farbe.indexOf(QLatin1Char(')'));
    if (farbe.startsWith(QLatin1Char('(')) && zu > 0) {
        const QString hinweis = farbe.mid(1, zu - 1);
        nummer = farbnummer(farbe.mid(zu + 1).trimmed(), &hinweis);
    } else {
        nummer = farbnummer(farbe, nullptr);
    }
    return nummer.isEmpty() ? QString() : kurz + QLatin1Char(' ') + nummer;
}

QString TDatenGlobal::besitzer()
{
    if (dbKatze->intValue(catstamm::Status) == 1) {
        if (!m_eigen) {
            m_eigen = std::make_unique<Table>(m_db, eigen::Datei);
            m_eigen->setReadOnly(true);
        }
        try {
            m_eigen->open();
            m_eigen->first();
        } catch (const EngineError &e) {
            melden(e, m_eigen->tableName());
            return QString();
        }
        if (!m_eigen->hasRecord())
            return QString();
        const QString name = m_eigen->text(eigen::Name);
        const QString vorname = m_eigen->text(eigen::Vorname);
        return vorname.isEmpty() ? name : name + QStringLiteral(", ") + vorname;
    }
    const int nr = dbKatze->intValue(catstamm::Besitzer);
    if (nr > 0 && dbAdrDat->isOpen() && dbAdrDat->findKey({nr}))
        return dbAdrDat->text(QStringLiteral("Anzeige"));
    return QString();
}

QString TDatenGlobal::merkmale()
{
    QStringList kuerzel;
    for (dbKatzeMerkmal->first(); !dbKatzeMerkmal->eof(); dbKatzeMerkmal->next()) {
        const QString k = dbKatzeMerkmal->text(QStringLiteral("Kuerzel"));
        if (!k.isEmpty() && k != QLatin1String("Stb"))
            kuerzel << k;
    }
    return kuerzel.join(QStringLiteral(" / "));
}

std::optional<QString> TDatenGlobal::wert(int angabe, bool ChangeSprache)
{
    auto feld = [this](const char *name) -> std::optional<QString> {
        const QString v = dbKatze->text(QString::fromLatin1(name));
        return leer(v) ? std::nullopt : std::optional<QString>(v);
    };
    auto datum = [this](const char *name) -> std::optional<QString> {
        const QDate d = dbKatze->value(QString::fromLatin1(name)).toDate();
        return d.isValid() ? std::optional<QString>(datumText(d)) : std::nullopt;
    };
    auto nichtLeer = [](const QString &v) { return leer(v) ? std::nullopt : std::optional<QString>(v); };

    switch (angabe) {
    case Farbe: return feld("FellFarbe");
    case Augenfarbe: {
        const QString auge = dbKatze->text(catstamm::Augenfarbe);
        if (leer(auge))
            return std::nullopt;
        if (ChangeSprache && dbAugen->isOpen() && dbAugen->findKey({auge})) {
            const QString englisch = dbAugen->text(augen::AugenfarbeEng);
            if (!englisch.isEmpty())
                return englisch;
        }
        return auge;
    }
    case Zuchtbuch1: return feld("Zuchtbuchnummer1");
    case Zuchtbuch2: return feld("Zuchtbuchnummer2");
    case Zuchtbuch3: return feld("Zuchtbuchnummer3");
    case Geburt: return datum("GebDatum");
    case Zuechter: {
        const int nr = dbKatze->intValue(catstamm::Zuechter);
        if (nr > 0 && dbAdrDat->isOpen() && dbAdrDat->findKey({nr}))
            return dbAdrDat->text(QStringLiteral("Anzeige"));
        return std::nullopt;
    }
    case Besitzer: return nichtLeer(besitzer());
    case Farbcode: return nichtLeer(farbnummer(dbKatze->text(catstamm::FellFarbe), nullptr));
    case Rasse: {
        if (!rasseOK)
            return std::nullopt;
        const QString englisch = dbRasse->text(rasse::RNameEng);
        return nichtLeer(ChangeSprache && !englisch.isEmpty() ? englisch : dbRasse->text(rasse::RName));
    }
    case Rassecode: return rasseOK ? nichtLeer(dbRasse->text(rasse::RKurzname)) : std::nullopt;
    case Showerfolge: {
        const int nr = dbKatze->intValue(catstamm::LaufendeNummer);
        if (dbBewertung->isOpen() && dbBewertung->findKey({nr}))
            return nichtLeer(dbBewertung->text(bewert::Bewertung));
        return std::nullopt;
    }
    case RFCode: return nichtLeer(rfCode());
    case Blutgruppe: return feld("Blutgruppe");
    case Tests: return feld("Tests");
    case Chip: return feld("ChipNr");
    case Gestorben: return datum("Toddatum");
    case Merkmale:
        // the line stands for the cat's traits, even when none of them has an abbreviation
        if (!dbKatzeMerkmal->isOpen() || dbKatzeMerkmal->isEmpty())
            return std::nullopt;
        return merkmale();
    case Taeto: return feld("TaetoNr");
    case Fellart:
        if (dbKatze->intValue(catstamm::Fellart) <= 0)
            return std::nullopt;
        return feld("FellartAnzeige");
    case Gekauft: return datum("gekauft");
    case Verkauft: return datum("verkauft");
    default: return std::nullopt;
    }
}

QString TDatenGlobal::bildWaehlen()
{
    QString bild;
    if (!DBBild->isOpen())
        return bild;
    const int druckBild = dbKatze->intValue(catstamm::Feld2);
    int position = 0;
    for (DBBild->first(); !DBBild->eof(); DBBild->next()) {
        ++position;
        const QString pfad = DBBild->text(bilder::Bildpfad);
        // a missing file is never offered, not even as the picture chosen for print
        if (pfad.isEmpty() || !QFileInfo(pfad).isFile())
            continue;
        if (bild.isEmpty() || position == druckBild)
            bild = pfad;
    }
    return bild;
}

KatzenTexte TDatenGlobal::Katzendaten(int typ, int KatzeNr, bool ChangeSprache, int Generation,
                                      const QString &Zusatz)
{
    KatzenTexte out;
    QStringList &daten = out.daten;
    if (!katzeSuchen(KatzeNr))
        return out;

    const tsysteminfo &s = einstellungen();
    const bool html = typ == 5;
    const bool druck = typ == 4;
    const auto &order = html || druck ? s.StammbaumDruckenArray : s.stammbaumAnzeigeArray;
    const int *tokens = order.data();
    const int count = int(order.size());
    const QString titel = titelText(tokens, count);
    out.titelVorhanden = !titel.isEmpty();
    for (const char *feld : {"TitelGer1", "TitelUSA1", "TitelUSA3"}) {
        const QString code = dbKatze->text(QString::fromLatin1(feld));
        if (!code.isEmpty()) {
            out.titelNr = code.at(0).isDigit() ? code.at(0).digitValue() : 0;
            break;
        }
    }

    const bool en = (m_druckSprache >= 0 ? m_druckSprache : sprache().languageNumber()) == 1;
    const QString name = dbKatze->text(catstamm::Name);
    if (html) {
        const QString ende = Generation == 1 ? QStringLiteral("</P>") : QStringLiteral("<BR>");
        if (!titel.isEmpty()) {
            const QString farbe = s.TitelRot ? QStringLiteral("#FF0000") : htmlFarbe(HTMLFarbeGenerationen);
            daten << QStringLiteral("<font color=\"%1\"> <strong>%2%3</strong>%4")
                         .arg(farbe, htmlText(titel), htmlText(name), ende);
        } else {
            daten << QStringLiteral("<font color=\"%1\"><strong>%2</strong>%3")
                         .arg(htmlFarbe(HTMLFarbeGenerationen), htmlText(name), ende);
        }
    } else if (druck) {
        daten << titel + name;
    } else {
        daten << titel + name + QStringLiteral(" {") + QString::number(KatzeNr) + QLatin1Char('}');
    }

    int zeilen = 1;
    for (int i = 0; i < count && tokens[i] != 0; ++i) {
        const int token = tokens[i];
        if (html && Generation >= 4 && !(Generation == 4 && zeilen <= HTMLAnzahlGenerationen - 3))
            continue;
        // English texts take the English names the reference tables hold
        const std::optional<QString> v = wert(token, ChangeSprache || en);
        if (!v)
            continue;
        if (!html) {
            QString zeile;
            switch (token) {
            case Augenfarbe: zeile = label(en, "Augen:", "Eye-Colour:") + *v; break;
            case Geburt: zeile = label(en, "geb.: ", "Born:") + *v; break;
            case Zuechter: zeile = label(en, "Züchter:", "Breeder:") + *v; break;
            case Besitzer: zeile = label(en, "Besitzer:", "Owner:") + *v; break;
            case Farbcode: zeile = label(en, "Farb-Code:", "Colour-Code:") + *v; break;
            case Blutgruppe: zeile = label(en, "Blutgruppe:", "Blood group:") + *v; break;
            case Chip: zeile = label(en, "Chip-Nr.:", "Chip-No.:") + *v; break;
            case Gestorben: zeile = label(en, "gest.: ", "died: ") + *v; break;
            case Taeto: zeile = QStringLiteral("Zbnr.: ") + *v; break;
            case Fellart: zeile = label(en, "Haarart: ", "Type of coat: ") + *v; break;
            default: zeile = *v; break;
            }
            daten << zeile;
            continue;
        }

        const QString w = htmlText(*v);
        const QString br = QStringLiteral("<BR>");
        QString zeile;
        switch (token) {
        case Farbe:
            if (Generation == 1) {
                zeile = w + QStringLiteral("</P>");
            } else if (Generation >= 3 && enthaelt(tokens, count, Rassecode) && rasseOK &&
                       !dbRasse->text(rasse::RKurzname).isEmpty()) {
                zeile = w + QStringLiteral(" / ") + htmlText(dbRasse->text(rasse::RKurzname)) + br;
            } else {
                zeile = w + br;
            }
            break;
        case Augenfarbe: zeile = label(en, "Augen: ", "Eye-Colour: ") + w + br; break;
        case Zuchtbuch1: zeile = w + (Generation == 1 ? QStringLiteral("</P>") : br); break;
        case Geburt: zeile = label(en, "geb.: ", "Born: ") + w + br; break;
        case Zuechter: zeile = label(en, "Züchter: ", "Breeder: ") + w + br; break;
        case Besitzer: zeile = label(en, "Besitzer: ", "Owner: ") + w + br; break;
        case Farbcode: zeile = label(en, "Farb-Code: ", "Colour-Code: ") + w + br; break;
        case Rasse:
            if (Generation <= 2)
                zeile = label(en, "Rasse: ", "Breed: ") + w + br;
            break;
        case Rassecode: break;
        case Showerfolge: {
            QString text = *v;
            text.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
            zeile = htmlText(text) + br;
            break;
        }
        case Blutgruppe: zeile = label(en, "Blutgruppe: ", "Blood group: ") + w + br; break;
        case Chip: zeile = label(en, "Chip-Nr.: ", "Chip-No.: ") + w + br; break;
        case Gestorben: zeile = label(en, "gest.: ", "died: ") + w + br; break;
        case Taeto: zeile = QStringLiteral("Zbnr.: ") + w + br; break;
        case Fellart: zeile = label(en, "Haarart: ", "Type of coat: ") + w + br; break;
        default: zeile = w + br; break;
        }
        if (!zeile.isEmpty()) {
            daten << zeile;
            ++zeilen;
        }
    }

    if (typ == 2) {
        for (int i = 0; i < daten.size() && i < 8; ++i)
            daten[i].prepend(Zusatz);
    }
    out.bild = bildWaehlen();
    return out;
}

KatzenTexte TDatenGlobal::KatzendatenDruck(int KatzeNr, int languageNumber)
{
    m_druckSprache = languageNumber;
    KatzenTexte out = Katzendaten(4, KatzeNr, languageNumber == 1, 2);
    m_druckSprache = -1;
    return out;
}

KatzenTexte TDatenGlobal::KatzendatenHTML(int KatzeNr, int Generation, int languageNumber, bool ChangeSprache)
{
    m_druckSprache = languageNumber;
    KatzenTexte out = Katzendaten(5, KatzeNr, ChangeSprache, Generation);
    m_druckSprache = -1;
    return out;
}

KatzenTexte TDatenGlobal::KatzendatenVerp(int KatzeNr)
{
    KatzenTexte out;
    QStringList &daten = out.daten;
    if (!katzeSuchen(KatzeNr))
        return out;

    const auto &order = einstellungen().verpaarungAnzeigeArray;
    const int *tokens = order.data();
    const int count = int(order.size());
    const QString titel = titelText(tokens, count);
    out.titelVorhanden = !titel.isEmpty();
    daten << titel + dbKatze->text(catstamm::Name);

    const bool en = sprache().languageNumber() == 1;
    const QString komma = QStringLiteral(",  ");
    for (int i = 0; i < count && tokens[i] != 0; ++i) {
        int angabe = tokens[i];
        // the matings order has "Gekauft" and "Verkauft" where the pedigree orders have inbreeding
        // and traits; tattoo number and coat type are not shown in the list
        switch (angabe) {
        case 19: angabe = Gekauft; break;
        case 20: angabe = Verkauft; break;
        case 21: angabe = Merkmale; break;
        case 22:
        case 23: continue;
        default: break;
        }
        const std::optional<QString> v = wert(angabe, en);
        if (!v)
            continue;
        QString eintrag;
        switch (angabe) {
        case Augenfarbe: eintrag = label(en, "A.:", "Eye:"); break;
        case Geburt: eintrag = label(en, "geb.: ", "Born: "); break;
        case Zuechter: eintrag = label(en, "Z.: ", "B.: "); break;
        case Besitzer: eintrag = label(en, "B.: ", "O.: "); break;
        case Farbcode: eintrag = label(en, "Farb-Code: ", "Colour-Code: "); break;
        case Blutgruppe: eintrag = label(en, "Blutgruppe: ", "Blood group: "); break;
        case Chip: eintrag = label(en, "Chip-Nr.: ", "Chip-No.: "); break;
        case Gestorben: eintrag = label(en, "gest.: ", "died: "); break;
        default: break;
        }
        daten << komma + eintrag + *v;
    }
    return out;
}

} // namespace tav::app
