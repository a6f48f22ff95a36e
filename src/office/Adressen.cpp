#include "Adressen.h"

#include "store/Namen_office.h"
#include "store/Query.h"
#include "store/Table.h"

using namespace tav::store::namen;

namespace tav::office {

QStringList reiterTexte(const QStringList &status)
{
    QStringList t;
    for (int i = 0; i < 7; ++i) {
        QString drei;
        for (int j = 0; j < 3; ++j)
            drei += QChar(u'A' + 3 * i + j);
        t << drei;
    }
    t << QStringLiteral("V-Z") << QStringLiteral("Suche") << QStringLiteral("Neu") << QStringLiteral("A-Z");
    return t + status;
}

std::optional<AdressBereich> reiterBereich(int reiter, const QStringList &status)
{
    const QString name = QStringLiteral("AdrName");
    // single-letter bounds on the name: "ABC" ends with the name "D" itself, not with "Dach"; the
    // index's German order puts "Ärger" under A and "de Vries" under D. It sorts a capital before
    // its small letter, so a tab starts at the capital and ends at the small letter: "d" is then
    // under ABC as "D" is.
    if (reiter >= 0 && reiter < ReiterVZ)
        return AdressBereich{name, {QString(QChar(u'A' + 3 * reiter))}, {QString(QChar(u'd' + 3 * reiter))}};
    if (reiter == ReiterVZ)
        return AdressBereich{name, {QStringLiteral("V")}, {}};
    const int s = reiter - ReiterStatus;
    if (s >= 0 && s < status.size())
        return AdressBereich{QStringLiteral("AdrStatusName"), {status[s]}, {status[s]}};
    return std::nullopt;
}

void bereichSetzen(tav::store::Table &adressen, int reiter, const QStringList &status)
{
    const std::optional<AdressBereich> b = reiterBereich(reiter, status);
    adressen.setIndexName(b ? b->index : QStringLiteral("AdrName"));
    if (b)
        adressen.setRange(b->von, b->bis);
    else
        adressen.cancelRange();
}

QStringList statusListe(tav::store::Database &db)
{
    QStringList out;
    tav::store::Query q(&db, QStringLiteral("SELECT Status FROM \"STATUSADRESSEN.DB\" ORDER BY rowid"));
    q.open();
    for (; !q.eof(); q.next()) {
        const QString s = q.value(0).toString();
        if (!s.trimmed().isEmpty())
            out << s;
    }
    return out;
}

bool nameFehlt(const tav::store::Table &adresse)
{
    return adresse.text(adr_dat::Name).trimmed().isEmpty();
}

int gleicherName(tav::store::Database &db, const QString &name, const QString &vorname, int ausser)
{
    tav::store::Query q(&db, QStringLiteral("SELECT LaufendeNr FROM \"ADR_DAT.DB\" WHERE Name = :n AND "
                                            "ifnull(Vorname, '') = :v AND LaufendeNr <> :a "
                                            "ORDER BY LaufendeNr LIMIT 1"));
    q.bindValue(QStringLiteral(":n"), name);
    q.bindValue(QStringLiteral(":v"), vorname);
    q.bindValue(QStringLiteral(":a"), ausser);
    q.open();
    return q.eof() ? 0 : q.value(0).toInt();
}

AdressZiel adressZiel(AdressAufruf aufruf, int zuechter, int besitzer, int katzeStatus)
{
    int nr = -1;
    if (aufruf == AdressAufruf::Zuechter)
        nr = zuechter;
    else if (aufruf == AdressAufruf::Besitzer && katzeStatus != 1)
        nr = besitzer;
    if (nr < 0)
        return {};
    return nr > 0 ? AdressZiel{false, nr} : AdressZiel{true, 0};
}

} // namespace tav::office
