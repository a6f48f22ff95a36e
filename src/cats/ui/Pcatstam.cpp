#include "Pcatstam.h"

#include "PcatstamIntern.h"
#include "app/ProgramHome.h"
#include "app/Sprache.h"
#include "app/Systemi.h"
#include "app/global.h"
#include "app/ui/DBGrid.h"
#include "app/ui/DataControls.h"
#include "app/ui/DataSource.h"
#include "app/ui/Dialogs.h"
#include "app/ui/Main.h"
#include "app/ui/Nav2.h"
#include "app/ui/Translator.h"
#include "cats/CatNames.h"
#include "cats/Stammdaten.h"
#include "store/Database.h"
#include "store/EngineError.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

using namespace tav::store;
using namespace tav::app;
using namespace tav::app::ui;

namespace tav::cats::ui {

namespace {
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
    IsLargeFont = logicalDpiX() > 96;
    WurfzahlSpeichern = false;
    tagTmpNeueKatze = 0;
    RasseFarbeLaden = false;
    // 2. without the settings file the program cannot go on
    if (!QFileInfo::exists(settingsPath())) {
        showMessage(25, MsgIcon::Error, MsgButtons::Ok);
        QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(1); });
    }
    // 3. the English glyphs and the hidden litter registration belong to the main window's
    // language switch; nothing of it lives here.
    // 5.
    tabellenOeffnen();
    seitenBauen();
    // 6. positioned on the main list's cat without touching the recent-cats list
    int start = 0;
    if (TMirravel *mw = TMirravel::instance())
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
    TitelKatzeNeu(Anlass::Einstellungen);
    m_anlass = Anlass::Navigation;
}

TCatStamm::~TCatStamm()
{
    // the detail tables let go of their master before it goes
    for (Table *t : std::as_const(m_alle)) {
        if (t && t != m_katze)
            t->clearMaster();
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
        const QDate geb = t.value(QStringLiteral("GebDatum")).toDate();
        const QDate tod = t.value(QStringLiteral("Toddatum")).toDate();
        const int status = t.intValue(QStringLiteral("Status"));
        const QDate ende = alterEnde(tod, status, QDate::currentDate());
        const AlterTeile teile = alterTeile(0, QDate(), ende, geb);
        const AlterAnzeige a =
            alterAnzeige(geb, tod, status, teile.jahre, TDatenGlobal::alterBerechnen(0, QDate(), ende, geb));
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
    Geneingabe = false;

    connect(m_katze, &Table::afterScroll, this, [this] { nachScroll(); });
    connect(m_katze, &Table::afterPost, this, [this] { nachPost(); });
    connect(m_katze, &Table::afterCancel, this, [this] {
        // a new cat given up (No to a question, undo): back to the cat shown before
        if (tagTmpNeueKatze == 1 && !m_katze->isEditing()) {
            tagTmpNeueKatze = 0;
            QTimer::singleShot(0, this, [this] {
                TMirravel *mw = TMirravel::instance();
                const int zurueck = mw ? mw->tmpTiervorNeuaufnahme : m_vorherigeKatze;
                if (m_katze->isEditing() || zurueck <= 0 || !zeigeKatze(zurueck))
                    TitelKatzeNeu(Anlass::Einstellungen);
            });
        }
    });
    connect(m_katze, &Table::fieldChanged, this, [this](const QString &f) {
        if (m_inRefresh)
            return;
        if (f.compare(QLatin1String("Name"), Qt::CaseInsensitive) == 0)
            NeuerIndex = true;
        else if (f.compare(QLatin1String("Rasse"), Qt::CaseInsensitive) == 0 ||
                 f.compare(QLatin1String("FellFarbe"), Qt::CaseInsensitive) == 0) {
            RasseFarbeLaden = false;
            SetRFCodeAnz();
        } else if (f.compare(QLatin1String("Zuchtbuchnummer1"), Qt::CaseInsensitive) == 0) {
            QTimer::singleShot(0, this, [this] { zuchtbuchnummerPruefen(); });
        } else if (f.compare(QLatin1String("GebDatum"), Qt::CaseInsensitive) == 0 ||
                   f.compare(QLatin1String("Toddatum"), Qt::CaseInsensitive) == 0 ||
                   f.compare(QLatin1String("Status"), Qt::CaseInsensitive) == 0) {
            alterAnzeigen();
        }
    });
    connect(m_katze, &Table::stateChanged, this, [this] {
        // the undo button stays usable while a new cat is entered or titles are pending
        if (m_rueckgaengig && (TitelEingabe || tagTmpNeueKatze == 1))
            m_rueckgaengig->setEnabled(true);
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
    m_pages[SeiteStammdaten] = seiteStammdatenBauen();
    m_pages[SeiteStammbaum] = leereSeite(12);
    m_pages[SeiteBild] = seiteBildBauen();
    m_pages[SeiteZusatzinfo] = seiteZusatzinfoBauen();
    m_pages[SeiteWurfdaten] = leereSeite(21);
    m_pages[SeiteMedDaten] = leereSeite(15);
    m_pages[SeiteZuchtbuch] = leereSeite(16);
    m_pages[SeiteAusstellung] = seiteAusstellungBauen();
    m_pages[SeiteDokumente] = seiteDokumenteBauen();
    m_pages[SeiteZuchtwert] = seiteZuchtwertBauen();
    static const char *const titles[] = {"&Stammdaten",         "Stamm&baum", "B&ild",      "&Zusatzinfo",
                                         "&Wurfdaten/Gewichte", "&Med.Daten", "Z&uchtbuch", "&Ausstellung",
                                         "Dokumente",           "Zuchtwert"};
    for (int i = 0; i < 10; ++i)
        m_notebook->addTab(m_pages[i], QString::fromUtf8(titles[i]));
    connect(m_notebook, &QTabWidget::currentChanged, this, [this] { TabbedNotebook1Click(); });
}

void TCatStamm::editionLayout()
{
    // 1. nine pages
    m_notebook->removeTab(SeiteZuchtwert);
    // 2. the main window's commands of the other edition
    if (TMirravel *mw = TMirravel::instance()) {
        for (const char *name :
             {"Zwingerregister1", "Genetik1", "Ausstellungsanmeldung1", "Wurfmeldung1", "Ausstellungen1",
              "Gentabelle1", "FarbGencodes1", "AusstellungsanmeldungCFA"}) {
            if (QAction *a = mw->action(QString::fromLatin1(name)))
                a->setVisible(false);
            if (QToolButton *b = mw->toolButton(QString::fromLatin1(name)))
                b->setVisible(false);
        }
        if (QAction *a = mw->action(QStringLiteral("Decknachweis1")))
            a->setVisible(true);
    }
    // 3. traditional judging only
    if (m_ausstellungTabs) {
        m_ausstellungTabs->setCurrentIndex(0);
        m_ausstellungTabs->hide();
    }
    // 4. and 5. are part of page 0's design: the gene group, the code field and the registry
    // titles hidden, the free titles, tattoo number, coat type and breeding ban shown
    m_genetik->hide();
    m_labelRfCode->hide();
    m_rfCode->hide();
    m_registerTitel->hide();
    m_titelGruppe->show();
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
    const TMirravel *mw = TMirravel::instance();
    const bool kompakt = mw && mw->height() < 700;
    if (m_infoVorschau)
        m_infoVorschau->setVisible(!kompakt && !m_infoVorschau->toPlainText().isEmpty());
}

void TCatStamm::FensterAnpassen()
{
    const tsysteminfo &s = einstellungen();
    TMirravel *mw = TMirravel::instance();
    auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget());
    if (!s.Fenstergroesse || !mw || !sub)
        return;
    const QWidget *client = mw->mdiArea()->viewport();
    sub->resize(qMax(400, client->width() - sub->x()), qMax(300, client->height() - sub->y()));
}

void TCatStamm::resizeEvent(QResizeEvent *e)
{
    ChildWindow::resizeEvent(e);
    if (m_bildSeite0 && !BildFuerDruck.isEmpty())
        BildanGroesseAnpassen(m_bildSeite0, BildFuerDruck, m_bildPanel0, 0, true);
}

// --- record life cycle ----------------------------------------------------

int TCatStamm::aktuelleKatze() const
{
    if (!m_katze || !m_katze->isOpen() || m_katze->state() == Table::State::Insert || !m_katze->hasRecord())
        return 0;
    return m_katze->intValue(QStringLiteral("LaufendeNummer"));
}

bool TCatStamm::pruefenVorPost()
{
    Table &t = *m_katze;
    const TDatenGlobal *g = TDatenGlobal::instance();
    if (t.state() == Table::State::Insert && normalizedName(t.text(QStringLiteral("Name"))).isEmpty()) {
        if (g && g->NeuausStb) {
            showMessage(217, MsgIcon::Information, MsgButtons::Ok);
            showPage(SeiteStammdaten);
            return false;
        }
        if (showMessage(148, MsgIcon::Warning, MsgButtons::YesNo) == QMessageBox::Yes) {
            t.cancel();
            tagTmpNeueKatze = 0;
        } else {
            showPage(SeiteStammdaten);
            m_name->setFocus();
        }
        return false;
    }
    if (t.text(QStringLiteral("Geschlecht")).trimmed().isEmpty()) {
        if (showMessage(169, MsgIcon::Warning, MsgButtons::YesNo) == QMessageBox::Yes) {
            t.cancel();
            tagTmpNeueKatze = 0;
        }
        return false;
    }
    return true;
}

bool TCatStamm::posten()
{
    if (!m_src->isEditing())
        return true;
    return m_src->save();
}

void TCatStamm::nachPost()
{
    tagTmpNeueKatze = 0;
    const int nr = aktuelleKatze();
    const bool neuerIndex = NeuerIndex;
    NeuerIndex = false;
    if (TMirravel *mw = TMirravel::instance()) {
        if (neuerIndex)
            hauptlisteAktualisieren(nr);
        mw->updateCatCount();
    }
}

void TCatStamm::hauptlisteAktualisieren(int nr)
{
    TMirravel *mw = TMirravel::instance();
    if (!mw || !mw->catTable() || !mw->catTable()->isOpen())
        return;
    try {
        mw->catTable()->refresh();
    } catch (const EngineError &e) {
        reportDatabaseError(e, QStringLiteral("CATSTAMM.DB"));
        return;
    }
    if (mw->catList() && mw->catList()->tableModel())
        mw->catList()->tableModel()->reload();
    mw->positionListOn(nr);
}

void TCatStamm::vorScroll()
{
    Geneingabe = false;
    // a new cat is not stored by moving away from it
    if (m_katze->state() == Table::State::Insert) {
        m_katze->cancel();
        tagTmpNeueKatze = 0;
    }
    if (m_vater)
        m_vater->clear();
    if (m_mutter)
        m_mutter->clear();
}

void TCatStamm::nachScroll()
{
    if (!m_notebook)
        return;
    neuesTier = true;
    Geneingabe = true;
    const Anlass anlass = m_anlass;
    m_anlass = Anlass::Navigation;
    bilderLaden();
    TitelKatzeNeu(anlass);
    bemerkungVorschau();
}

void TCatStamm::KatzeNeu()
{
    TDatenGlobal *g = TDatenGlobal::instance();
    if (g && g->NeuausStb) {
        showText(messageText(223) + QLatin1Char(' ') + messageText(224), MsgIcon::Information,
                 MsgButtons::Ok);
        return;
    }
    if (!m_katze->isOpen())
        return;
    if (m_src->isEditing() && !posten())
        return;
    showPage(SeiteStammdaten);
    const int vorher = aktuelleKatze();
    if (TMirravel *mw = TMirravel::instance())
        mw->tmpTiervorNeuaufnahme = vorher;
    m_vorherigeKatze = vorher;
    if (!m_src->append())
        return;
    setTitel(messageText(14));
    const tsysteminfo &s = einstellungen();
    m_inRefresh = true;
    m_src->setFieldValue(QStringLiteral("AndereRegistrierung"), false);
    if (!s.FarbeStandardeinstellung.isEmpty())
        m_src->setFieldValue(QStringLiteral("FellFarbe"), s.FarbeStandardeinstellung);
    if (s.RasseStandardeinstellung > 0)
        m_src->setFieldValue(QStringLiteral("Rasse"), s.RasseStandardeinstellung);
    if (s.HaarartStandardeinstellung > 0)
        m_src->setFieldValue(QStringLiteral("Fellart"), s.HaarartStandardeinstellung);
    m_src->setFieldValue(QStringLiteral("Status"), 2);
    m_inRefresh = false;
    RasseFarbeLaden = false;
    SetRFCodeAnz();
    for (QPlainTextEdit *m : {m_zuechterMemo, m_besitzerMemo, m_merkmaleMemo, m_rasseProzent})
        m->clear();
    for (QLineEdit *e : {m_ik, m_avk, m_vater, m_mutter})
        e->clear();
    for (QCheckBox *b : std::as_const(m_titelBoxen))
        b->setChecked(false);
    m_name->setStyleSheet(QString());
    bilderLaden();
    alterAnzeigen();
    tagTmpNeueKatze = 1;
    NeuerIndex = true;
    m_rueckgaengig->setEnabled(true);
    m_speichern->setEnabled(true);
    m_name->setFocus();
}

void TCatStamm::KatzeKopieren()
{
    if (!m_katze->isOpen() || !m_katze->hasRecord())
        return;
    if (m_src->isEditing() && !posten())
        return;
    showPage(SeiteStammdaten);
    if (!m_katze->text(QStringLiteral("IDCode")).trimmed().isEmpty()) {
        showMessage(142, MsgIcon::Information, MsgButtons::Ok);
        return;
    }
    static const char *const felder[] = {"Geschlecht", "GebDatum", "FellFarbe", "Augenfarbe", "Vater",
                                         "Mutter",     "Züchter",  "Besitzer",  "Name",       "Zwinger",
                                         "Rasse",      "Status",   "Wurfzahl",  "TaetoNr",    "Fellart"};
    QVariantMap kopie;
    for (const char *f : felder)
        kopie.insert(QString::fromUtf8(f), m_katze->value(QString::fromUtf8(f)));
    const int vorher = aktuelleKatze();
    if (TMirravel *mw = TMirravel::instance())
        mw->tmpTiervorNeuaufnahme = vorher;
    m_vorherigeKatze = vorher;
    if (!m_src->append())
        return;
    m_inRefresh = true;
    for (auto it = kopie.cbegin(); it != kopie.cend(); ++it) {
        if (it.value().isNull())
            continue;
        QVariant v = it.value();
        if (it.key() == QLatin1String("Name"))
            v = v.toString() + (sprachNummer() == 1 ? QStringLiteral(" Copy") : QStringLiteral(" Kopie"));
        m_src->setFieldValue(it.key(), v);
    }
    m_src->setFieldValue(QStringLiteral("AndereRegistrierung"), false);
    m_inRefresh = false;
    elternAnzeigen();
    setTitel(messageText(14));
    tagTmpNeueKatze = 1;
    NeuerIndex = true;
    m_speichern->setEnabled(true);
    m_rueckgaengig->setEnabled(true);
    m_name->setFocus();
}

bool TCatStamm::Speichern()
{
    // the refresh after the post ticks the stored titles: the pending ticks are kept over it
    const bool titel = TitelEingabe;
    QVector<bool> haken;
    for (QCheckBox *b : std::as_const(m_titelBoxen))
        haken << b->isChecked();
    bool ok = true;
    if (m_src->isEditing())
        ok = posten();
    if (ok && titel) {
        for (int i = 0; i < m_titelBoxen.size() && i < haken.size(); ++i)
            m_titelBoxen[i]->setChecked(haken[i]);
        TitelEingabe = true;
        ok = Titelspeichern();
        TitelEintragen();
    }
    m_speichern->setEnabled(m_src->isEditing());
    m_rueckgaengig->setEnabled(m_src->isEditing() || tagTmpNeueKatze == 1);
    return ok;
}

void TCatStamm::Rueckgaengig()
{
    const bool neu = tagTmpNeueKatze == 1;
    tagTmpNeueKatze = 0;
    m_src->undo();
    TitelEintragen();
    TitelEingabe = false;
    m_speichern->setEnabled(false);
    m_rueckgaengig->setEnabled(false);
    if (TDatenGlobal *g = TDatenGlobal::instance())
        g->NeuausStb = false;
    if (neu) {
        TMirravel *mw = TMirravel::instance();
        const int zurueck = mw ? mw->tmpTiervorNeuaufnahme : m_vorherigeKatze;
        if (zurueck <= 0 || !zeigeKatze(zurueck))
            TitelKatzeNeu(Anlass::Navigation);
    } else {
        TitelKatzeNeu(Anlass::Einstellungen);
    }
}

bool TCatStamm::zeigeKatze(int nr)
{
    if (nr <= 0 || !m_katze->isOpen())
        return false;
    if (m_katze->state() == Table::State::Insert) {
        m_katze->cancel();
        tagTmpNeueKatze = 0;
    }
    if (m_src->isEditing() && !posten())
        return false;
    vorScroll();
    bool found = false;
    try {
        m_anlass = Anlass::Hauptfenster;
        found = m_katze->locate(QStringLiteral("LaufendeNummer"), nr);
    } catch (const EngineError &e) {
        reportDatabaseError(e, QStringLiteral("CATSTAMM.DB"));
    }
    m_anlass = Anlass::Navigation;
    if (auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget()); sub && sub->mdiArea())
        sub->mdiArea()->setActiveSubWindow(sub);
    return found;
}

bool TCatStamm::KatzeLoeschen()
{
    TDatenGlobal *g = TDatenGlobal::instance();
    if (g && g->NeuausStb) {
        showText(messageText(223) + QLatin1Char(' ') + messageText(224), MsgIcon::Information,
                 MsgButtons::Ok);
        return false;
    }
    if (m_katze->state() == Table::State::Insert) {
        Rueckgaengig();
        return false;
    }
    if (!m_katze->hasRecord())
        return false;
    const QString name = m_katze->text(QStringLiteral("Name"));
    if (showText(QStringLiteral("<<") + name + QStringLiteral(">>\r") + messageText(15), MsgIcon::Warning,
                 MsgButtons::YesNo) != QMessageBox::Yes)
        return false;
    m_src->undo();
    try {
        m_katze->remove();
    } catch (const EngineError &e) {
        reportDatabaseError(e, QStringLiteral("CATSTAMM.DB"));
        return false;
    }
    hauptlisteAktualisieren(aktuelleKatze());
    if (TMirravel *mw = TMirravel::instance())
        mw->updateCatCount();
    TitelKatzeNeu(Anlass::Navigation);
    return true;
}

void TCatStamm::TabbedNotebook1Click()
{
    QWidget *shown = m_notebook->currentWidget();
    if (shown != m_pages[SeiteStammdaten]) {
        if ((m_src->isEditing() || TitelEingabe) && !Speichern() && m_src->isEditing()) {
            // the input stays; page 0 shows it
            QTimer::singleShot(0, this, [this] { showPage(SeiteStammdaten); });
            return;
        }
    }
    if (shown == m_pages[SeiteBild] && ZaehlerBilder > 0)
        bildWaehlen(qMax(1, aktBild));
}

void TCatStamm::activated()
{
    TabbedNotebook1Click();
}

void TCatStamm::closeEvent(QCloseEvent *e)
{
    if ((m_src->isEditing() || TitelEingabe) && !Speichern() && m_src->isEditing()) {
        e->ignore();
        return;
    }
    for (const Detail &d : {m_dokumente, m_ausstellung, m_bewertung, m_verkauft, m_bilder, m_katzeMerkmal,
                            m_eigeneInfo, m_tica, m_cfa, m_zuchtwert}) {
        if (d.source->isEditing() && !d.source->save()) {
            e->ignore();
            return;
        }
    }
    Geneingabe = false;
    ChildWindow::closeEvent(e);
}

bool TCatStamm::eventFilter(QObject *watched, QEvent *e)
{
    // the navigator moves away from a new cat without storing it
    if ((e->type() == QEvent::MouseButtonPress || e->type() == QEvent::KeyPress) && m_nav &&
        (watched == m_nav || qobject_cast<TNavButton *>(watched))) {
        if (m_katze->state() == Table::State::Insert)
            vorScroll();
        else
            Geneingabe = false;
    }
    if (watched == m_name && e->type() == QEvent::FocusOut)
        DBNameNeu();
    if (e->type() == QEvent::KeyPress) {
        auto *k = static_cast<QKeyEvent *>(e);
        if (watched == m_fellartCombo && k->key() == Qt::Key_Delete) {
            m_src->setFieldValue(QStringLiteral("Fellart"), QVariant());
            return true;
        }
        if (watched == m_genoTyp && k->key() == Qt::Key_Delete && (k->modifiers() & Qt::ControlModifier)) {
            for (const char *f : {"GenoTyp", "Gencode", "Agouti", "Verduennung"})
                m_src->setFieldValue(QString::fromLatin1(f), QVariant());
            return true;
        }
    }
    return ChildWindow::eventFilter(watched, e);
}

void TCatStamm::setTitel(const QString &text)
{
    setWindowTitle(text);
    if (auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget()))
        sub->setWindowTitle(text);
}

// --- refresh ----------------------------------------------------------------

void TCatStamm::TitelKatzeNeu(Anlass anlass)
{
    if (!m_notebook || !m_katze->isOpen())
        return;
    m_inRefresh = true;
    elternAnzeigen();
    merkmaleAnzeigen();
    TitelEintragen();
    const bool hatKatze = m_katze->hasRecord() || m_katze->state() == Table::State::Insert;
    if (m_katze->state() != Table::State::Insert) {
        setTitel(hatKatze ? katzeUeberschrift(m_name->text(), m_geb->text(), m_farbeCombo->currentText())
                          : QString());
    }
    adressenAnzeigen();
    RasseFarbeLaden = false;
    SetRFCodeAnz();
    alterAnzeigen();
    if (!m_src->isEditing()) {
        m_speichern->setEnabled(false);
        m_rueckgaengig->setEnabled(false);
    }
    // the coefficients come from the inbreeding calculation; without it the breed stands alone
    for (QLineEdit *e : {m_ik, m_avk})
        e->clear();
    m_rasseProzent->clear();
    const int rasse = hatKatze ? m_katze->intValue(QStringLiteral("Rasse")) : 0;
    if (rasse > 0 && m_rasse->isOpen()) {
        try {
            if (m_rasse->locate(QStringLiteral("RCode"), rasse)) {
                const QString kurz = m_rasse->text(QStringLiteral("RKurzname"));
                if (!kurz.isEmpty())
                    m_rasseProzent->setPlainText(QStringLiteral("100% ") + kurz);
            }
        } catch (const EngineError &) {
        }
    }
    m_inRefresh = false;
    const int nr = aktuelleKatze();
    TMirravel *mw = TMirravel::instance();
    if (mw && nr > 0) {
        if (anlass == Anlass::Navigation || anlass == Anlass::Hauptfenster)
            mw->addRecentCat(m_katze->text(QStringLiteral("Name")), nr);
        if ((anlass == Anlass::Navigation || anlass == Anlass::Hauptfenster) && mw->currentListCat() != nr)
            mw->positionListOn(nr);
    }
}

// --- registration ------------------------------------------------------------

void registerCatStamm()
{
    TMirravel::registerWindow(QStringLiteral("catstamm"), [](TMirravel &mw) -> QWidget * {
        if (TCatStamm *w = TCatStamm::instance())
            return w;
        auto *w = new TCatStamm(defaultDatabase());
        mw.addChild(w);
        w->FensterAnpassen();
        return w;
    });
    auto fenster = []() -> TCatStamm * {
        if (TCatStamm *w = TCatStamm::instance())
            return w;
        TMirravel *mw = TMirravel::instance();
        if (!mw)
            return nullptr;
        return qobject_cast<TCatStamm *>(TMirravel::windowFactory(QStringLiteral("catstamm"))(*mw));
    };
    // the search belongs to the search dialog: an entry set there stays
    TMirravel::CatRecordHooks h = TMirravel::catRecordHooks();
    h.katzeNeu = [fenster] {
        if (TCatStamm *w = fenster())
            w->KatzeNeu();
    };
    h.katzeNewausStb = [fenster] {
        TCatStamm *w = fenster();
        TDatenGlobal *g = TDatenGlobal::instance();
        if (!w)
            return;
        w->KatzeNeu();
        if (g && w->DBCatStamm()->state() == Table::State::Insert) {
            g->NeuausStb = true;
            if (g->VMZeiger == QLatin1Char('M'))
                w->DataSourceCatStamm()->setFieldValue(QStringLiteral("Geschlecht"), QStringLiteral("2"));
            else if (g->VMZeiger == QLatin1Char('V'))
                w->DataSourceCatStamm()->setFieldValue(QStringLiteral("Geschlecht"), QStringLiteral("1"));
        }
    };
    h.katzeKopieren = [fenster] {
        if (TCatStamm *w = fenster())
            w->KatzeKopieren();
    };
    h.katzeSpeichern = [fenster] {
        if (TCatStamm *w = fenster())
            w->Speichern();
    };
    h.zeigeKatze = [fenster](int nr) {
        if (TCatStamm *w = fenster())
            w->zeigeKatze(nr);
    };
    h.refresh = [fenster] {
        TCatStamm *w = fenster();
        TMirravel *mw = TMirravel::instance();
        if (!w || !mw)
            return;
        w->DataSourceCatStamm()->undo();
        try {
            w->DBCatStamm()->refresh();
        } catch (const EngineError &e) {
            reportDatabaseError(e, QStringLiteral("CATSTAMM.DB"));
        }
        const int nr = mw->currentListCat();
        if (nr > 0)
            w->zeigeKatze(nr);
        else
            w->TitelKatzeNeu();
    };
    TMirravel::setCatRecordHooks(h);
}

} // namespace tav::cats::ui
