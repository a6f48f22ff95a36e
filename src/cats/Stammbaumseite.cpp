#include "Stammbaumseite.h"

#include "CatNames.h"
#include "store/Database.h"
#include "store/Namen_reference.h"
#include "store/Namen_register.h"
#include "store/Query.h"
#include "store/Table.h"

#include <QRegularExpression>
#include <QSet>

using namespace tav::store::namen;

namespace tav::cats {

int generationDerBox(int n)
{
    int g = 0;
    for (int erster = 1; n >= erster; erster = 2 * erster + 1)
        ++g;
    return g;
}

namespace {
void fuellen(QVector<AhnenBox> &boxen, int box, int kind, QChar vm, int nr, const ElternLesen &lesen)
{
    if (box > StammbaumBoxen)
        return;
    Eltern e;
    if (nr <= 0 || !lesen(nr, e)) {
        boxen[box].fehlt = vm;
        boxen[box].kind = kind;
        return;
    }
    boxen[box].katze = nr;
    fuellen(boxen, 2 * box + 1, nr, QLatin1Char('V'), e.vater, lesen);
    fuellen(boxen, 2 * box + 2, nr, QLatin1Char('M'), e.mutter, lesen);
}
} // namespace

QVector<AhnenBox> ahnenBoxen(int katze, const Eltern &eltern, const ElternLesen &lesen)
{
    QVector<AhnenBox> boxen(StammbaumBoxen + 1);
    fuellen(boxen, 1, katze, QLatin1Char('V'), eltern.vater, lesen);
    fuellen(boxen, 2, katze, QLatin1Char('M'), eltern.mutter, lesen);
    return boxen;
}

QString platzhalterText(const QString &wort, QChar fehlt, int kind)
{
    return wort + QLatin1Char('{') + fehlt + QString::number(kind) + QLatin1Char('}');
}

bool platzhalterLesen(const QString &text, QChar &fehlt, int &kind)
{
    static const QRegularExpression re(QStringLiteral("\\{([VM])(\\d+)\\}"));
    const QRegularExpressionMatch m = re.match(text);
    if (!m.hasMatch())
        return false;
    fehlt = m.captured(1).at(0);
    kind = m.captured(2).toInt();
    return true;
}

int ahnenNummer(const QStringList &zeilen)
{
    for (const QString &z : zeilen) {
        const qsizetype auf = z.lastIndexOf(QLatin1Char('{'));
        const qsizetype zu = z.lastIndexOf(QLatin1Char('}'));
        if (auf < 0 || zu <= auf)
            continue;
        const QString innen = z.mid(auf + 1, zu - auf - 1);
        if (innen.startsWith(QLatin1Char('V')) || innen.startsWith(QLatin1Char('M')))
            return 0;
        return innen.toInt();
    }
    return 0;
}

QVector<int> doppelteFarben(const QVector<AhnenBox> &boxen, int farben, bool *zuWenig)
{
    QVector<int> farbe(StammbaumBoxen + 1, -1);
    if (zuWenig)
        *zuWenig = false;
    if (farben <= 0)
        return farbe;
    int naechste = 0;
    for (int a = 1; a <= StammbaumBoxen - 2 && a < boxen.size(); ++a) {
        if (boxen[a].katze <= 0 || farbe[a] >= 0)
            continue;
        bool gefunden = false;
        for (int c = a + 1; c <= StammbaumBoxen && c < boxen.size(); ++c) {
            if (boxen[c].katze != boxen[a].katze || farbe[c] >= 0)
                continue;
            if (naechste >= farben && zuWenig)
                *zuWenig = true;
            farbe[a] = farbe[c] = std::min(naechste, farben - 1);
            gefunden = true;
        }
        if (gefunden)
            ++naechste;
    }
    return farbe;
}

AhnenMarker ahnenMarker(tav::store::Database &db, int katze)
{
    AhnenMarker m;
    if (db.tableExists(topkatze::Datei)) {
        tav::store::Query q(&db, QStringLiteral("SELECT Farbe FROM \"TOPKATZE.DB\" WHERE Katze = ?"));
        q.addBindValue(katze);
        q.open();
        if (!q.eof())
            m.topFarbe = q.value(0).toInt();
    }
    if (db.tableExists(katzemerkmal::Datei) && db.tableExists(merkmale::Datei)) {
        tav::store::Query q(&db,
                            QStringLiteral("SELECT m.farbe FROM \"KATZEMERKMAL.DB\" k JOIN \"MERKMALE.DB\" m "
                                           "ON m.LaufendeNummer = k.Merkmal WHERE k.Katze = ? "
                                           "ORDER BY m.LaufendeNummer"));
        q.addBindValue(katze);
        q.open();
        for (; !q.eof(); q.next())
            m.merkmale << q.value(0).toInt();
    }
    return m;
}

int ahnPruefen(tav::store::Database &db, int kandidat, QChar vmZeiger, int kind)
{
    tav::store::Table t(&db, catstamm::Datei);
    t.setReadOnly(true);
    t.open();
    if (kandidat <= 0 || !t.findKey({kandidat}))
        return 50;
    GefundeneKatze gefunden;
    gefunden.LaufendeNummer = kandidat;
    gefunden.Geschlecht = t.text(catstamm::Geschlecht);
    if (const int meldung = ahnenlueckePruefen(gefunden, vmZeiger, kind))
        return meldung;
    // a descendant of the cat would close a circle in the register: the cat is among its ancestors
    QSet<int> gesehen{kandidat};
    QVector<int> offen{t.intValue(catstamm::Vater), t.intValue(catstamm::Mutter)};
    while (!offen.isEmpty()) {
        const int nr = offen.takeLast();
        if (nr <= 0 || gesehen.contains(nr))
            continue;
        if (nr == kind)
            return meldung::EigenerVorfahr;
        gesehen.insert(nr);
        if (t.findKey({nr}))
            offen << t.intValue(catstamm::Vater) << t.intValue(catstamm::Mutter);
    }
    return 0;
}

bool elternteilEintragen(tav::store::Database &db, int kind, QChar vmZeiger, int elternteil)
{
    tav::store::Table t(&db, catstamm::Datei);
    t.open();
    if (kind <= 0 || !t.findKey({kind}))
        return false;
    t.edit();
    t.setValue(vmZeiger == QLatin1Char('M') ? QStringLiteral("Mutter") : QStringLiteral("Vater"), elternteil);
    t.post();
    return true;
}

QRect boxRechteck(int n, const QSize &seite)
{
    const int g = generationDerBox(n);
    // a page lower than 318 pixels keeps the designed layout of a 318-pixel page
    const int h = std::max(seite.height(), 318);
    const int s = h / 16;
    const int breite = seite.width() / 5;
    const int k = n - ((1 << g) - 1); // position within its generation
    int oben = 0, hoehe = 0;
    switch (g) {
    case 1:
        oben = k == 0 ? h / 4 - 60 : 3 * h / 4 - 60;
        hoehe = 5 * s;
        break;
    case 2:
        oben = k * h / 4;
        hoehe = 4 * s;
        break;
    case 3:
        oben = k * h / 8;
        hoehe = 2 * s;
        break;
    case 4:
        oben = k * h / 16;
        hoehe = s;
        break;
    case 5:
        if (h / 32 < 15)
            return {};
        oben = k * h / 32;
        hoehe = h / 32;
        break;
    default: return {};
    }
    return QRect((g - 1) * breite + 2, oben, breite - 4, hoehe - 1);
}

} // namespace tav::cats
