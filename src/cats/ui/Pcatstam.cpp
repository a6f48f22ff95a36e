#include "Pcatstam.h"

#include "CatRecordBaseDataPage.h"
#include "CatRecordBreedingValuePage.h"
#include "CatRecordDocumentsPage.h"
#include "CatRecordExtraInfoPage.h"
#include "CatRecordLitterPage.h"
#include "CatRecordParentSummary.h"
#include "CatRecordPedigreePage.h"
#include "CatRecordPicturePage.h"
#include "CatRecordShowsPage.h"
#include "PcatstamIntern.h"
#include "Warnung.h"
#include "app/EngineErrorText.h"
#include "app/Global.h"
#include "app/ProgramHome.h"
#include "app/Sprache.h"
#include "app/Systemi.h"
#include "breeding/InzuchtBerechnung.h"
#include "breeding/StorePedigree.h"
#include "cats/CatNames.h"
#include "cats/Stammdaten.h"
#include "shell/Shell.h"
#include "store/Database.h"
#include "store/EngineError.h"
#include "widgets/DBGrid.h"
#include "widgets/DataControls.h"
#include "widgets/DataSource.h"
#include "widgets/Dialogs.h"
#include "widgets/Nav2.h"
#include "widgets/Translator.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QStringList>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <QVector>

using namespace tav::store;
using namespace tav::app;
using namespace tav::widgets;
using namespace tav::shell;

namespace tav::cats::ui {

namespace {

// Inside a catch block: the failure in the words the command-line tool prints, to the log, since
// the window that could show it is going.
void protokolliereFehler(const QString &tabelle)
{
    try {
        throw;
    } catch (const EngineError &e) {
        for (const QString &zeile : app::errorText(e, e.file().isEmpty() ? tabelle : e.file()))
            qWarning("%s", qPrintable(zeile));
    } catch (const std::exception &e) {
        qWarning("%s: %s", qPrintable(tabelle), e.what());
    } catch (...) {
        qWarning("%s: closing failed", qPrintable(tabelle));
    }
}

QPointer<TCatStamm> g_instance;
} // namespace

const tsysteminfo &einstellungen()
{
    static tsysteminfo defaults;
    const tsysteminfo *s = tsysteminfo::instance();
    return s ? *s : defaults;
}

int sprachNummer()
{
    return sprache().languageNumber();
}

TCatStamm *TCatStamm::instance()
{
    return g_instance;
}

TCatStamm::TCatStamm(Database *db, QWidget *parent)
    : ChildWindow(QStringLiteral("catstamm"), parent), m_db(db)
{
    g_instance = this;
    setHelpContext(11);
    setProperty("tag", TagFenster);
    // 1.
    m_tagTmpNeueKatze = 0;
    // 2. without the settings file the program cannot go on
    if (!QFileInfo::exists(settingsPath())) {
        showMessage(25, MsgIcon::Error, MsgButtons::Ok);
        QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(1); });
    }
    // 3. the English glyphs and the hidden litter registration belong to the main window's
    // language switch; nothing of it lives here.
    // 4. the program entry shows what they find once the start is done
    TFormWarnungen::Warnungen(*m_db);
    // 5.
    tabellenOeffnen();
    seitenBauen();
    new CatRecordParentSummary(m_basis->vaterFeld(), m_basis->mutterFeld(), m_src, m_db, this);
    // 6. positioned on the main list's cat without touching the recent-cats list
    int start = 0;
    if (Shell *mw = Shell::current())
        start = mw->currentListCat();
    if (start > 0 && m_katze->isOpen()) {
        try {
            m_anlass = Anlass::Einstellungen;
            m_katze->locate(QStringLiteral("LaufendeNummer"), start);
        } catch (const EngineError &e) {
            reportDatabaseError(e, QStringLiteral("CATSTAMM.DB"));
        }
    }
    // 7.
    editionLayout();
    // 8.
    m_notebook->setCurrentIndex(SeiteStammdaten);
    finishCreate();
    // 9.
    FensterTierAendern();
    resize(980, 700);
    setFit(Fit::Both);
    TitelKatzeNeu(Anlass::Einstellungen);
    m_anlass = Anlass::Navigation;
}

TCatStamm::~TCatStamm()
{
    // the window's checks and questions run no more: its pages are going
    for (DataSource *s : findChildren<DataSource *>())
        s->detach();
    // the detail tables post what was typed, close and let go of their master before it goes; a
    // damaged table fails here as it failed when it was read, and nothing may leave a destructor
    for (Table *t : std::as_const(m_alle)) {
        if (!t || t == m_katze)
            continue;
        try {
            t->close();
        } catch (...) {
            protokolliereFehler(t->tableName());
        }
        try {
            t->clearMaster();
        } catch (...) {
            protokolliereFehler(t->tableName());
        }
    }
}

// --- tables ---------------------------------------------------------------

Table *TCatStamm::neueTabelle(const QString &file, const QString &index, bool readOnly)
{
    auto *t = new Table(m_db, file, this);
    t->setReadOnly(readOnly);
    if (!index.isEmpty())
        t->setIndexName(index);
    m_alle << t;
    return t;
}

TCatStamm::Detail TCatStamm::neuesDetail(const QString &file, const QString &index,
                                         const QString &masterFields)
{
    Detail d;
    d.table = neueTabelle(file, index);
    d.table->setMaster(m_katze, masterFields);
    d.source = new DataSource(d.table, this);
    return d;
}

// A table that fails to open is reported with its file name; the window opens all the same.
bool TCatStamm::oeffnen(Table *t)
{
    if (!t)
        return false;
    try {
        t->open();
        return true;
    } catch (const std::exception &e) {
        m_fehlend << t->tableName();
        reportDatabaseError(e, t->tableName());
        return false;
    }
}

void TCatStamm::reparieren()
{
    // Tables this window may create: only when the file is missing. An existing file that does
    // not open is reported and left as it is, so that no data is replaced.
    for (const char *name : {"GEWICHT.DB", "LAEUFIGKEIT.DB"}) {
        try {
            m_db->ensureTable(QString::fromLatin1(name));
        } catch (const std::exception &e) {
            reportDatabaseError(e, QString::fromLatin1(name));
        }
    }
    // older litter and mating books lack fields: add the declared ones they lack
    for (const char *name : {"WURFBUCH.DB", "DECKBUCH.DB"}) {
        const QString file = QString::fromLatin1(name);
        try {
            if (!m_db->tableExists(file))
                continue;
            const QStringList missing = m_db->missingFields(file);
            if (missing.isEmpty())
                continue;
            const TableDef *declared = findTableDef(file);
            QVector<FieldDef> add;
            for (const QString &f : missing) {
                if (const FieldDef *fd = declared ? declared->field(f) : nullptr)
                    add << *fd;
            }
            m_db->addFields(file, add);
        } catch (const std::exception &e) {
            reportDatabaseError(e, file);
        }
    }
    // the litter index of the cat table
    try {
        if (m_db->tableExists(QStringLiteral("CATSTAMM.DB"))) {
            const TableDef stored = m_db->storedLayout(QStringLiteral("CATSTAMM.DB"));
            bool found = false;
            for (const IndexDef &i : stored.indexes) {
                if (i.fieldList()
                        .join(QLatin1Char(';'))
                        .compare(QLatin1String("Mutter;GebDatum;Geschlecht"), Qt::CaseInsensitive) == 0)
                    found = true;
            }
            if (!found) {
                IndexDef idx;
                idx.name = QStringLiteral("IdxMutterGebDatum");
                idx.fields = QStringLiteral("Mutter;GebDatum;Geschlecht");
                m_db->addIndex(QStringLiteral("CATSTAMM.DB"), idx);
            }
        }
    } catch (const std::exception &e) {
        reportDatabaseError(e, QStringLiteral("CATSTAMM.DB"));
    }
}

void TCatStamm::tabellenOeffnen()
{
    reparieren();
    const tsysteminfo &s = einstellungen();
    m_katze = neueTabelle(QStringLiteral("CATSTAMM.DB"), s.indexStammdaten);
    m_katze->setObjectName(QStringLiteral("DBCatStamm"));
    m_katze->addCalcField(QStringLiteral("AlterAkt"), FieldType::String, 10);
    m_katze->addCalcField(QStringLiteral("Alter"), FieldType::String, 10);
    m_katze->onCalcFields = [](Table &t) {
        const AlterAnzeige a = alterAnzeigeAm(t.value(QStringLiteral("GebDatum")).toDate(),
                                              t.value(QStringLiteral("Toddatum")).toDate(),
                                              t.intValue(QStringLiteral("Status")), QDate::currentDate());
        t.setCalcValue(QStringLiteral("AlterAkt"), a.alterAkt);
        t.setCalcValue(QStringLiteral("Alter"), a.alter);
    };
    m_src = new DataSource(m_katze, this);
    m_src->setObjectName(QStringLiteral("DataSourceCatStamm"));

    m_adr = neueTabelle(QStringLiteral("ADR_DAT.DB"), QString(), true);
    m_rasse = neueTabelle(QStringLiteral("RASSE.DB"), QStringLiteral("RasseName"), true);
    m_status = neueTabelle(QStringLiteral("STATUS.DB"), QString(), true);
    m_farbe = neueTabelle(QStringLiteral("FARBE.DB"), QStringLiteral("FarbnameIndex"), true);
    m_augen = neueTabelle(QStringLiteral("AUGEN.DB"), QStringLiteral("Augenfarbeidx"), true);
    m_fellart = neueTabelle(QStringLiteral("FELLART.DB"), QString(), true);
    m_farbeGen = neueTabelle(QStringLiteral("FARBEGEN.DB"), QString(), true);
    m_merkmale = neueTabelle(QStringLiteral("MERKMALE.DB"), QStringLiteral("Bezeichnung"), true);
    m_stammbaum = neueTabelle(QStringLiteral("CATSTAMM.DB"), QString(), true);
    for (Table *t : {m_adr, m_rasse, m_status, m_farbe, m_augen, m_fellart, m_farbeGen, m_merkmale})
        oeffnen(t);

    const QString nr = QStringLiteral("LaufendeNummer");
    m_dokumente = neuesDetail(QStringLiteral("DOKUMENTE.DB"), QStringLiteral("IndexKatzeNr"), nr);
    m_ausstellung = neuesDetail(QStringLiteral("KAUSSTEL.DB"), QStringLiteral("KatzeDatum"), nr);
    m_bewertung = neuesDetail(QStringLiteral("BEWERT.DB"), QStringLiteral("KatzeIDX"), nr);
    m_verkauft = neuesDetail(QStringLiteral("VERKAUFT.DB"), QStringLiteral("KatzeIdx"), nr);
    m_bilder = neuesDetail(QStringLiteral("BILDER.DB"), QStringLiteral("IndexKatzeNr"), nr);
    m_katzeMerkmal = neuesDetail(QStringLiteral("KATZEMERKMAL.DB"), QStringLiteral("Katze"), nr);
    m_eigeneInfo = neuesDetail(QStringLiteral("EIGENEINFO.DB"), QStringLiteral("Katze"), nr);
    m_tica = neuesDetail(QStringLiteral("CFATICA.DB"), QStringLiteral("Katze"), nr);
    m_cfa = neuesDetail(QStringLiteral("CFA.DB"), QStringLiteral("Katze"), nr);
    m_zuchtwert = neuesDetail(QStringLiteral("ZUCHTWERT.DB"), QStringLiteral("Hund"), nr);
    m_tica.table->addCalcField(QStringLiteral("Summe"), FieldType::Integer);
    m_tica.table->onCalcFields = [](Table &t) {
        t.setCalcValue(QStringLiteral("Summe"), t.intValue(QStringLiteral("BOC")) +
                                                    t.intValue(QStringLiteral("BOD")) +
                                                    t.intValue(QStringLiteral("Finale")));
    };
    m_zuchtwert.table->addCalcField(QStringLiteral("Summe"), FieldType::Integer);
    m_zuchtwert.table->onCalcFields = [](Table &t) {
        int sum = 0;
        for (const char *f : {"WesenPunkte", "GesundheitPunkte", "ExterieurPunkte", "WeiteresPunkte"})
            sum += t.intValue(QString::fromLatin1(f));
        t.setCalcValue(QStringLiteral("Summe"), sum);
    };
    // detail rows belong to the cat shown
    for (const Detail &d : {m_dokumente, m_ausstellung, m_bewertung, m_verkauft, m_bilder, m_eigeneInfo,
                            m_tica, m_cfa, m_zuchtwert, m_katzeMerkmal}) {
        Table *t = d.table;
        const QString keyField = t->tableName() == QLatin1String("ZUCHTWERT.DB") ? QStringLiteral("Hund")
                                 : (t->tableName() == QLatin1String("BILDER.DB") ||
                                    t->tableName() == QLatin1String("DOKUMENTE.DB"))
                                     ? QStringLiteral("KatzeNr")
                                     : QStringLiteral("Katze");
        d.source->beforePost = [this, keyField](Table &tab) {
            const int cat = aktuelleKatze();
            if (cat <= 0)
                throw AbortOperation(); // a cat not yet stored cannot own rows
            tab.setValue(keyField, cat);
        };
    }
    oeffnen(m_katze);
    oeffnen(m_stammbaum);
    for (const Detail &d : {m_dokumente, m_ausstellung, m_bewertung, m_verkauft, m_bilder, m_katzeMerkmal,
                            m_eigeneInfo, m_tica, m_cfa, m_zuchtwert})
        oeffnen(d.table);

    connect(m_katze, &Table::afterScroll, this, [this] { nachScroll(); });
    connect(m_katze, &Table::afterPost, this, [this] { nachPost(); });
    connect(m_katze, &Table::afterCancel, this, [this] {
        // a new cat given up (No to a question, undo): back to the cat shown before
        if (m_tagTmpNeueKatze == 1 && !m_katze->isEditing()) {
            m_tagTmpNeueKatze = 0;
            // unless the window goes to another cat meanwhile (a found cat, the list, the navigator)
            QTimer::singleShot(0, this, [this, spruenge = m_spruenge] {
                if (spruenge != m_spruenge)
                    return;
                Shell *mw = Shell::current();
                const int zurueck = mw ? mw->tierVorNeuaufnahme() : m_vorherigeKatze;
                if (m_katze->isEditing() || zurueck <= 0 || !zeigeKatze(zurueck))
                    TitelKatzeNeu(Anlass::Einstellungen);
            });
        }
    });
    connect(m_katze, &Table::fieldChanged, this, [this](const QString &f) {
        if (m_inRefresh)
            return;
        if (m_katze->state() == Table::State::Insert)
            m_neueEingabe = true;
        if (f.compare(QLatin1String("Name"), Qt::CaseInsensitive) == 0)
            m_neuerIndex = true;
        else if (m_basis)
            m_basis->feldGeaendert(f);
    });
    connect(m_katze, &Table::stateChanged, this, [this] {
        // the undo button stays usable while a new cat is entered or titles are pending
        if (m_basis && (m_basis->titelEingabe() || m_tagTmpNeueKatze == 1))
            m_basis->rueckgaengigFreigeben();
    });
}

// --- layout -----------------------------------------------------------------

void TCatStamm::seitenBauen()
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    m_notebook = new QTabWidget(this);
    m_notebook->setObjectName(QStringLiteral("TabbedNotebook1"));
    m_notebook->setProperty("tag", TagNotebook);
    layout->addWidget(m_notebook);
    m_pages.resize(10);
    m_pages[SeiteStammdaten] = basisSeiteBauen();
    CatRecordPedigreePage::Fenster stammbaum;
    stammbaum.aktuelleKatze = [this] { return aktuelleKatze(); };
    stammbaum.zeigeKatze = [this](int nr) { return zeigeKatze(nr); };
    stammbaum.seiteZeigen = [this] { showPage(SeiteStammbaum); };
    stammbaum.eintragAnzeigen = [this](const QString &titel) {
        m_basis->speichernZurueckStammbaum(!titel.isEmpty());
        if (!titel.isEmpty())
            setTitel(titel);
        else if (m_katze->state() != Table::State::Insert)
            titelNeu();
    };
    stammbaum.katzeGeaendert = [this] { katzeMelden(true); };
    m_pages[SeiteStammbaum] = new CatRecordPedigreePage(m_db, m_src, stammbaum, hilfeKnopf(12, nullptr));
    m_bildSeite = new CatRecordPicturePage(
        m_src, m_bilder.source, [this] { return aktuelleKatze(); }, hilfeKnopf(13, nullptr));
    connect(m_bildSeite, &CatRecordPicturePage::druckBildGeaendert, this,
            [this](const QString &pfad) { m_basis->druckBildZeigen(pfad); });
    m_pages[SeiteBild] = m_bildSeite;
    auto *zusatz = new CatRecordExtraInfoPage(
        {m_db, m_src, m_katzeMerkmal.source, m_verkauft.source, m_eigeneInfo.source, m_merkmale},
        [this] { return aktuelleKatze(); }, hilfeKnopf(14, nullptr));
    connect(zusatz, &CatRecordExtraInfoPage::merkmaleGeaendert, this, [this] {
        m_basis->merkmaleAnzeigen();
        if (Shell *mw = Shell::current())
            mw->refreshListColours();
    });
    m_pages[SeiteZusatzinfo] = zusatz;
    zuchtSeitenBauen();
    m_ausstellungSeite = new CatRecordShowsPage(
        m_ausstellung.source, m_tica.source, m_cfa.source, m_bewertung.source,
        [this] { return aktuelleKatze(); }, hilfeKnopf(22, nullptr));
    m_pages[SeiteAusstellung] = m_ausstellungSeite;
    m_pages[SeiteDokumente] = new CatRecordDocumentsPage(
        m_dokumente.source, [this] { return aktuelleKatze(); }, hilfeKnopf(1100, nullptr));
    m_pages[SeiteZuchtwert] = new CatRecordBreedingValuePage(m_zuchtwert.source, hilfeKnopf(23, nullptr));
    static const char *const titles[] = {"&Stammdaten",         "Stamm&baum", "B&ild",      "&Zusatzinfo",
                                         "&Wurfdaten/Gewichte", "&Med.Daten", "Z&uchtbuch", "&Ausstellung",
                                         "Dokumente",           "Zuchtwert"};
    for (int i = 0; i < 10; ++i)
        m_notebook->addTab(m_pages[i], QString::fromUtf8(titles[i]));
    connect(m_notebook, &QTabWidget::currentChanged, this, [this] { TabbedNotebook1Click(); });
}

QWidget *TCatStamm::basisSeiteBauen()
{
    // the checks before the post come ahead of every control bound to the cat
    m_check = new PostCheck(this);
    m_check->bind(m_src, QString());
    m_basis = new CatRecordBaseDataPage(
        {m_db, m_src, m_stammbaum, m_rasse, m_status, m_adr, m_farbe, m_augen, m_fellart, m_farbeGen},
        {[this] { return aktuelleKatze(); },
         [this](const QString &feld, const QVariant &wert) { feldStillSetzen(feld, wert); },
         [this](int nr) { return ahnUebernehmen(nr); }},
        hilfeKnopf(11, nullptr));
    connect(m_basis, &CatRecordBaseDataPage::speichernGewuenscht, this, [this] { Speichern(); });
    connect(m_basis, &CatRecordBaseDataPage::rueckgaengigGewuenscht, this, [this] { Rueckgaengig(); });
    connect(m_basis, &CatRecordBaseDataPage::katzeZeigen, this, [this](int nr) {
        m_tagTmpNeueKatze = 0;
        zeigeKatze(nr);
    });
    connect(m_src, &DataSource::stateChanged, this, [this] {
        const bool eingabe = m_src->isEditing() || m_basis->titelEingabe();
        m_basis->knoepfeFreigeben(eingabe, eingabe || m_tagTmpNeueKatze == 1);
    });
    // the navigator moves away from a new cat only after the question (eventFilter)
    navigator()->installEventFilter(this);
    for (int i = 0; i < NavButtonCount; ++i)
        navigator()->button(TNavigateBtn(i))->installEventFilter(this);
    return m_basis;
}

void TCatStamm::editionLayout()
{
    // 1. nine pages
    m_notebook->removeTab(SeiteZuchtwert);
    // 2. the main window's commands of the other edition
    if (Shell *mw = Shell::current()) {
        for (const char *name :
             {"Zwingerregister1", "Genetik1", "Ausstellungsanmeldung1", "Wurfmeldung1", "Ausstellungen1",
              "Gentabelle1", "FarbGencodes1", "AusstellungsanmeldungCFA"}) {
            if (QAction *a = mw->action(QString::fromLatin1(name)))
                a->setVisible(false); // and with it its tool button
        }
        if (QAction *a = mw->action(QStringLiteral("Decknachweis1")))
            a->setVisible(true);
    }
    // 3. traditional judging only
    if (m_ausstellungSeite)
        m_ausstellungSeite->nurTraditionell();
    // 6. no litter size nor litter siblings
    m_wurfSeite->ohneWurfstaerke();
    // 4. and 5. are part of page 0's design: the gene group, the code field and the registry
    // titles hidden, the free titles, tattoo number, coat type and breeding ban shown
    m_basis->editionEinrichten();
}

QWidget *TCatStamm::leereSeite(int helpContext)
{
    auto *w = new QWidget;
    auto *l = new QVBoxLayout(w);
    l->addStretch();
    auto *row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(hilfeKnopf(helpContext, w));
    l->addLayout(row);
    return w;
}

QPushButton *TCatStamm::hilfeKnopf(int context, QWidget *parent)
{
    auto *b = new QPushButton(QStringLiteral("&Hilfe"), parent);
    b->setProperty("tag", TagHilfe);
    connect(b, &QPushButton::clicked, this, [this, context] {
        setHelpContext(context);
        showHelp();
    });
    return b;
}

void TCatStamm::showPage(Seite s)
{
    const int index = m_notebook->indexOf(m_pages.value(int(s)));
    if (index >= 0)
        m_notebook->setCurrentIndex(index);
}

void TCatStamm::FensterTierAendern()
{
    // below 700 pixels of main window height the remark preview gives way
    Shell *mw = Shell::current();
    m_basis->kompaktZeigen(mw && mw->frame()->height() < 700);
}

void TCatStamm::FensterAnpassen()
{
    const tsysteminfo &s = einstellungen();
    Shell *mw = Shell::current();
    if (s.Fenstergroesse && mw)
        fitTo(mw->mdiArea()->viewport()->size());
}

void TCatStamm::resizeEvent(QResizeEvent *e)
{
    ChildWindow::resizeEvent(e);
    if (m_basis && m_bildSeite && !m_bildSeite->bildFuerDruck().isEmpty())
        m_basis->druckBildAnpassen(m_bildSeite->bildFuerDruck());
}

QString TCatStamm::bildFuerDruck() const
{
    return m_bildSeite ? m_bildSeite->bildFuerDruck() : QString();
}

int TCatStamm::deckbuchZeile() const
{
    const Table *t = m_deckbuch.table;
    return t && t->isOpen() && t->hasRecord() ? t->intValue(QStringLiteral("LaufendeNummer")) : 0;
}

int TCatStamm::wurfbuchZeile() const
{
    const Table *t = m_wurfbuch.table;
    return t && t->isOpen() && t->hasRecord() ? t->intValue(QStringLiteral("LaufendeNummer")) : 0;
}

void TCatStamm::wurfbuchNeuLesen()
{
    // the litter first: its weighings and kittens follow it; input still being typed stays
    for (DataSource *s : {m_wurfbuch.source, m_gewichte, m_jungtiere}) {
        if (s && s->isOpen() && !s->isEditing())
            s->refresh();
    }
}

void TCatStamm::bilderLaden()
{
    if (m_bildSeite)
        m_bildSeite->laden();
}

TDBNavigatorSpec *TCatStamm::navigator() const
{
    return m_basis ? m_basis->navigator() : nullptr;
}

void TCatStamm::feldStillSetzen(const QString &feld, const QVariant &wert)
{
    const bool ruhig = m_inRefresh;
    m_inRefresh = true;
    m_src->setFieldValue(feld, wert);
    m_inRefresh = ruhig;
}

} // namespace tav::cats::ui
