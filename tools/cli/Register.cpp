// Register: writing cats into a register for the demo and generate commands.
#include "Register.h"
#include "store/Namen_office.h"
#include "store/Namen_register.h"

#include <QStringList>

using namespace tav::store::namen;

using tav::store::Table;

namespace {
const QStringList &tables()
{
    static const QStringList t = {catstamm::Datei, adr_dat::Datei, katzemerkmal::Datei, titelhund::Datei,
                                  "IMPFUNG.DB",    bilder::Datei,  wurfbuch::Datei,     deckbuch::Datei};
    return t;
}
} // namespace

RegisterWriter::RegisterWriter(tav::store::Database &db) : m_db(db)
{
    std::unique_ptr<Table> *members[] = {&m_cats, &m_adr,  &m_traits,  &m_titles,
                                         &m_vacc, &m_pics, &m_litters, &m_matings};
    for (int i = 0; i < tables().size(); ++i) {
        *members[i] = std::make_unique<Table>(&db, tables()[i]);
        (*members[i])->open();
    }
}

void RegisterWriter::begin()
{
    m_txn = std::make_unique<tav::store::Transaction>(m_db, tables());
}

void RegisterWriter::commit()
{
    m_txn->commit();
    m_txn.reset();
}

int RegisterWriter::addCat(const Cat &c)
{
    Table &t = *m_cats;
    t.append();
    t.setValue(catstamm::Name, c.name);
    t.setValue(catstamm::Zwinger, c.zwinger);
    t.setValue(catstamm::Rufname, c.rufname);
    t.setValue(catstamm::Geschlecht, c.sex);
    t.setValue(catstamm::GebDatum, c.born);
    t.setValue(catstamm::Toddatum, c.died);
    t.setValue(catstamm::Rasse, c.rasse ? QVariant(c.rasse) : QVariant());
    t.setValue(catstamm::FellFarbe, c.farbe);
    t.setValue(catstamm::Augenfarbe, c.augen);
    t.setValue(catstamm::Vater, c.vater);
    t.setValue(catstamm::Mutter, c.mutter);
    t.setValue(catstamm::Zuechter, c.zuechter ? QVariant(c.zuechter) : QVariant());
    t.setValue(catstamm::Besitzer, c.besitzer ? QVariant(c.besitzer) : QVariant());
    t.setValue(catstamm::Status, c.status);
    t.setValue(catstamm::TitelGer1, c.titelGer1);
    t.setValue(catstamm::Zuchtbuchnummer1, c.zuchtbuch);
    t.setValue(catstamm::ChipNr, c.chip);
    t.post();
    return t.value(catstamm::LaufendeNummer).toInt();
}

int RegisterWriter::addAddress(const QString &name, const QString &vorname, const QString &zwinger,
                               const QString &ort, const QString &land)
{
    Table &t = *m_adr;
    t.append();
    t.setValue(adr_dat::Name, name);
    t.setValue(adr_dat::Vorname, vorname);
    t.setValue(adr_dat::Zwinger, zwinger);
    t.setValue(adr_dat::Ort, ort);
    t.setValue(adr_dat::Land, land);
    t.post();
    return t.value(adr_dat::LaufendeNr).toInt();
}

void RegisterWriter::addTrait(int cat, int trait)
{
    m_traits->append();
    m_traits->setValue(katzemerkmal::Katze, cat);
    m_traits->setValue(katzemerkmal::Merkmal, trait);
    m_traits->post();
}

void RegisterWriter::addTitle(int cat, int title)
{
    m_titles->append();
    m_titles->setValue(titelhund::Hund, cat);
    m_titles->setValue(titelhund::Titel, title);
    m_titles->post();
}

void RegisterWriter::addVaccination(int cat, const QDate &on, const QString &vaccine, const QDate &next)
{
    m_vacc->append();
    m_vacc->setValue(impfung::Katze, cat);
    m_vacc->setValue(impfung::Datum, on);
    m_vacc->setValue(impfung::Impfung, vaccine);
    m_vacc->setValue(impfung::NeuAm, next);
    m_vacc->post();
}

void RegisterWriter::addPicture(int cat, const QString &path, const QString &memo)
{
    m_pics->append();
    m_pics->setValue(bilder::KatzeNr, cat);
    m_pics->setValue(bilder::Bildpfad, path);
    m_pics->setValue(bilder::BildMemo1, memo);
    m_pics->post();
}

void RegisterWriter::addLitter(int queen, int tom, const QDate &mated, const QDate &born, int size,
                               const QString &bez)
{
    Table &t = *m_litters;
    t.append();
    t.setValue(wurfbuch::Katze, queen);
    t.setValue(wurfbuch::Kater, tom);
    t.setValue(wurfbuch::BeginnRollig, mated.addDays(-2));
    t.setValue(wurfbuch::Decktermin, mated);
    t.setValue(wurfbuch::Wurftag, born);
    t.setValue(wurfbuch::Wurfbez, bez);
    t.setValue(wurfbuch::Wurfstaerke, QString::number(size));
    t.setValue(wurfbuch::Totgeboren, "0");
    t.setValue(wurfbuch::Verblieben, QString::number(size));
    t.post();
}

void RegisterWriter::addMating(int tom, int queen, const QDate &mated, const QDate &born)
{
    Table &t = *m_matings;
    t.append();
    t.setValue(deckbuch::Kater, tom);
    t.setValue(deckbuch::Katze, queen);
    t.setValue(deckbuch::Decktermin, mated);
    t.setValue(deckbuch::Erfolge, born.isValid() ? "Wurf" : "");
    t.setValue(deckbuch::Wurftag, born);
    t.post();
}

QString catName(QRandomGenerator &rng)
{
    static const char *first[] = {"A",  "Be", "Ca", "Da", "E",  "Fe", "Gi", "Ha",  "I",
                                  "Jo", "Ka", "Li", "Ma", "Ni", "O",  "Pa", "Qui", "Ro",
                                  "Sa", "Ti", "U",  "Va", "Wi", "Xa", "Yu", "Zo"};
    static const char *mid[] = {"", "la", "ri", "mo", "ne", "so", "ta", "vi", "lo", "re", "mi", "no"};
    static const char *last[] = {"na", "ra", "lo", "x", "n", "s", "ja", "ko", "ly", "ma", "to", "ris"};
    QString s = QString::fromLatin1(first[rng.bounded(26)]) + QString::fromLatin1(mid[rng.bounded(12)]) +
                QString::fromLatin1(last[rng.bounded(12)]);
    return s;
}
