// RasseFarbe: breed and colour rules: colour entries, breed/colour codes.
#include "RasseFarbe.h"

#include "CatRules.h"
#include "TextMatch.h"
#include "store/Namen_reference.h"
#include "store/Query.h"
#include "store/Table.h"

using namespace tav::store::namen;

namespace tav::cats {

QString farbEintragText(const QString &rasseinfo, const QString &farbname)
{
    if (rasseinfo.isEmpty())
        return farbname;
    return QLatin1Char('(') + rasseinfo + QStringLiteral(") ") + farbname;
}

FarbEintrag farbEintragTeilen(const QString &text)
{
    const int zu = int(text.indexOf(QLatin1Char(')')));
    if (zu < 0 || !text.startsWith(QLatin1Char('(')))
        return {QString(), text};
    int ab = zu + 1;
    if (ab < text.size() && text.at(ab) == QLatin1Char(' '))
        ++ab;
    return {text.mid(1, zu - 1), text.mid(ab)};
}

QStringList farbEintraege(tav::store::Database &db)
{
    tav::store::Table t(&db, QStringLiteral("Farbe.db"));
    t.setReadOnly(true);
    t.setIndexName(farbe::idx::FarbnameIndex);
    t.open();
    QStringList out;
    for (t.first(); !t.eof(); t.next())
        out << farbEintragText(t.text(farbe::Rasseinfo), t.text(farbe::Farbname));
    out.sort(Qt::CaseInsensitive);
    return out;
}

QVector<RasseEintrag> rassenNachName(tav::store::Database &db)
{
    tav::store::Table t(&db, rasse::Datei);
    t.setReadOnly(true);
    t.setIndexName(rasse::idx::RasseName);
    t.open();
    QVector<RasseEintrag> out;
    for (t.first(); !t.eof(); t.next())
        out.append({t.text(rasse::RName), t.intValue(rasse::RCode)});
    return out;
}

QString rfCodeText(const QString &rKurzname, const QString &farbnummer)
{
    if (farbnummer.isEmpty())
        return rKurzname;
    return rKurzname + QLatin1Char(' ') + farbnummer;
}

QString rfCodeAnzeige(tav::store::Database &db, int rasse, const QString &farbText)
{
    QString kurzname;
    if (rasse != 0) {
        store::Query q(&db, QStringLiteral("SELECT RKurzname FROM \"RASSE.DB\" WHERE RCode = :r"));
        q.bindValue(QStringLiteral(":r"), rasse);
        q.open();
        if (!q.eof())
            kurzname = q.value(0).toString();
    }
    QString nummer;
    const FarbEintrag f = farbEintragTeilen(farbText);
    if (!f.farbname.isEmpty()) {
        store::Query q(&db, QStringLiteral("SELECT Farbnummer FROM \"FARBE.DB\" WHERE Farbname = :n "
                                           "AND COALESCE(Rasseinfo, '') = :r "
                                           "ORDER BY Farbname COLLATE DE, LaufendeNummer LIMIT 1"));
        q.bindValue(QStringLiteral(":n"), f.farbname);
        q.bindValue(QStringLiteral(":r"), f.rasseinfo);
        q.open();
        if (!q.eof())
            nummer = q.value(0).toString();
    }
    return rfCodeText(kurzname, nummer);
}

RFCodeTeile rfCodeTeilen(const QString &text)
{
    const int sp = int(text.indexOf(QLatin1Char(' ')));
    if (sp < 0)
        return {text.toUpper(), QString()};
    return {text.left(sp).toUpper(), text.mid(sp + 1).toLower()};
}

namespace {

struct Farbe {
    QString farbname;
    QString rasseinfo;
};

// a colour by its number, among the colours of breed part `rasse` or (empty) of every breed
std::optional<Farbe> farbeZurNummer(store::Database &db, const QString &nummer, const QString &rasse)
{
    if (nummer.isEmpty())
        return std::nullopt;
    const QString bedingung =
        rasse.isEmpty()
            ? QStringLiteral("Rasseinfo IS NULL")
            : QStringLiteral("(Rasseinfo = :b OR Rasseinfo GLOB :endet OR Rasseinfo GLOB :beginnt)");
    store::Query q(&db, QStringLiteral("SELECT Farbname, Rasseinfo FROM \"FARBE.DB\" WHERE Farbnummer = :nr "
                                       "AND ") +
                            bedingung + QStringLiteral(" ORDER BY LaufendeNummer LIMIT 1"));
    q.bindValue(QStringLiteral(":nr"), nummer);
    if (!rasse.isEmpty()) {
        q.bindValue(QStringLiteral(":b"), rasse);
        q.bindValue(QStringLiteral(":endet"), QLatin1Char('*') + globLiteral(rasse));
        q.bindValue(QStringLiteral(":beginnt"), globLiteral(rasse) + QLatin1Char('*'));
    }
    q.open();
    if (q.eof())
        return std::nullopt;
    return Farbe{q.value(0).toString(), q.value(1).toString()};
}

} // namespace

RFCodeTreffer rfCodeSuchen(tav::store::Database &db, const QString &text)
{
    RFCodeTreffer t;
    const QString eingabe = text.simplified();
    if (eingabe.isEmpty())
        return t;
    const RFCodeTeile teile = rfCodeTeilen(eingabe);

    std::optional<Farbe> farbe;
    store::Query q(&db, QStringLiteral("SELECT RCode FROM \"RASSE.DB\" WHERE RKurzname = :k "
                                       "ORDER BY RCode LIMIT 1"));
    q.bindValue(QStringLiteral(":k"), teile.rasse);
    q.open();
    if (!q.eof()) {
        t.rasse = q.value(0).toInt();
        farbe = farbeZurNummer(db, teile.farbe, teile.rasse);
        if (!farbe)
            farbe = farbeZurNummer(db, teile.farbe, QString());
    } else {
        farbe = farbeZurNummer(db, teile.farbe, QString());
        // Colour numbers are kept in lower case ("w 61"), so the whole text is compared so too.
        if (!farbe)
            farbe = farbeZurNummer(db, eingabe.toLower(), QString());
    }
    if (farbe)
        t.fellFarbe = farbEintragText(farbe->rasseinfo, farbe->farbname);
    return t;
}

QString orangeteilKater(const QString &genkater)
{
    QString o = genkater;
    o.remove(QLatin1Char('X'));
    o.truncate(6);
    o.remove(QLatin1Char('Y'));
    return o;
}

QString orangeteilKatze(const QString &genkatze)
{
    QString o = genkatze;
    o.remove(QLatin1Char('X'));
    o.truncate(6);
    return o;
}

QString orangeEinfuegen(const QString &gencode, const QString &orange)
{
    if (!orange.contains(QLatin1Char('O')) && !orange.contains(QLatin1Char('o')))
        return gencode;
    int pos = -1;
    for (const char *locus : {"ss", "S-", "Ss", "SS"}) {
        pos = int(gencode.indexOf(QLatin1String(locus)));
        if (pos >= 0)
            break;
    }
    if (pos < 0)
        pos = int(gencode.indexOf(QLatin1Char('W')));
    if (pos < 0)
        pos = int(gencode.indexOf(QLatin1Char('w')));
    if (pos < 0)
        return gencode;
    const QString teil = gencode.contains(QLatin1Char(' ')) ? orange + QLatin1Char(' ') : orange;
    QString out = gencode;
    out.insert(pos, teil);
    return out;
}

std::optional<QString> gencodeFuer(int genoTyp, const QString &geschlecht, const GenTyp &typ)
{
    if (genoTyp <= 0)
        return QString();
    if (istKater(geschlecht)) {
        if (typ.genkater.trimmed() == QLatin1String("-"))
            return std::nullopt;
        return orangeEinfuegen(typ.gencode, orangeteilKater(typ.genkater));
    }
    if (istKatze(geschlecht))
        return orangeEinfuegen(typ.gencode, orangeteilKatze(typ.genkatze));
    return std::nullopt;
}

std::optional<GenTyp> genTypLesen(tav::store::Database &db, int genoTyp)
{
    store::Query q(&db, QStringLiteral("SELECT Gencode, Genkatze, Genkater FROM \"FARBEGEN.DB\" "
                                       "WHERE LaufendeNummer = :n"));
    q.bindValue(QStringLiteral(":n"), genoTyp);
    q.open();
    if (q.eof())
        return std::nullopt;
    return GenTyp{q.value(0).toString(), q.value(1).toString(), q.value(2).toString()};
}

} // namespace tav::cats
