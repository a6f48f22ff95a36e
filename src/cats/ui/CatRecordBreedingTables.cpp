// The cat record window's breeding and health records: litter book, kitten weighings, kittens,
// mating book, pregnancy log, the cat's own birth data and the health logs, opened and tied to the cat.
#include "CatRecordBreedingData.h"
#include "CatRecordHealthPage.h"
#include "CatRecordLitterPage.h"
#include "CatRecordStudBookPage.h"
#include "Pcatstam.h"
#include "PcatstamIntern.h"

#include "app/Global.h"
#include "app/Systemi.h"
#include "cats/CatRules.h"
#include "cats/Wurfdaten.h"
#include "store/Table.h"
#include "widgets/DataSource.h"
#include "widgets/Dialogs.h"

#include <QCoreApplication>
#include <QFontMetrics>

using namespace tav::store;
using namespace tav::app;
using namespace tav::widgets;

namespace tav::cats::ui {

namespace {
constexpr int MeldungGewichtOhneWurftag = 30;

// widths in the font of the print-outs, as a label of the report shows the text
class DruckSchriftBreite : public TextBreite
{
  public:
    int breite(const QString &text) const override { return m_metrics.horizontalAdvance(text); }

  private:
    QFontMetrics m_metrics{QFont(QStringLiteral("Arial"), 10)};
};

QVariant datumOderNichts(const QDate &d)
{
    return d.isValid() ? QVariant(d) : QVariant();
}
} // namespace

ZuchtQuellen TCatStamm::zuchtTabellenOeffnen()
{
    const QString nr = QStringLiteral("LaufendeNummer");
    const auto tage = [] { return einstellungen().TageTraechtigkeit; };
    m_wurfbuch = neuesDetail(QStringLiteral("WURFBUCH.DB"), QStringLiteral("KatzeIdx"), nr);
    Table *wb = m_wurfbuch.table;
    wb->addCalcField(QStringLiteral("Wurftermin"), FieldType::Date);
    wb->addCalcField(QStringLiteral("Wurftermin2"), FieldType::Date);
    wb->addCalcField(QStringLiteral("Traechtigkeit"), FieldType::Integer);
    wb->addLookupField(QStringLiteral("KaterName"), QStringLiteral("Kater"), QStringLiteral("CATSTAMM.DB"),
                       nr, QStringLiteral("Name"));
    wb->onCalcFields = [tage](Table &t) {
        const QDate d1 = t.value(QStringLiteral("Decktermin")).toDate();
        const QDate d2 = t.value(QStringLiteral("Decktermin2")).toDate();
        t.setCalcValue(QStringLiteral("Wurftermin"), datumOderNichts(wurftermin(d1, tage())));
        t.setCalcValue(QStringLiteral("Wurftermin2"), datumOderNichts(wurftermin(d2, tage())));
        const auto dauer = traechtigkeitsdauer(d1, d2, t.value(QStringLiteral("Wurftag")).toDate());
        t.setCalcValue(QStringLiteral("Traechtigkeit"), dauer ? QVariant(*dauer) : QVariant());
    };

    // the weighings and the kittens follow the litter: its queen and birth date
    Detail gewichte;
    gewichte.table = neueTabelle(QStringLiteral("JUNGTIER.DB"), QStringLiteral("MutterkatzeDatum"));
    gewichte.table->setMaster(wb, QStringLiteral("Katze;Wurftag"));
    gewichte.source = new DataSource(gewichte.table, this);
    gewichte.table->addCalcField(QStringLiteral("Alter"), FieldType::String, 15);
    gewichte.table->onCalcFields = [](Table &t) {
        const QDate wiege = t.value(QStringLiteral("Wiegedatum")).toDate();
        t.setCalcValue(QStringLiteral("Alter"),
                       wiege.isValid() ? TDatenGlobal::alterBerechnen(
                                             4, QDate(), wiege, t.value(QStringLiteral("Wurfdatum")).toDate())
                                       : QString());
    };
    // a weighing needs the litter's birth date: refused with message 30 before anything is typed
    const auto wurftagPruefen = [wb] {
        const QDate wurftag = wb->hasRecord() ? wb->value(QStringLiteral("Wurftag")).toDate() : QDate();
        if (!wurftag.isValid()) {
            showMessage(MeldungGewichtOhneWurftag, MsgIcon::Warning, MsgButtons::Ok);
            throw AbortOperation();
        }
        return wurftag;
    };
    gewichte.table->beforeEdit = [wurftagPruefen](Table &) { wurftagPruefen(); };
    gewichte.table->beforeInsert = [wurftagPruefen](Table &) { wurftagPruefen(); };
    gewichte.source->beforePost = [wb, wurftagPruefen](Table &t) {
        const QDate wurftag = wurftagPruefen();
        t.setValue(QStringLiteral("Mutterkatze"), wb->intValue(QStringLiteral("Katze")));
        t.setValue(QStringLiteral("Wurfdatum"), wurftag);
    };
    Detail jungtiere;
    jungtiere.table = neueTabelle(QStringLiteral("CATSTAMM.DB"), QStringLiteral("IDXMutterGebDatum"), true);
    jungtiere.table->setMaster(wb, QStringLiteral("Katze;Wurftag"));
    jungtiere.source = new DataSource(jungtiere.table, this);
    jungtiere.table->addCalcField(QStringLiteral("AnzeigefuerDruck"), FieldType::String, 100);
    jungtiere.table->onCalcFields = [db = m_db](Table &t) {
        if (QCoreApplication::closingDown())
            return;
        static const DruckSchriftBreite messen;
        const int nr = t.intValue(QStringLiteral("LaufendeNummer"));
        QStringList kuerzel;
        try {
            kuerzel = merkmalKuerzel(*db, nr);
        } catch (const std::exception &) {
            // the line goes without traits; the trait table's own window reports its failure
        }
        t.setCalcValue(QStringLiteral("AnzeigefuerDruck"),
                       anzeigeFuerDruck(t.text(QStringLiteral("FellFarbe")), kuerzel,
                                        t.text(QStringLiteral("Bemerkung")), messen));
    };
    Detail jungtierZusatz;
    jungtierZusatz.table = neueTabelle(QStringLiteral("STAMMZUSATZ.DB"), QStringLiteral("TierIdx"));
    jungtierZusatz.table->setMaster(jungtiere.table, nr);
    jungtierZusatz.source = new DataSource(jungtierZusatz.table, this);
    jungtierZusatz.source->beforePost = [jt = jungtiere.table](Table &t) {
        if (!jt->hasRecord())
            throw AbortOperation();
        t.setValue(QStringLiteral("Tier"), jt->intValue(QStringLiteral("LaufendeNummer")));
    };

    m_deckbuch = neuesDetail(QStringLiteral("DECKBUCH.DB"), QStringLiteral("KaterDecktermin"), nr);
    m_deckbuch.table->addCalcField(QStringLiteral("Wurftermin"), FieldType::Date);
    m_deckbuch.table->addLookupField(QStringLiteral("KatzeName"), QStringLiteral("Katze"),
                                     QStringLiteral("CATSTAMM.DB"), nr, QStringLiteral("Name"));
    m_deckbuch.table->onCalcFields = [tage](Table &t) {
        t.setCalcValue(QStringLiteral("Wurftermin"),
                       datumOderNichts(wurftermin(t.value(QStringLiteral("Decktermin")).toDate(), tage())));
    };
    m_schwanger = neuesDetail(QStringLiteral("SCHWANG.DB"), QStringLiteral("KatzeDatum"), nr);
    m_eigenerZusatz = neuesDetail(QStringLiteral("STAMMZUSATZ.DB"), QStringLiteral("TierIdx"), nr);
    m_wurfFehler = neuesDetail(QStringLiteral("STAMMZUSATZ1.DB"), QStringLiteral("Hund"), nr);
    m_rolligkeiten = neuesDetail(QStringLiteral("LAEUFIGKEIT.DB"), QStringLiteral("Katze"), nr);
    m_impfung = neuesDetail(QStringLiteral("IMPFUNG.DB"), QStringLiteral("ImpfungKatze"), nr);
    m_wurmkur = neuesDetail(QStringLiteral("WURMKUR.DB"), QStringLiteral("KatzeDatum"), nr);
    m_arztbesuch = neuesDetail(QStringLiteral("ARZTBES.DB"), QStringLiteral("KatzeDatum"), nr);
    m_krankenblatt = neuesDetail(QStringLiteral("KRBLATT.DB"), QStringLiteral("Krankenblatt"), nr);
    m_gewichtstabelle = neuesDetail(QStringLiteral("GEWICHT.DB"), QStringLiteral("KatzeDatum"), nr);
    // weights are typed in the grid without a question
    m_gewichtstabelle.source->setSaveWithoutAsking(true);
    m_gewichtstabelle.table->addCalcField(QStringLiteral("Alter"), FieldType::String, 15);
    m_gewichtstabelle.table->onCalcFields = [k = m_katze](Table &t) {
        const QDate datum = t.value(QStringLiteral("Datum")).toDate();
        const QDate geb = k->hasRecord() ? k->value(QStringLiteral("GebDatum")).toDate() : QDate();
        t.setCalcValue(QStringLiteral("Alter"), datum.isValid() && geb.isValid()
                                                    ? TDatenGlobal::alterBerechnen(4, QDate(), datum, geb)
                                                    : QString());
    };

    // rows of these books belong to the cat shown, and never to one not yet stored
    const QVector<QPair<Detail, QString>> besitzer = {
        {m_wurfbuch, QStringLiteral("Katze")},        {m_deckbuch, QStringLiteral("Kater")},
        {m_schwanger, QStringLiteral("Katze")},       {m_eigenerZusatz, QStringLiteral("Tier")},
        {m_wurfFehler, QStringLiteral("Hund")},       {m_rolligkeiten, QStringLiteral("Katze")},
        {m_gewichtstabelle, QStringLiteral("Katze")}, {m_impfung, QStringLiteral("Katze")},
        {m_wurmkur, QStringLiteral("Katze")},         {m_arztbesuch, QStringLiteral("Katze")},
        {m_krankenblatt, QStringLiteral("Katze")}};
    for (const auto &[d, feld] : besitzer) {
        d.source->beforePost = [this, feld = feld](Table &t) {
            const int cat = aktuelleKatze();
            if (cat <= 0)
                throw AbortOperation();
            t.setValue(feld, cat);
        };
    }
    for (Table *t : {m_wurfbuch.table, gewichte.table, jungtiere.table, jungtierZusatz.table,
                     m_deckbuch.table, m_schwanger.table, m_eigenerZusatz.table, m_wurfFehler.table,
                     m_rolligkeiten.table, m_gewichtstabelle.table, m_impfung.table, m_wurmkur.table,
                     m_arztbesuch.table, m_krankenblatt.table})
        oeffnen(t);

    ZuchtQuellen q;
    q.db = m_db;
    q.katze = m_src;
    q.wurfbuch = m_wurfbuch.source;
    q.gewichte = m_gewichte = gewichte.source;
    q.jungtiere = m_jungtiere = jungtiere.source;
    q.jungtierZusatz = jungtierZusatz.source;
    q.deckbuch = m_deckbuch.source;
    q.schwanger = m_schwanger.source;
    q.eigenerZusatz = m_eigenerZusatz.source;
    q.wurfFehler = m_wurfFehler.source;
    q.rolligkeiten = m_rolligkeiten.source;
    q.gewichtstabelle = m_gewichtstabelle.source;
    q.impfung = m_impfung.source;
    q.wurmkur = m_wurmkur.source;
    q.arztbesuch = m_arztbesuch.source;
    q.krankenblatt = m_krankenblatt.source;
    return q;
}

void TCatStamm::zuchtSeitenBauen()
{
    const ZuchtQuellen zucht = zuchtTabellenOeffnen();
    const auto katze = [this] { return aktuelleKatze(); };
    m_wurfSeite = new CatRecordLitterPage(zucht, katze, hilfeKnopf(21, nullptr));
    m_pages[SeiteWurfdaten] = m_wurfSeite;
    m_medSeite = new CatRecordHealthPage(zucht, katze, [this] { return hilfeKnopf(15, nullptr); });
    m_pages[SeiteMedDaten] = m_medSeite;
    m_zuchtbuchSeite =
        new CatRecordStudBookPage(zucht, katze, hilfeKnopf(16, nullptr), hilfeKnopf(16, nullptr));
    m_pages[SeiteZuchtbuch] = m_zuchtbuchSeite;
    connect(m_src, &DataSource::recordChanged, this, [this] {
        m_wurfSeite->katzeGewechselt();
        m_zuchtbuchSeite->katzeGewechselt();
        // the pregnancy log is a queen's
        m_medSeite->katzeGewechselt((m_katze->hasRecord() || m_katze->isEditing()) &&
                                    istKatze(m_katze->text(QStringLiteral("Geschlecht"))));
    });
}

} // namespace tav::cats::ui
