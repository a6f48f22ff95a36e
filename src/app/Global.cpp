#include "Global.h"

#include "Sprache.h"
#include "Systemi.h"

#include "store/Namen_office.h"
#include "store/Namen_reference.h"
#include "store/Namen_register.h"
#include "store/Query.h"
#include "store/TableDef.h"

#include <QDebug>

using namespace tav::store::namen;

namespace tav::app {

using tav::store::EngineError;
using tav::store::IndexDef;
using tav::store::Query;
using tav::store::Table;

namespace {
TDatenGlobal *g_instance = nullptr;

const tsysteminfo &standardEinstellungen()
{
    static const tsysteminfo *s = [] {
        auto *t = new tsysteminfo;
        t->StammbaumSortierungAnzeige();
        t->StammbaumSortierungDrucken();
        t->VerpaarungSortierungAnzeige();
        return t;
    }();
    return *s;
}
} // namespace

// --- ages ---------------------------------------------------------------------

AlterTeile alterTeile(int art, const QDate &tod, const QDate &bis, const QDate &von)
{
    AlterTeile a;
    QDate ende = bis;
    if (tod.isValid() && ende.isValid() && tod < ende)
        ende = tod;
    if (!von.isValid() || !ende.isValid())
        return a;
    a.leer = false;
    if (von >= ende)
        return a;
    if (art == 4) {
        const qint64 d = von.daysTo(ende);
        if (d > 6 && d <= 150) {
            a.wochen = int(d / 7);
            a.tage = int(d % 7);
            return a;
        }
    }
    int vonJahr = von.year(), vonMonat = von.month();
    if (ende.day() < von.day()) {
        a.tage = QDate(vonJahr, vonMonat, 1).daysInMonth() - von.day() + ende.day();
        if (++vonMonat > 12) {
            vonMonat = 1;
            ++vonJahr;
        }
    } else {
        a.tage = ende.day() - von.day();
    }
    if (ende.month() < vonMonat) {
        ++vonJahr;
        a.monate = ende.month() - vonMonat + 12;
    } else {
        a.monate = ende.month() - vonMonat;
    }
    a.jahre = ende.year() - vonJahr;
    if (a.monate == 0 || art == 0) {
        a.wochen = a.tage / 7;
        a.tage %= 7;
    }
    return a;
}

QString alterText(int art, const AlterTeile &t, const std::function<QString(int tag)> &caption)
{
    if (t.leer)
        return QString();
    auto wort = [](int n, const QString &plural, const QString &einzahl) {
        return QStringLiteral("%1 %2").arg(n).arg(n == 1 && !einzahl.isEmpty() ? einzahl : plural);
    };
    const auto jahre = [&](int n) { return wort(n, caption(1485), caption(9960)); };
    const auto monate = [&](int n) { return wort(n, caption(1486), caption(9961)); };
    const auto tage = [&](int n) { return wort(n, caption(1487), caption(9962)); };
    const auto wochen = [&](int n) { return wort(n, caption(1488), caption(9963)); };
    const QLatin1Char blank(' ');
    if (t.jahre > 0)
        return jahre(t.jahre) + blank + monate(t.monate);
    if (t.monate == 0)
        return wochen(t.wochen) + blank + tage(t.tage);
    if (art != 0)
        return monate(t.monate) + blank + tage(t.tage);
    return monate(t.monate) + blank + wochen(t.wochen);
}

QString TDatenGlobal::alterBerechnen(int art, const QDate &tod, const QDate &bis, const QDate &von)
{
    return alterText(art, alterTeile(art, tod, bis, von), [](int tag) { return sprache().caption(tag); });
}

QString htmlFarbe(int farbe)
{
    const int rot = farbe & 0xff, gruen = (farbe >> 8) & 0xff, blau = (farbe >> 16) & 0xff;
    return QStringLiteral("#%1%2%3")
        .arg(rot, 2, 16, QLatin1Char('0'))
        .arg(gruen, 2, 16, QLatin1Char('0'))
        .arg(blau, 2, 16, QLatin1Char('0'))
        .toUpper();
}

QString htmlText(const QString &text)
{
    QString s = text;
    s.replace(QLatin1Char('&'), QLatin1String("&amp;"));
    s.replace(QLatin1Char('<'), QLatin1String("&lt;"));
    s.replace(QLatin1Char('>'), QLatin1String("&gt;"));
    s.replace(QLatin1Char('"'), QLatin1String("&quot;"));
    return s;
}

QString datumText(const QDate &date)
{
    return date.isValid() ? date.toString(QStringLiteral("dd.MM.yyyy")) : QString();
}

// --- the module ---------------------------------------------------------------

TDatenGlobal::TDatenGlobal(tav::store::Database *db, QObject *parent) : QObject(parent), m_db(db)
{
    auto view = [this](const QString &table) {
        auto *t = new Table(m_db, table, this);
        t->setReadOnly(true);
        return t;
    };
    dbKatze = view(catstamm::Datei);
    dbKatze->setIndexFieldNames(catstamm::LaufendeNummer);
    dbKatze->addLookupField(QStringLiteral("FellartAnzeige"), QStringLiteral("Fellart"), fellart::Datei,
                            QStringLiteral("LaufendeNummer"), QStringLiteral("Bezeichnung"));
    dbKatze->addLookupField(QStringLiteral("gekauft"), QStringLiteral("LaufendeNummer"), verkauft::Datei,
                            QStringLiteral("Katze"), QStringLiteral("Gekauftam"));
    dbKatze->addLookupField(QStringLiteral("verkauft"), QStringLiteral("LaufendeNummer"), verkauft::Datei,
                            QStringLiteral("Katze"), QStringLiteral("Verkauftam"));

    dbKatzeTitel = view(catstamm::Datei);
    dbTitelHund = view(titelhund::Datei);
    dbTitelHund->setIndexFieldNames(titelhund::Hund);
    dbTitelHund->setMaster(dbKatzeTitel, QStringLiteral("LaufendeNummer"));
    dbTitelHund->addLookupField(QStringLiteral("Kuerzel"), QStringLiteral("Titel"), titelbez::Datei,
                                QStringLiteral("LaufendeNummer"), QStringLiteral("Kuerzel"));
    dbTitelName = view(titelbez::Datei);

    dbFarbe = view(farbe::Datei);
    dbFarbe->setIndexName(farbe::idx::FarbnameIndex);
    dbRasse = view(rasse::Datei);
    dbAugen = view(augen::Datei);
    dbAugen->setIndexName(augen::idx::Augenfarbeidx);
    dbBewertung = view(bewert::Datei);
    dbBewertung->setIndexFieldNames(bewert::Katze);

    dbKatzeMerkmal = view(katzemerkmal::Datei);
    dbKatzeMerkmal->setIndexName(katzemerkmal::idx::Katze);
    dbKatzeMerkmal->setMaster(dbKatze, QStringLiteral("LaufendeNummer"));
    const QStringList merkmalFelder = {QStringLiteral("Kuerzel"), QStringLiteral("Bezeichnung"),
                                       QStringLiteral("farbe")};
    const QStringList merkmalNamen = {QStringLiteral("Kuerzel"), QStringLiteral("MerkmalLookup"),
                                      QStringLiteral("Farbe")};
    for (int i = 0; i < merkmalNamen.size(); ++i)
        dbKatzeMerkmal->addLookupField(merkmalNamen[i], QStringLiteral("Merkmal"), merkmale::Datei,
                                       QStringLiteral("LaufendeNummer"), merkmalFelder[i]);
    dbMerkmale = view(merkmale::Datei);
    dbMerkmale->setIndexName(merkmale::idx::Bezeichnung);

    dbAdrDat = view(adr_dat::Datei);
    dbAdrDat->addCalcField(QStringLiteral("Anzeige"), tav::store::FieldType::String, 82);
    dbAdrDat->onCalcFields = [](Table &t) {
        const QString vorname = t.text(adr_dat::Vorname);
        t.setCalcValue(QStringLiteral("Anzeige"),
                       vorname.isEmpty() ? t.text(QStringLiteral("Name"))
                                         : vorname + QLatin1Char(' ') + t.text(QStringLiteral("Name")));
    };
    TableFellart = view(fellart::Datei);
    dbGekVerk = view(verkauft::Datei);
    DBBild = view(bilder::Datei);
    DBBild->setIndexFieldNames(bilder::KatzeNr);
    DBBild->setMaster(dbKatze, QStringLiteral("LaufendeNummer"));
    DBFarbeGen = view(farbegen::Datei);
    dbTMP = new Table(m_db, QString(), this);

    g_instance = this;
}

TDatenGlobal::~TDatenGlobal()
{
    Dateienschliessen();
    if (g_instance == this)
        g_instance = nullptr;
}

TDatenGlobal *TDatenGlobal::instance()
{
    return g_instance;
}

const tsysteminfo &TDatenGlobal::einstellungen() const
{
    if (m_settings)
        return *m_settings;
    if (const tsysteminfo *s = tsysteminfo::instance())
        return *s;
    return standardEinstellungen();
}

void TDatenGlobal::melden(const EngineError &e, const QString &tableName)
{
    if (onFehler)
        onFehler(e, tableName);
    else
        qWarning().noquote() << tableName << e.message();
}

void TDatenGlobal::Dateienschliessen()
{
    // details first, so that no link follows a master that is closing
    for (Table *t :
         {dbTitelHund, dbKatzeMerkmal, DBBild, dbKatze, dbKatzeTitel, dbTitelName, dbFarbe, dbRasse, dbAugen,
          dbBewertung, dbMerkmale, dbAdrDat, TableFellart, dbGekVerk, DBFarbeGen, dbTMP})
        t->close();
    m_eigen.reset();
}

void TDatenGlobal::Dateienoeffnen()
{
    Dateienschliessen();
    for (Table *t : {dbKatze, dbKatzeTitel, dbFarbe, dbRasse, dbAugen, DBBild, dbBewertung, dbGekVerk,
                     dbKatzeMerkmal, dbMerkmale, dbAdrDat, TableFellart, dbTitelName, dbTitelHund})
        oeffnen(t);
}

bool TDatenGlobal::oeffnen(Table *view)
{
    const QString name = view->tableName();
    try {
        view->open();
    } catch (const EngineError &e) {
        try {
            if (view == dbBewertung && !m_db->tableExists(name)) {
                m_db->createTable(name);
                view->open();
            } else if (view == dbRasse && m_db->tableExists(name) &&
                       m_db->missingFields(name).contains(QStringLiteral("Haarart"), Qt::CaseInsensitive)) {
                rasseUpgrade();
            } else {
                melden(e, name);
                return false;
            }
        } catch (const EngineError &upgradeError) {
            view->close();
            melden(upgradeError, name);
            return false;
        }
    }
    if (view == dbRasse)
        indexSicherstellen(view, QStringLiteral("RKurznameRCode"), QStringLiteral("RKurzname;Rcode"));
    else if (view == dbFarbe)
        indexSicherstellen(view, QStringLiteral("FarbnummerLaufendeNummer"),
                           QStringLiteral("Farbnummer;LaufendeNummer"));
    return view->isOpen();
}

void TDatenGlobal::rasseUpgrade()
{
    QString sql;
    for (const tav::store::TableUpgrade &u : tav::store::allTableUpgrades()) {
        if (u.fileName.compare(rasse::Datei, Qt::CaseInsensitive) == 0)
            sql = u.alterSql;
    }
    Query q(m_db, sql);
    q.exec();
    dbRasse->open();
    HaarartErgaenzen();
    dbRasse->refresh();
}

void TDatenGlobal::indexSicherstellen(Table *view, const QString &name, const QString &fields)
{
    const tav::store::TableDef &layout = view->layout();
    if (layout.indexes.isEmpty() || layout.indexForFields(fields))
        return;
    const QString table = view->tableName();
    view->close();
    try {
        IndexDef idx;
        idx.name = name;
        idx.fields = fields;
        m_db->addIndex(table, idx);
    } catch (const EngineError &e) {
        melden(e, table);
    }
    try {
        view->open();
    } catch (const EngineError &e) {
        melden(e, table);
    }
}

// --- hair marks of the breeds -------------------------------------------------

void TDatenGlobal::HaarartErgaenzen()
{
    const QString quelle = rasseergaenzen::Datei;
    std::unique_ptr<Table> ergaenzen;
    if (m_db->tableExists(quelle)) {
        ergaenzen = std::make_unique<Table>(m_db, quelle);
        ergaenzen->setReadOnly(true);
        ergaenzen->setIndexName(QStringLiteral("RasseName"));
        try {
            ergaenzen->open();
        } catch (const EngineError &e) {
            melden(e, quelle);
            ergaenzen.reset();
        }
    }

    static const QStringList lang = {QStringLiteral("langhaar"), QStringLiteral("longhair"),
                                     QStringLiteral("long-hair")};
    static const QStringList kurz = {QStringLiteral("kurzhaar"), QStringLiteral("shorthair"),
                                     QStringLiteral("short-hair")};
    auto enthaelt = [](const QString &text, const QStringList &woerter) {
        for (const QString &w : woerter) {
            if (text.contains(w))
                return true;
        }
        return false;
    };

    Table rasse(m_db, rasse::Datei);
    rasse.open();
    for (rasse.first(); !rasse.eof(); rasse.next()) {
        const QString name = rasse.text(rasse::RName);
        if (ergaenzen && !name.isEmpty() && ergaenzen->findKey({name})) {
            rasse.edit();
            for (const char *feld : {"Haarart", "Haarlos", "Faltohr"})
                rasse.setValue(QString::fromLatin1(feld), ergaenzen->value(QString::fromLatin1(feld)));
            rasse.post();
            continue;
        }
        const QString klein = name.toLower();
        QString haarart;
        if (enthaelt(klein, lang))
            haarart = QStringLiteral("1");
        else if (enthaelt(klein, kurz))
            haarart = QStringLiteral("2");
        if (haarart.isEmpty())
            continue;
        rasse.edit();
        rasse.setValue(rasse::Haarart, haarart);
        rasse.post();
    }
}

// --- titles -------------------------------------------------------------------

QString TDatenGlobal::GetTitel(int tier)
{
    if (tier <= 0 || !dbKatzeTitel->isOpen() || !dbTitelHund->isOpen())
        return QString();
    if (!dbKatzeTitel->findKey({tier}))
        return QString();
    QString titel;
    for (dbTitelHund->first(); !dbTitelHund->eof(); dbTitelHund->next()) {
        const QString kuerzel = dbTitelHund->text(QStringLiteral("Kuerzel"));
        if (!kuerzel.isEmpty())
            titel += kuerzel + QLatin1Char('/');
    }
    titel.chop(1);
    return titel;
}

} // namespace tav::app
