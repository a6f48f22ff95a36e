#include "Nachkommen.h"

#include "store/Database.h"
#include "store/EngineError.h"
#include "store/Namen_office.h"
#include "store/Namen_reference.h"
#include "store/Namen_register.h"
#include "store/Table.h"

#include <QRegularExpression>

using tav::store::EngineError;
using tav::store::Table;
using namespace tav::store::namen;

namespace tav::breeding {

bool ueberVater(const QString &geschlecht)
{
    return geschlecht == QLatin1String("1") || geschlecht == QLatin1String("3");
}

QString nachkommenIndex(const QString &geschlecht)
{
    return ueberVater(geschlecht) ? catstamm::idx::IdxVater : catstamm::idx::IdxMutter;
}

QString geschlechtKurz(const QString &geschlecht, int sprache)
{
    const bool deutsch = sprache == 0;
    if (geschlecht == QLatin1String("1"))
        return QStringLiteral("m");
    if (geschlecht == QLatin1String("2"))
        return deutsch ? QStringLiteral("w") : QStringLiteral("f");
    if (geschlecht == QLatin1String("3"))
        return QStringLiteral("m/k");
    if (geschlecht == QLatin1String("4"))
        return deutsch ? QStringLiteral("w/k") : QStringLiteral("f/k");
    return QString();
}

QString rasseFarbeText(const QString &rasse, const QString &farbe)
{
    return rasse.isEmpty() ? farbe : rasse + QStringLiteral(" / ") + farbe;
}

QString personText(const QString &name, const QString &vorname)
{
    return vorname.isEmpty() ? name : name + QStringLiteral(", ") + vorname;
}

QString knotenText(const QString &name, qint32 nummer)
{
    return name + QStringLiteral(" {") + QString::number(nummer) + QLatin1Char('}');
}

qint32 knotenNummer(const QString &text)
{
    // the last braces: a cat's name may hold braces of its own
    static const QRegularExpression re(QStringLiteral("\\{(\\d+)\\}\\s*$"));
    const QRegularExpressionMatch m = re.match(text);
    return m.hasMatch() ? m.captured(1).toInt() : 0;
}

QStringList datenMitEltern(const QStringList &daten, const QString &mutterZeile, const QString &vaterZeile)
{
    QStringList zeilen;
    if (!daten.isEmpty())
        zeilen << daten.first();
    if (!mutterZeile.isEmpty())
        zeilen << mutterZeile;
    if (!vaterZeile.isEmpty())
        zeilen << vaterZeile;
    zeilen << daten.mid(1);
    return zeilen;
}

// --- reading -------------------------------------------------------------------------

namespace {
std::unique_ptr<Table> katzenCursor(tav::store::Database &db, const QString &index)
{
    auto t = std::make_unique<Table>(&db, catstamm::Datei);
    t->setReadOnly(true);
    t->setIndexName(index);
    t->open();
    return t;
}
} // namespace

NachkommenLeser::NachkommenLeser(tav::store::Database &db, int sprache) : m_db(db), m_sprache(sprache)
{
    m_katze = katzenCursor(db, QString());
    m_vaterKinder = katzenCursor(db, catstamm::idx::IdxVater);
    m_mutterKinder = katzenCursor(db, catstamm::idx::IdxMutter);
}

NachkommenLeser::~NachkommenLeser() = default;

Table *NachkommenLeser::lookup(const QString &datei, const QString &index)
{
    std::unique_ptr<Table> *t = datei == rasse::Datei.view()          ? &m_rasse
                                : datei == adr_dat::Datei.view()      ? &m_adressen
                                : datei == katzemerkmal::Datei.view() ? &m_katzeMerkmal
                                                                      : &m_merkmale;
    if (*t)
        return (*t)->isOpen() ? t->get() : nullptr;
    *t = std::make_unique<Table>(&m_db, datei);
    try {
        (*t)->setReadOnly(true);
        (*t)->setIndexName(index);
        (*t)->open();
    } catch (const EngineError &) {
        m_fehlend << datei;
        return nullptr;
    }
    return t->get();
}

std::optional<Elterntier> NachkommenLeser::katze(qint32 nummer)
{
    if (nummer <= 0 || !m_katze->findKey({nummer}))
        return std::nullopt;
    Elterntier e;
    e.nummer = nummer;
    e.name = m_katze->text(catstamm::Name);
    e.geschlecht = m_katze->text(catstamm::Geschlecht);
    e.gebDatum = m_katze->value(catstamm::GebDatum).toDate();
    e.fellFarbe = m_katze->text(catstamm::FellFarbe);
    e.vater = m_katze->intValue(catstamm::Vater);
    e.mutter = m_katze->intValue(catstamm::Mutter);
    e.rasse = rasseName(m_katze->intValue(catstamm::Rasse));
    return e;
}

QString NachkommenLeser::name(qint32 nummer)
{
    if (nummer <= 0 || !m_katze->findKey({nummer}))
        return QString();
    return m_katze->text(catstamm::Name);
}

QString NachkommenLeser::rasseName(qint32 rcode)
{
    Table *t = rcode > 0 ? lookup(rasse::Datei) : nullptr;
    return t && t->findKey({rcode}) ? t->text(rasse::RName) : QString();
}

QString NachkommenLeser::person(qint32 nr)
{
    Table *t = nr > 0 ? lookup(adr_dat::Datei) : nullptr;
    if (!t || !t->findKey({nr}))
        return QString();
    return personText(t->text(adr_dat::Name), t->text(adr_dat::Vorname));
}

QString NachkommenLeser::merkmale(qint32 katze)
{
    Table *links = lookup(katzemerkmal::Datei, katzemerkmal::idx::Katze);
    Table *katalog = lookup(merkmale::Datei);
    if (!links || !katalog)
        return QString();
    QStringList kuerzel;
    links->setRange({katze}, {katze});
    for (links->first(); !links->eof(); links->next()) {
        if (katalog->findKey({links->intValue(katzemerkmal::Merkmal)}))
            kuerzel << katalog->text(merkmale::Kuerzel);
    }
    return kuerzel.join(QLatin1Char('/'));
}

QVector<Nachkomme> NachkommenLeser::nachkommen(qint32 nummer, bool vollstaendig)
{
    const std::optional<Elterntier> e = katze(nummer);
    return e ? nachkommen(*e, vollstaendig) : QVector<Nachkomme>();
}

QVector<Nachkomme> NachkommenLeser::nachkommen(const Elterntier &eltern, bool vollstaendig)
{
    QVector<Nachkomme> liste;
    if (eltern.nummer <= 0)
        return liste;
    const bool vater = ueberVater(eltern.geschlecht);
    Table &t = vater ? *m_vaterKinder : *m_mutterKinder;
    t.setRange({eltern.nummer}, {eltern.nummer});
    for (t.first(); !t.eof(); t.next()) {
        Nachkomme n;
        n.nummer = t.intValue(catstamm::LaufendeNummer);
        n.name = t.text(catstamm::Name);
        n.geschlecht = t.text(catstamm::Geschlecht);
        n.geschl = geschlechtKurz(n.geschlecht, m_sprache);
        if (vollstaendig) {
            n.gebDatum = t.value(catstamm::GebDatum).toDate();
            n.fellFarbe = t.text(catstamm::FellFarbe);
            n.rasse = rasseName(t.intValue(catstamm::Rasse));
            n.rasseFarbe = rasseFarbeText(n.rasse, n.fellFarbe);
            n.besitzer = person(t.intValue(catstamm::Besitzer));
            n.zuechter = person(t.intValue(catstamm::Zuechter));
            n.andererElternteil = name(t.intValue(vater ? catstamm::Mutter : catstamm::Vater));
            n.merkmale = merkmale(n.nummer);
        }
        liste.append(n);
    }
    t.cancelRange();
    return liste;
}

QStringList nachkommenIndexePruefen(tav::store::Database &db)
{
    QStringList hinzu;
    const QString datei = catstamm::Datei;
    for (const auto &[name, felder] :
         {std::pair{QString(catstamm::idx::IdxVater), QStringLiteral("Vater;GebDatum;Name")},
          std::pair{QString(catstamm::idx::IdxMutter), QStringLiteral("Mutter;GebDatum;Name")}}) {
        if (db.storedLayout(datei).indexForFields(felder))
            continue;
        tav::store::IndexDef idx;
        idx.name = name;
        idx.fields = felder;
        db.addIndex(datei, idx);
        hinzu << name;
    }
    return hinzu;
}

} // namespace tav::breeding
