#include "CatNames.h"

#include "CatRules.h"
#include "TextMatch.h"
#include "store/Query.h"

namespace tav::cats {

QString normalizedName(const QString &name)
{
    return name.simplified();
}

NameVerlassen nameVerlassen(bool fokusRueckgaengig, bool neuerSatz, bool sucheBeiNeuaufnahme, bool neuAusStb,
                            const QString &name, const QString &zwinger)
{
    NameVerlassen n;
    if (fokusRueckgaengig)
        return n;
    n.duplikatPruefen = neuerSatz && sucheBeiNeuaufnahme;
    if (neuerSatz && neuAusStb && name.contains(QLatin1Char('%'))) {
        n.katzenSuche = true;
        return n;
    }
    n.zwingerAbleiten = zwinger.trimmed().isEmpty();
    return n;
}

const QVector<ZwingerMarke> &zwingerMarken()
{
    using S = Schnitt;
    static const QVector<ZwingerMarke> m = {
        {QStringLiteral(" V.D. "), S::Hinter, false},
        {QStringLiteral(" V. "), S::Hinter, false},
        {QStringLiteral(" D' "), S::Hinter, false},
        {QStringLiteral(" O' "), S::Hinter, false},
        {QStringLiteral(" VAN'T "), S::Hinter, false},
        {QStringLiteral(" A LA "), S::Hinter, false},
        {QStringLiteral("'"), S::Vor, true},
        {QStringLiteral(" A "), S::Bis, false},
        {QStringLiteral("."), S::Bis, true},
        {QStringLiteral("`"), S::Bis, true},
        {QStringLiteral(" OF "), S::Hinter, false},
        {QStringLiteral(" VOM "), S::Hinter, false},
        {QStringLiteral(" VAN DEN "), S::Hinter, false},
        {QStringLiteral(" VON DEN "), S::Hinter, false},
        {QStringLiteral(" VON DER "), S::Hinter, false},
        {QStringLiteral(" VON "), S::Hinter, false},
        {QStringLiteral(" VAN DE "), S::Hinter, false},
        {QStringLiteral(" DE LA "), S::Hinter, false},
        {QStringLiteral(" DE "), S::Hinter, false},
        {QStringLiteral(" FROM "), S::Hinter, false},
        {QStringLiteral(" DU "), S::Hinter, false},
        {QStringLiteral(" ON "), S::Hinter, false},
        {QStringLiteral(" AUS DEN "), S::Hinter, false},
        {QStringLiteral(" AUS "), S::Hinter, false},
        {QStringLiteral(" AV "), S::Hinter, false},
        {QStringLiteral(" Z "), S::Hinter, false},
        {QStringLiteral(" DEL "), S::Hinter, false},
        {QStringLiteral(" ZUR "), S::Hinter, false},
        {QStringLiteral(" DES "), S::Hinter, false},
        {QStringLiteral(" FRA "), S::Hinter, false},
        {QStringLiteral(" DA "), S::Hinter, false},
        {QStringLiteral(" AF "), S::Hinter, false},
        {QStringLiteral(" EX "), S::Hinter, false},
        {QStringLiteral(" THE "), S::Hinter, false},
        {QStringLiteral(" AUX "), S::Hinter, false},
        {QStringLiteral(" IZ "), S::Hinter, false},
        {QStringLiteral(" IT "), S::Hinter, false},
        {QStringLiteral(" OK "), S::Hinter, false},
        {QStringLiteral(" VAN HET "), S::Hinter, false},
        {QStringLiteral(" VAN "), S::Hinter, false},
        {QStringLiteral(" BEIM "), S::Hinter, false},
        {QStringLiteral(" AM "), S::Hinter, false},
        {QStringLiteral(" "), S::Vor, true},
    };
    return m;
}

std::optional<ZwingerAbleitung> zwingerAusName(const QString &name, bool zusatzBeiZwinger)
{
    // A blank at either end would otherwise count as the word gap of the last marker and give
    // an empty or one-word cattery.
    const QString typed = normalizedName(name);
    const QString upper = upperSameLength(typed);
    const QVector<ZwingerMarke> &marken = zwingerMarken();
    for (int i = 0; i < marken.size(); ++i) {
        const ZwingerMarke &m = marken[i];
        const int p = int((m.wieGetippt ? typed : upper).indexOf(m.text));
        if (p < 0)
            continue;
        QString zwinger;
        switch (m.schnitt) {
        case Schnitt::Hinter: zwinger = typed.mid(p + (zusatzBeiZwinger ? 1 : m.text.size())); break;
        case Schnitt::Vor: zwinger = typed.left(p); break;
        case Schnitt::Bis:
            zwinger = typed.left(p + int(m.text.trimmed().size()) + (m.text.startsWith(' ') ? 1 : 0));
            break;
        }
        zwinger = zwinger.trimmed();
        if (zwinger.isEmpty())
            return std::nullopt;
        return ZwingerAbleitung{zwinger, i};
    }
    return std::nullopt;
}

QVector<GefundeneKatze> katzenMitNamen(tav::store::Database &db, const QString &name, int ausser)
{
    QVector<GefundeneKatze> out;
    const QString n = normalizedName(name);
    if (n.isEmpty())
        return out;
    store::Query q(&db,
                   QStringLiteral("SELECT LaufendeNummer, Name, Zwinger, Geschlecht, GebDatum "
                                  "FROM \"CATSTAMM.DB\" WHERE Name GLOB :name AND LaufendeNummer <> :ausser "
                                  "ORDER BY Name COLLATE DE, GebDatum, LaufendeNummer"));
    q.bindValue(QStringLiteral(":name"), globNoCase(n));
    q.bindValue(QStringLiteral(":ausser"), ausser);
    q.open();
    for (; !q.eof(); q.next()) {
        out.append({q.value(0).toInt(), q.value(1).toString(), q.value(2).toString(), q.value(3).toString(),
                    q.value(4).toDate()});
    }
    return out;
}

int ahnenlueckePruefen(const GefundeneKatze &gefunden, QChar vmZeiger, int catNr)
{
    const bool maennlich = istKater(gefunden.Geschlecht);
    const bool weiblich = istKatze(gefunden.Geschlecht);
    if ((vmZeiger == QLatin1Char('M') && !weiblich) || (vmZeiger == QLatin1Char('V') && !maennlich))
        return meldung::FalschesGeschlecht;
    if (catNr > 0 && gefunden.LaufendeNummer == catNr)
        return meldung::EigenerVorfahr;
    return 0;
}

std::optional<int> zuechterZumZwinger(tav::store::Database &db, const QString &zwinger)
{
    const QString z = zwinger.trimmed();
    if (z.isEmpty())
        return std::nullopt;
    store::Query q(&db, QStringLiteral("SELECT LaufendeNr FROM \"ADR_DAT.DB\" WHERE Zwinger GLOB :z "
                                       "ORDER BY Zwinger COLLATE DE, Name COLLATE DE, LaufendeNr LIMIT 1"));
    q.bindValue(QStringLiteral(":z"), globNoCase(z));
    q.open();
    if (q.eof())
        return std::nullopt;
    return q.value(0).toInt();
}

} // namespace tav::cats
