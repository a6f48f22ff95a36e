// StatistikDatei: the register query of the trait statistics and the inbreeding of its rows.
#include "StatistikDatei.h"

#include "InzuchtFormat.h"
#include "MerkmalAusdruck.h"
#include "StorePedigree.h"
#include "app/Global.h"
#include "store/Database.h"
#include "store/Namen_reference.h"
#include "store/Query.h"

#include <QElapsedTimer>

namespace tav::breeding {

using namespace store::namen;

namespace {

const QString Spalten = QStringLiteral(
    "C.LaufendeNummer, C.Name, C.Vater, C.Mutter, C.FellFarbe, C.Geschlecht, C.GebDatum, C.Toddatum,"
    " V.Name, Mu.Name");
const QString Eltern = QStringLiteral(" LEFT JOIN catstamm.db V ON V.LaufendeNummer = C.Vater"
                                      " LEFT JOIN catstamm.db Mu ON Mu.LaufendeNummer = C.Mutter");
const QString MerkmalNummern = QStringLiteral("SELECT LaufendeNummer FROM merkmale.db WHERE Bezeichnung = ?");

// the filter conditions and their values; every one is bound, none pasted
void filterBedingungen(const DateiFilter &f, QStringList &teile, QVariantList &werte)
{
    if (!f.farbe.isEmpty()) {
        teile << QStringLiteral("upper(C.FellFarbe) = upper(?)");
        werte << f.farbe;
    }
    if (!(f.geschlecht[0] && f.geschlecht[1] && f.geschlecht[2] && f.geschlecht[3])) {
        QStringList frage;
        for (int i = 0; i < 4; ++i)
            if (f.geschlecht[i]) {
                frage << QStringLiteral("?");
                werte << QString::number(i + 1);
            }
        teile << QStringLiteral("C.Geschlecht IN (") + frage.join(QLatin1Char(',')) + QLatin1Char(')');
    }
    if (f.ab > 0 || f.bis > 0) {
        const auto [spaetestens, fruehestens] = f.geburtGrenzen();
        teile << QStringLiteral("C.GebDatum <= ?");
        werte << spaetestens;
        if (fruehestens.isValid()) {
            teile << QStringLiteral("C.GebDatum >= ?");
            werte << fruehestens;
        }
        teile << QStringLiteral("C.Toddatum IS NULL");
    }
}

DateiZeile zeileLesen(const store::Query &q)
{
    DateiZeile z;
    z.nummer = q.value(0).toInt();
    z.name = q.value(1).toString();
    z.vater = q.value(2).toInt();
    z.mutter = q.value(3).toInt();
    z.fellfarbe = q.value(4).toString();
    z.geschlecht = q.value(5).toString();
    z.geburt = q.value(6).toDate();
    z.tod = q.value(7).toDate();
    z.vaterName = q.value(8).toString();
    z.mutterName = q.value(9).toString();
    return z;
}

} // namespace

// The register as the engine sees it under a generation limit: the parents of a cat that stands
// G - 2 or more steps above the pair are left out, so the engine reads only the ancestors the
// limit keeps instead of the whole pedigree. The tree it builds is the same.
class BegrenzteQuelle : public PedigreeSource
{
  public:
    explicit BegrenzteQuelle(const PedigreeSource &q) : m_q(q) {}
    void paar(qint32 vater, qint32 mutter, int generationen)
    {
        m_grenze = std::clamp(generationen, 3, 255) - 2;
        m_abstand.clear();
        QVector<qint32> ebene{vater, mutter};
        for (int d = 0; d <= m_grenze && !ebene.isEmpty(); ++d) {
            QVector<qint32> naechste;
            for (qint32 nr : std::as_const(ebene)) {
                if (m_abstand.contains(nr))
                    continue;
                m_abstand.insert(nr, d);
                if (const auto k = m_q.katze(nr); k && d < m_grenze)
                    naechste << k->vater << k->mutter;
            }
            ebene = naechste;
        }
    }
    std::optional<KatzeDaten> katze(qint32 nummer) const override
    {
        std::optional<KatzeDaten> k = m_q.katze(nummer);
        if (k && m_abstand.value(nummer, m_grenze) >= m_grenze)
            k->vater = k->mutter = 0;
        return k;
    }
    QVector<KatzeMerkmalDaten> merkmale(qint32 nummer) const override { return m_q.merkmale(nummer); }
    std::optional<QString> rasseKurzname(qint32 rcode) const override { return m_q.rasseKurzname(rcode); }
    std::array<TopKatzeSlot, 5> topKatzen() const override { return m_q.topKatzen(); }

  private:
    const PedigreeSource &m_q;
    QHash<qint32, int> m_abstand;
    int m_grenze = 1;
};

QPair<QDate, QDate> DateiFilter::geburtGrenzen() const
{
    int von = ab, zu = bis;
    if (zu < von && zu != 0)
        std::swap(von, zu);
    // QDate moves 29 February to the 28th of a common year
    const auto zurueck = [&](int n) { return monate ? heute.addMonths(-n) : heute.addYears(-n); };
    return {zurueck(von), zu > 0 ? zurueck(zu) : QDate()};
}

QStringList merkmalNamen(store::Database &db)
{
    QStringList namen;
    if (!db.tableExists(merkmale::Datei))
        return namen;
    store::Query q(&db, QStringLiteral("SELECT Bezeichnung FROM merkmale.db"));
    q.open();
    for (; !q.eof(); q.next())
        namen << q.value(0).toString();
    return namen;
}

QVector<DateiZeile> statistikDatei(store::Database &db, const DateiAbfrage &abfrage,
                                   const DateiFilter &filter)
{
    QStringList teile;
    QVariantList werte;
    filterBedingungen(filter, teile, werte);
    const bool mitMerkmalen = abfrage.erweitert || !abfrage.text.trimmed().isEmpty();
    const bool einfach = !abfrage.erweitert && mitMerkmalen;
    if (mitMerkmalen) {
        // the simple query tests the trait of the joined row, the extended one the cat's traits
        const QString vorlage =
            einfach
                ? QStringLiteral("K.Merkmal IN (") + MerkmalNummern + QLatin1Char(')')
                : QStringLiteral("EXISTS (SELECT 1 FROM katzemerkmal.db K WHERE K.Katze = C.LaufendeNummer"
                                 " AND K.Merkmal IN (") +
                      MerkmalNummern + QStringLiteral("))");
        const std::optional<MerkmalSql> a = merkmalAusdruck(abfrage.text, merkmalNamen(db), vorlage);
        if (!a)
            throw DateiAbfrageFehler{};
        teile << QLatin1Char('(') + a->bedingung + QLatin1Char(')');
        for (const QString &w : a->werte)
            werte << w;
    }
    QString sql = QStringLiteral("SELECT ") + Spalten;
    if (einfach)
        sql += QStringLiteral(", M.Bezeichnung, M.farbe FROM catstamm.db C"
                              " JOIN katzemerkmal.db K ON K.Katze = C.LaufendeNummer"
                              " JOIN merkmale.db M ON M.LaufendeNummer = K.Merkmal");
    else
        sql += QStringLiteral(" FROM catstamm.db C");
    sql += Eltern;
    if (!teile.isEmpty())
        sql += QStringLiteral(" WHERE ") + teile.join(QStringLiteral(" AND "));
    // the cat number keeps two cats of one name apart
    sql += QStringLiteral(" ORDER BY C.Name COLLATE DE, C.LaufendeNummer");
    if (einfach)
        sql += QStringLiteral(", K.LaufendeNummer");

    QVector<DateiZeile> zeilen;
    store::Query q(&db, sql);
    for (const QVariant &w : werte)
        q.addBindValue(w);
    q.open();
    for (; !q.eof(); q.next()) {
        DateiZeile z = zeileLesen(q);
        if (einfach) {
            z.merkmal = q.value(10).toString();
            z.farbe = q.value(11).toInt();
        }
        zeilen.append(z);
    }
    if (abfrage.erweitert && !zeilen.isEmpty()) {
        QHash<qint32, int> index;
        for (int i = 0; i < zeilen.size(); ++i)
            index.insert(zeilen[i].nummer, i);
        store::Query m(&db, QStringLiteral("SELECT K.Katze, M.Bezeichnung, M.farbe FROM katzemerkmal.db K"
                                           " JOIN merkmale.db M ON M.LaufendeNummer = K.Merkmal"
                                           " ORDER BY K.Katze, K.LaufendeNummer"));
        m.open();
        for (; !m.eof(); m.next()) {
            const int i = index.value(m.value(0).toInt(), -1);
            if (i < 0)
                continue;
            DateiZeile &z = zeilen[i];
            if (z.merkmal.isEmpty())
                z.farbe = m.value(2).toInt();
            z.merkmal += QStringLiteral("- ") + m.value(1).toString() + QStringLiteral(" -");
        }
    }
    return zeilen;
}

QString geschlechtText(const QString &code, const Beschriftung &caption)
{
    static const int tags[] = {1280, 1281, 1579, 1580};
    const int i = code.toInt();
    return i >= 1 && i <= 4 ? caption(tags[i - 1]) : QString();
}

QString alterZeile(const DateiZeile &z, const QDate &heute, const Beschriftung &caption)
{
    return app::alterText(0, app::alterTeile(0, z.tod, heute, z.geburt), caption);
}

DateiInzucht::DateiInzucht(store::Database &db, int generationen, QChar dezimal)
    : m_eigeneQuelle(std::make_unique<StorePedigree>(db)), m_quelle(*m_eigeneQuelle), m_db(&db),
      m_begrenzt(std::make_unique<BegrenzteQuelle>(m_quelle)), m_engine(*m_begrenzt),
      m_generationen(generationen), m_dezimal(dezimal)
{
}

DateiInzucht::DateiInzucht(const PedigreeSource &quelle, std::shared_ptr<InzuchtRegister> register_,
                           int generationen, QChar dezimal)
    : m_quelle(quelle), m_register(std::move(register_)),
      m_begrenzt(std::make_unique<BegrenzteQuelle>(m_quelle)), m_engine(*m_begrenzt),
      m_generationen(generationen), m_dezimal(dezimal)
{
}

DateiInzucht::~DateiInzucht() = default;

void DateiInzucht::setzeZeilen(const QVector<DateiZeile> &zeilen)
{
    m_paare.clear();
    m_naechstes = m_ueberRegister = m_imSchnitt = 0;
    QHash<QPair<qint32, qint32>, int> paare;
    for (int i = 0; i < zeilen.size(); ++i) {
        const DateiZeile &z = zeilen[i];
        if (z.vater == 0 || z.mutter == 0)
            continue;
        const QPair<qint32, qint32> p(z.vater, z.mutter);
        auto it = paare.find(p);
        if (it == paare.end()) {
            it = paare.insert(p, int(m_paare.size()));
            m_paare.append({z.vater, z.mutter, {}});
        }
        m_paare[*it].zeilen.append(i);
    }
    m_engine.einstellungen.dezimal = m_dezimal;
    m_engine.einstellungen.inzuchtMitVorfahren = false;
}

bool DateiInzucht::weiter(int millisekunden, const Fertig &fertig)
{
    QElapsedTimer uhr;
    uhr.start();
    if (m_db && !m_register && m_naechstes < m_paare.size()) {
        m_register = std::make_shared<InzuchtRegister>();
        m_register->lese(*m_db);
    }
    while (m_naechstes < m_paare.size()) {
        const Paar &p = m_paare[m_naechstes++];
        QString ik, avk;
        std::optional<InzuchtRegister::Ergebnis> r =
            m_register ? m_register->paar(p.vater, p.mutter, m_generationen) : std::nullopt;
        if (r)
            ++m_ueberRegister;
        else if (m_register && (r = m_register->imSchnitt(p.vater, p.mutter, m_generationen)))
            ++m_imSchnitt;
        if (r) {
            ik = koeffizientKurzText(r->koeffizient, r->beitrag, m_dezimal);
            avk = ahnenverlustText(r->ahnenverlust, m_dezimal);
        } else if (m_begrenzt->paar(p.vater, p.mutter, m_generationen),
                   m_engine.Berechne(0, p.vater, p.mutter, m_generationen, false)) {
            const InzuchtErgebnis &e = *m_engine.ergebnis();
            ik = koeffizientKurzText(e.koeffizient, e.beitrag, m_dezimal);
            avk = ahnenverlustText(e.ahnenverlust, m_dezimal);
        }
        if (fertig)
            fertig(p.zeilen, ik, avk);
        if (uhr.elapsed() >= millisekunden)
            break;
    }
    return m_naechstes < m_paare.size();
}

} // namespace tav::breeding
