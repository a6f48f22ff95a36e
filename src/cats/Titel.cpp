// Titel: a cat's titles: registry titles and free titles.
#include "Titel.h"

#include "store/Database.h"
#include "store/Namen_reference.h"
#include "store/Namen_register.h"
#include "store/Query.h"
#include "store/Table.h"
#include "store/Transaction.h"

using namespace tav::store::namen;

namespace tav::cats {

QString registerTitelFeld(Register r, bool kastrat)
{
    switch (r) {
    case Register::WCF: return kastrat ? QStringLiteral("TitelGer2") : QStringLiteral("TitelGer1");
    case Register::TICA: return kastrat ? QStringLiteral("TitelUSA2") : QStringLiteral("TitelUSA1");
    case Register::CFA: return kastrat ? QStringLiteral("TitelUSA4") : QStringLiteral("TitelUSA3");
    }
    return QString();
}

QStringList registerTitelTexte(Register r)
{
    switch (r) {
    case Register::WCF:
        return {QStringLiteral("Ch."),      QStringLiteral("Int.Ch."),   QStringLiteral("Gr.Int.Ch."),
                QStringLiteral("Euro.Ch."), QStringLiteral("Gr.Er.Ch."), QStringLiteral("World Ch.")};
    case Register::TICA:
        return {QStringLiteral("CH"),  QStringLiteral("GRC"), QStringLiteral("DGC"),
                QStringLiteral("TGC"), QStringLiteral("QGC"), QStringLiteral("SGC")};
    case Register::CFA:
        return {QStringLiteral("CH"), QStringLiteral("GC"), QStringLiteral("-"),
                QStringLiteral("-"),  QStringLiteral("-"),  QStringLiteral("-")};
    }
    return {};
}

QString registerTitelText(Register r, const QString &code)
{
    if (code.size() != 1 || code.at(0) < QLatin1Char('1') || code.at(0) > QLatin1Char('6'))
        return QString();
    const QString t = registerTitelTexte(r).value(code.at(0).unicode() - '1');
    return t == QLatin1String("-") ? QString() : t;
}

bool registerTitelGueltig(Register r, const QString &code)
{
    return code.isEmpty() || !registerTitelText(r, code).isEmpty();
}

int titelNr(const QString &titelGer1, const QString &titelUSA1, const QString &titelUSA3)
{
    for (const QString *t : {&titelGer1, &titelUSA1, &titelUSA3}) {
        bool ok = false;
        const int n = t->trimmed().toInt(&ok);
        if (ok && n > 0)
            return n;
    }
    return 0;
}

QVector<TitelBez> titelKatalog(tav::store::Database &db)
{
    QVector<TitelBez> out;
    store::Query q(&db,
                   QStringLiteral("SELECT LaufendeNummer, Sortierung, Titel, Kuerzel FROM \"TITELBEZ.DB\" "
                                  "ORDER BY Sortierung, LaufendeNummer"));
    q.open();
    for (; !q.eof(); q.next())
        out.append({q.value(0).toInt(), q.value(1).toInt(), q.value(2).toString(), q.value(3).toString()});
    return out;
}

QPoint titelBoxPosition(int index, const QString &aufloesung)
{
    const bool gross = aufloesung == QLatin1String("1024x768") || aufloesung == QLatin1String("1152x864");
    const int abstand = gross ? 16 : 13;
    return QPoint(index % 2 == 0 ? 3 : 123, (index / 2) * abstand);
}

QSet<int> titelDerKatze(tav::store::Database &db, int katze)
{
    QSet<int> out;
    store::Query q(&db, QStringLiteral("SELECT h.Titel FROM \"TITELHUND.DB\" h JOIN \"TITELBEZ.DB\" b "
                                       "ON b.LaufendeNummer = h.Titel WHERE h.Hund = :k"));
    q.bindValue(QStringLiteral(":k"), katze);
    q.open();
    for (; !q.eof(); q.next())
        out.insert(q.value(0).toInt());
    return out;
}

QStringList titelKuerzelDerKatze(tav::store::Database &db, int katze)
{
    QStringList out;
    store::Query q(&db, QStringLiteral("SELECT b.Kuerzel FROM \"TITELHUND.DB\" h LEFT JOIN \"TITELBEZ.DB\" b "
                                       "ON b.LaufendeNummer = h.Titel WHERE h.Hund = :k "
                                       "ORDER BY h.Titel, h.LaufendeNummer"));
    q.bindValue(QStringLiteral(":k"), katze);
    q.open();
    for (; !q.eof(); q.next())
        out << q.value(0).toString();
    return out;
}

TitelAenderung titelSpeichern(tav::store::Database &db, int katze, const QSet<int> &angehakt)
{
    TitelAenderung a;
    // A cat not yet posted has no number; its links would belong to every other unposted cat.
    if (katze <= 0)
        return a;
    QSet<int> katalog;
    for (const TitelBez &t : titelKatalog(db))
        katalog.insert(t.LaufendeNummer);

    store::Table links(&db, titelhund::Datei);
    links.setIndexName(titelhund::idx::HundTitel);
    links.open();
    store::Transaction txn(db, titelhund::Datei);
    try {
        links.setRange({katze}, {katze});
        QSet<int> vorhanden;
        QVector<store::Table::Bookmark> weg;
        for (links.first(); !links.eof(); links.next()) {
            const int titel = links.intValue(titelhund::Titel);
            if (katalog.contains(titel) && !angehakt.contains(titel))
                weg << links.bookmark();
            else
                vorhanden.insert(titel);
        }
        for (const auto &b : weg) {
            links.gotoBookmark(b);
            links.remove();
            ++a.entfernt;
        }
        for (int titel : angehakt) {
            if (!katalog.contains(titel) || vorhanden.contains(titel))
                continue;
            links.append();
            links.setValue(titelhund::Hund, katze);
            links.setValue(titelhund::Titel, titel);
            links.post();
            ++a.hinzugefuegt;
        }
        txn.commit();
    } catch (...) {
        if (links.isEditing())
            links.cancel();
        throw;
    }
    a.gespeichert = true;
    return a;
}

QString titelText(const QStringList &kuerzel)
{
    QStringList teile;
    for (const QString &k : kuerzel) {
        if (!k.isEmpty())
            teile << k;
    }
    return teile.join(QLatin1Char('/'));
}

QHash<int, QString> titelTexte(tav::store::Database &db, const QVector<int> &katzen)
{
    QHash<int, QString> out;
    if (katzen.isEmpty() || !db.tableExists(titelhund::Datei) || !db.tableExists(titelbez::Datei))
        return out;
    QString fragen;
    for (int n = 0; n < katzen.size(); ++n)
        fragen += n ? QStringLiteral(",?") : QStringLiteral("?");
    // in the order of titelKuerzelDerKatze
    store::Query q(
        &db, QStringLiteral("SELECT h.Hund, b.Kuerzel FROM \"TITELHUND.DB\" h LEFT JOIN \"TITELBEZ.DB\" b "
                            "ON b.LaufendeNummer = h.Titel WHERE h.Hund IN (%1) "
                            "ORDER BY h.Hund, h.Titel, h.LaufendeNummer")
                 .arg(fragen));
    for (int k : katzen)
        q.addBindValue(k);
    QHash<int, QStringList> kuerzel;
    for (q.open(); !q.eof(); q.next())
        kuerzel[q.value(0).toInt()] << q.value(1).toString();
    for (auto it = kuerzel.cbegin(); it != kuerzel.cend(); ++it) {
        const QString text = titelText(*it);
        if (!text.isEmpty())
            out.insert(it.key(), text);
    }
    return out;
}

} // namespace tav::cats
