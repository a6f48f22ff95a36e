// StorePedigree: the pedigree source over a data directory's tables.
#include "StorePedigree.h"

#include "store/Database.h"
#include "store/Namen_reference.h"
#include "store/Namen_register.h"
#include "store/Namen_work.h"
#include "store/Query.h"
#include "store/Statement.h"
#include "store/Table.h"
#include "store/Transaction.h"

#include <limits>

namespace tav::breeding {

using store::Database;
using store::Query;
using namespace store::namen;

namespace {

const QString Katzen = catstamm::Datei;

qint32 zahl(const QVariant &v)
{
    return v.isNull() ? 0 : v.toInt();
}

} // namespace

StorePedigree::StorePedigree(Database &db, Laden art) : m_db(db), m_art(art)
{
    m_trennen = QObject::connect(&db, &Database::aboutToDisconnect, [this] { schliesseEinzeln(); });
    neuLaden();
}

StorePedigree::~StorePedigree()
{
    QObject::disconnect(m_trennen);
    schliesseEinzeln();
}

void StorePedigree::schliesseEinzeln() const
{
    m_abfrage.reset();
    if (m_datei) {
        m_db.release(m_datei);
        m_datei = nullptr;
    }
}

void StorePedigree::neuLaden()
{
    schliesseEinzeln();
    m_katzen.clear();
    m_fehlt.clear();
    m_allesGeladen = false;
    m_einzelAbrufe = 0;
    m_merkmale.clear();
    m_rassen.clear();
    m_top = {};
    m_nebenGeladen = false;

    if (m_art == Laden::Alles)
        ladeKatzen();
    else if (!m_db.tableExists(Katzen))
        throw store::EngineError(store::EngineError::Category::NotFound, store::code::TableNotFound,
                                 QStringLiteral("Tabelle nicht gefunden: %1").arg(Katzen));
}

void StorePedigree::ladeNebentabellen() const
{
    if (m_nebenGeladen)
        return;
    m_merkmale.clear();
    m_rassen.clear();
    m_top = {};
    // in the order of the trait index (Katze, then record number); the colour is a lookup
    if (m_db.tableExists(katzemerkmal::Datei)) {
        const bool mitFarbe = m_db.tableExists(merkmale::Datei);
        Query q(&m_db, mitFarbe
                           ? QStringLiteral("SELECT k.Katze, k.Merkmal, m.farbe FROM \"KatzeMerkmal.db\" k "
                                            "LEFT JOIN \"Merkmale.db\" m ON m.LaufendeNummer = k.Merkmal "
                                            "ORDER BY k.Katze, k.LaufendeNummer")
                           : QStringLiteral("SELECT Katze, Merkmal, NULL FROM \"KatzeMerkmal.db\" "
                                            "ORDER BY Katze, LaufendeNummer"));
        for (q.open(); !q.eof(); q.next()) {
            KatzeMerkmalDaten m;
            m.merkmal = zahl(q.value(1));
            const QVariant farbe = q.value(2);
            if (!farbe.isNull())
                m.farbe = farbe.toInt();
            m_merkmale[zahl(q.value(0))].append(m);
        }
    }
    if (m_db.tableExists(rasse::Datei)) {
        Query q(&m_db, QStringLiteral("SELECT RCode, RKurzname FROM \"rasse.db\""));
        for (q.open(); !q.eof(); q.next())
            m_rassen.insert(zahl(q.value(0)), q.value(1).toString());
    }
    if (m_db.tableExists(topkatze::Datei)) {
        Query q(&m_db,
                QStringLiteral("SELECT Katze, Farbe FROM \"TopKatze.db\" ORDER BY LaufendeNummer LIMIT 5"));
        int i = 0;
        for (q.open(); !q.eof(); q.next(), ++i) {
            const QVariant farbe = q.value(1);
            m_top[i] = TopKatzeSlot{zahl(q.value(0)), farbe.isNull() ? TopKatzeSlot().farbe : farbe.toInt()};
        }
    }
    m_nebenGeladen = true;
}

void StorePedigree::ladeKatzen() const
{
    Query q(&m_db, QStringLiteral("SELECT LaufendeNummer, Name, Geschlecht, Vater, Mutter, Rasse FROM \"%1\"")
                       .arg(Katzen.toLower()));
    QHash<qint32, KatzeDaten> alle;
    for (q.open(); !q.eof(); q.next()) {
        KatzeDaten k;
        k.nummer = zahl(q.value(0));
        k.name = q.value(1).toString();
        k.geschlecht = q.value(2).toString();
        k.vater = zahl(q.value(3));
        k.mutter = zahl(q.value(4));
        k.rasse = zahl(q.value(5));
        alle.insert(k.nummer, k);
    }
    m_katzen = std::move(alle);
    m_fehlt.clear();
    m_allesGeladen = true;
    schliesseEinzeln();
}

std::optional<KatzeDaten> StorePedigree::holeEinzeln(qint32 nummer) const
{
    if (!m_abfrage) {
        m_datei = m_db.acquire(Katzen, false);
        m_abfrage = std::make_unique<store::Statement>(
            m_datei->db, QStringLiteral("SELECT Name, Geschlecht, Vater, Mutter, Rasse FROM data "
                                        "WHERE LaufendeNummer = ?"));
    }
    ++m_einzelAbrufe;
    store::Statement &st = *m_abfrage;
    st.reset();
    st.bind(1, nummer);
    if (!st.step())
        return std::nullopt;
    KatzeDaten k;
    k.nummer = nummer;
    k.name = st.column(0).toString();
    k.geschlecht = st.column(1).toString();
    k.vater = qint32(st.columnInt64(2));
    k.mutter = qint32(st.columnInt64(3));
    k.rasse = qint32(st.columnInt64(4));
    st.reset();
    return k;
}

std::optional<KatzeDaten> StorePedigree::katze(qint32 nummer) const
{
    if (nummer == 0)
        return std::nullopt;
    const auto it = m_katzen.constFind(nummer);
    if (it != m_katzen.constEnd())
        return *it;
    if (m_allesGeladen || m_fehlt.contains(nummer))
        return std::nullopt;
    if (m_art == Laden::Automatisch && m_einzelAbrufe >= AutomatischGrenze) {
        ladeKatzen();
        return katze(nummer);
    }
    const std::optional<KatzeDaten> k = holeEinzeln(nummer);
    if (k)
        m_katzen.insert(nummer, *k);
    else
        m_fehlt.insert(nummer, true);
    return k;
}

QVector<KatzeMerkmalDaten> StorePedigree::merkmale(qint32 nummer) const
{
    ladeNebentabellen();
    return m_merkmale.value(nummer);
}

std::array<TopKatzeSlot, 5> StorePedigree::topKatzen() const
{
    ladeNebentabellen();
    return m_top;
}

std::optional<QString> StorePedigree::rasseKurzname(qint32 rcode) const
{
    ladeNebentabellen();
    const auto it = m_rassen.constFind(rcode);
    if (it == m_rassen.constEnd())
        return std::nullopt;
    return *it;
}

void vorfahrenlisteNeu(Database &db)
{
    const QString name = vorfahrenliste::Datei;
    if (db.tableExists(name))
        db.dropTable(name);
    db.createTable(name);
}

void schreibeVorfahrenliste(Database &db, const QVector<VorfahrenZeile> &zeilen)
{
    vorfahrenlisteNeu(db);
    const QString name = vorfahrenliste::Datei;
    store::Table t(&db, name);
    t.open();
    store::Transaction txn(db, name);
    try {
        constexpr Anzahl groesste = Anzahl(std::numeric_limits<qint32>::max());
        for (const auto &z : zeilen) {
            t.append();
            t.setValue(vorfahrenliste::Nummer, z.Nummer);
            t.setValue(vorfahrenliste::Name, z.Name);
            t.setValue(vorfahrenliste::Anzahl, qint32(z.Anzahl > groesste ? groesste : z.Anzahl));
            t.setValue(vorfahrenliste::Farbe, z.Farbe ? QVariant(*z.Farbe) : QVariant());
            t.post();
        }
        txn.commit();
    } catch (...) {
        if (t.isEditing())
            t.cancel();
        throw;
    }
}

void setzeTopKatzeAnzahl(store::Table &topKatze, const std::optional<InzuchtErgebnis> &ergebnis,
                         QChar dezimal)
{
    static const InzuchtErgebnis keines; // before the first calculation: no shares
    const qint32 katze = topKatze.value(topkatze::Katze).toInt();
    topKatze.setCalcValue(QStringLiteral("Anzahl"),
                          topKatzeAnteilVon(ergebnis ? *ergebnis : keines, katze, dezimal));
}

} // namespace tav::breeding
