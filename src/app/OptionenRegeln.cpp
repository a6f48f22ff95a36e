// OptionenRegeln: rules of the options window that need no window.
#include "OptionenRegeln.h"

#include "Systemi.h"

#include <QSet>

namespace tav::app {

namespace {

// display words of the 22 pedigree tokens: German, English, Dutch
const QStringList &pedigreeWords(int sprache)
{
    static const QStringList de = {
        "Titel",        "Farbe",    "Augenfarbe",  "Ohrmarkennr.", "Zuchtbuchnr2", "Zuchtbuchnr3",
        "Geburtsdatum", "Züchter",  "Besitzer",    "Farbcode",     "Rasse",        "Rassecode",
        "Showerfolge",  "RF-Code",  "Blutgruppe",  "Tests",        "Chipnummer",   "Gestorben",
        "IK - AVK",     "Merkmale", "Zuchtbuchnr", "Fellart"};
    static const QStringList en = {
        "Titel",       "Color", "Eyes",       "Reg.No1", "Reg.No2",    "Reg.No3",    "Birthdate",
        "Breeder",     "Owner", "Color Code", "Breed",   "Breed Code", "Showresult", "Breed-/Colorcode",
        "Blood group", "Test",  "Chipnumber", "Died",    "IK - AVK",   "Mark",       "Tattoo-No.",
        "Type of coat"};
    static const QStringList nl = {
        "Titel",        "Farbe",    "Augenfarbe", "Zuchtbuchnr1", "Zuchtbuchnr2", "Zuchtbuchnr3",
        "Geburtsdatum", "Züchter",  "Besitzer",   "Farbcode",     "Rasse",        "Rassecode",
        "Showerfolge",  "RF-Code",  "Blutgruppe", "Tests",        "Chipnummer",   "Gestorben",
        "IK - AVK",     "Merkmale", "Täto-Nr.",   "Fellart"};
    return sprache == 1 ? en : sprache == 2 ? nl : de;
}

const QStringList &matingsWords(int sprache)
{
    static QStringList words[3];
    QStringList &w = words[sprache == 1 || sprache == 2 ? sprache : 0];
    if (w.isEmpty()) {
        const QStringList &p = pedigreeWords(sprache);
        w = p.mid(0, 18) << QStringLiteral("Gekauft") << QStringLiteral("Verkauft") << p.mid(19, 3);
    }
    return w;
}

const QString sAuswahl = QStringLiteral("Auswahlfenster"), sStammdaten = QStringLiteral("Stammdaten"),
              sWurfbuch = QStringLiteral("Wurfbuch"), sStammbaum = QStringLiteral("Stammbaum"),
              sDruck = QStringLiteral("Druck"), sSystem = QStringLiteral("System"),
              sWarnung = QStringLiteral("Warnung"), sDrucken = QStringLiteral("Drucken"),
              sAdressen = QStringLiteral("Adressen"), sVerpaarung = QStringLiteral("Verpaarung"),
              sInzucht = QStringLiteral("Inzucht"), sStatistiken = QStringLiteral("Statistiken");

} // namespace

QString Reihenfolge::anzeigeWort(int token) const
{
    const QStringList &w = m_art == Stammbaum ? pedigreeWords(m_sprache) : matingsWords(m_sprache);
    return token >= 1 && token <= w.size() ? w[token - 1] : QString();
}

QString Reihenfolge::speicherWort(int token) const
{
    const QStringList &w = m_art == Stammbaum ? stammbaumWoerter() : verpaarungWoerter();
    return token >= 1 && token <= w.size() ? w[token - 1] : QString();
}

int Reihenfolge::token(const QString &anzeige) const
{
    for (int t = 1; t <= anzahl(); ++t)
        if (anzeigeWort(t) == anzeige)
            return t;
    return 0;
}

QStringList Reihenfolge::zeilen(const QString &order) const
{
    QStringList out;
    auto add = [&](const auto &tokens) {
        for (int t : tokens)
            if (t >= 1 && t <= anzahl())
                out << anzeigeWort(t);
    };
    if (m_art == Stammbaum)
        add(stammbaumTokens(order));
    else
        add(verpaarungTokens(order));
    return out;
}

QStringList Reihenfolge::auswahl(const QString &order) const
{
    const int rfCode = 14;
    QStringList out;
    for (int t = 1; t <= anzahl(); ++t)
        if (t != rfCode && !order.contains(speicherWort(t), Qt::CaseSensitive))
            out << anzeigeWort(t);
    return out;
}

QString Reihenfolge::order(const QStringList &zeilen) const
{
    QString out;
    for (const QString &z : zeilen)
        out += speicherWort(token(z));
    return out;
}

void zeileVerschieben(QStringList &zeilen, int von, int nach)
{
    if (von < 0 || von >= zeilen.size() || nach < 0 || nach >= zeilen.size() || von == nach)
        return;
    zeilen.move(von, nach);
}

QString statusText(bool alle, const QVector<bool> &angekreuzt)
{
    if (alle)
        return QStringLiteral("alle");
    QString out;
    for (int i = 0; i < angekreuzt.size() && i < 9; ++i)
        if (angekreuzt[i])
            out += QString::number(i + 1);
    return out;
}

bool statusAngekreuzt(const QString &status, int box)
{
    return status.contains(QString::number(box));
}

QVector<QPair<QString, QString>> seitenSchluessel(OptionenSeite seite)
{
    auto keys = [](const QString &section, std::initializer_list<const char *> names) {
        QVector<QPair<QString, QString>> out;
        for (const char *n : names)
            out.append({section, QString::fromUtf8(n)});
        return out;
    };
    switch (seite) {
    case SeiteStammdaten:
        return keys(sStammdaten, {"Sortierung", "Rasse", "Farbe", "Haarart", "ZusatzBeiZwinger",
                                  "SuchebeiNeuaufnahme", "BildAnpassen", "Titel"});
    case SeiteAuswahlfenster: return keys(sAuswahl, {"Anzeigen", "Sortierung", "Status"});
    case SeiteStammbaum: return keys(sStammbaum, {"Anzeige", "Druck", "LangBild"});
    case SeiteWurfbuch:
        return keys(sStammdaten, {"BerechnungGebtermin"}) +
               keys(sWurfbuch, {"BerechnungRolligkeit", "BerechnungPlusMinus", "BerechnungAbgabetermin"});
    case SeiteAllgemeines:
        return keys(sSystem, {"Aufloesung", "MerkmalVorTop", "Speichern", "Hilfe", "Fenster", "Sprache",
                              "Textverarbeitung"});
    case SeiteWarnungen: return keys(sWarnung, {"Verfallsdatum", "Termine", "Impfung", "Wurmkur"});
    case SeiteDruckStammbaum:
        return keys(sStammbaum,
                    {"linkerRand", "rechterRand", "obererRand", "untererRand", "Bild", "BildHorizontal",
                     "BildVertikal", "GenBild", "GenBildHorizontal", "GenBildVertikal", "Generation",
                     "Besitzer", "Logo", "LogoBildHorizontal", "LogoBildVertikal", "Hintergrundbild"}) +
               keys(sDrucken, {"TitelRot", "StbDoppelteFarbig", "Bildauflösung"});
    case SeiteAdressen: return keys(sAdressen, {"SuchebeiNeuaufnahme"});
    case SeiteDruck: return keys(sDruck, {"ObereRand", "LinkerRand"});
    case SeiteStatistiken: return keys(sStatistiken, {"MaxAnzGenerationen"});
    case SeiteVerpaarung: return keys(sVerpaarung, {"Anzeige"});
    case SeiteInzucht:
        return keys(sInzucht,
                    {"Generationen", "StbGenerationen", "BerechnungAuto", "Fenster", "mitVorfahren"});
    case SeitenAnzahl: break;
    }
    return {};
}

QList<IniFile::Entry> seitenEintraege(const tsysteminfo &s, const QVector<OptionenSeite> &seiten)
{
    QSet<QString> gezeigt;
    for (OptionenSeite seite : seiten)
        for (const auto &[section, key] : seitenSchluessel(seite))
            gezeigt.insert(section + QLatin1Char('/') + key);
    QList<IniFile::Entry> out;
    for (const IniFile::Entry &e : s.entries())
        if (gezeigt.contains(e.section + QLatin1Char('/') + e.key))
            out.append(e);
    return out;
}

QString spracheWert(int nummer)
{
    return nummer == 1   ? QStringLiteral("Englisch")
           : nummer == 2 ? QStringLiteral("Holländisch")
                         : QStringLiteral("Deutsch");
}

const QStringList &stammdatenIndexe()
{
    static const QStringList l = {"NameIdx", "RufnaIdx", "ZwinName", "RasseName", "StatusName"};
    return l;
}

const QStringList &auswahlIndexe()
{
    static const QStringList l = {"NameIdx", "RufnaIdx", "ZwinName", "StatusName"};
    return l;
}

int sortierungsWahl(const QStringList &indexe, const QString &index)
{
    for (int i = 0; i < indexe.size(); ++i) {
        if (indexe[i].compare(index.trimmed(), Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

} // namespace tav::app
