#include "OnlineDBInterface.h"

#include "app/Anwenderdaten.h"
#include "app/IniFile.h"
#include "app/Sprache.h"
#include "app/Systemi.h"
#include "app/Weblinks.h"
#include "maintenance/Indexerstellung.h"
#include "online/OnlineUpload.h"
#include "shell/Shell.h"
#include "store/Database.h"
#include "store/Table.h"
#include "widgets/DBGrid.h"
#include "widgets/DataSource.h"
#include "widgets/Dialogs.h"

#include "maintenance/ui/SuchenErsetzen.h"
#include "online/FtpUpload.h"
#include "online/ui/FortschrittAbbrechen.h"
#include "online/ui/HintergrundSenden.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QSize>
#include <QStringList>
#include <QStyledItemDelegate>
#include <QVBoxLayout>
#include <QVector>
#include <memory>

namespace tav::online::ui {

using store::Table;
using widgets::MsgButtons;
using widgets::MsgIcon;

namespace {

QPointer<TFormOnlineDBInterface> g_instance;

constexpr int HilfeUpload = 199, HilfeTabelle = 193, HilfeCsv = 198;

// Cells the user cannot change keep the colour of a button face.
class FestDelegate : public QStyledItemDelegate
{
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

  protected:
    void initStyleOption(QStyleOptionViewItem *o, const QModelIndex &i) const override
    {
        QStyledItemDelegate::initStyleOption(o, i);
        o->backgroundBrush = o->palette.button();
    }
};

// the index each sortable column orders by ("" is the primary index)
const QHash<QString, QString> &sortIndex()
{
    static const QHash<QString, QString> h = {
        {"LaufendeNummer", ""},    {"Name", "Nameidx"},
        {"Zwinger", "ZwinName"},   {"GebDatum", "GebDatum"},
        {"RasseAnz", "RasseName"}, {"FellFarbe", "Farbe"},
        {"Rufname", "Rufnaidx"},   {"Zuchtbuchnummer1", "Zuchtbuchnummer1"}};
    return h;
}

QCheckBox *haken(int tag, const char *text, bool an = false)
{
    auto *c = new QCheckBox(QString::fromUtf8(text));
    c->setProperty("tag", tag);
    c->setChecked(an);
    return c;
}

QPushButton *knopf(int tag, const char *text)
{
    auto *b = new QPushButton(QString::fromUtf8(text));
    b->setProperty("tag", tag);
    return b;
}

} // namespace

TFormOnlineDBInterface::TFormOnlineDBInterface(store::Database *db, Modus modus, QWidget *parent)
    : ChildWindow(QStringLiteral("formonlinedbinterface"), parent), m_db(db), m_modus(modus)
{
    g_instance = this;
    setObjectName(QStringLiteral("FormOnlineDBInterface"));
    setFit(Fit::Both);
    m_konfig = onlineKonfigLesen(app::IniFile(app::settingsPath()));
    m_quelle = std::make_unique<Katzenquelle>(*db, modus == Modus::Upload ? Modus::Upload : Modus::Csv,
                                              app::sprache().languageNumber());
    m_katzen = std::make_unique<Table>();
    m_katzen->setDatabase(db);
    m_katzen->setTableName(QStringLiteral("CATSTAMM.DB"));
    m_katzen->setReadOnly(modus != Modus::Tabelle);
    m_source = new widgets::DataSource(m_katzen.get(), this);
    // "Im Bearbeitungsmodus werden Änderungen sofort gespeichert"
    m_source->setSaveWithoutAsking(true);
    bauen();
    m_source->open();
    spaltenSetzen();
    setHelpContext(modus == Modus::Upload ? HilfeUpload : modus == Modus::Csv ? HilfeCsv : HilfeTabelle);
    finishCreate();
    if (!app::webLink(m_konfig.beispielUrl).isValid()) {
        ButtonBeispiel->setEnabled(false);
        ButtonBeispiel->setToolTip(app::messageText(7301));
    }
    setWindowTitle(modus == Modus::Upload ? app::captionText(1309)
                   : modus == Modus::Csv  ? app::captionText(7310)
                                          : app::captionText(1587));
}

TFormOnlineDBInterface::~TFormOnlineDBInterface()
{
    if (m_source)
        m_source->detach();
}

TFormOnlineDBInterface *TFormOnlineDBInterface::instance()
{
    return g_instance;
}

void TFormOnlineDBInterface::bauen()
{
    const bool up = m_modus == Modus::Upload;
    GroupUpload = new QGroupBox(QStringLiteral("Upload von"));
    GroupUpload->setProperty("tag", 7311);
    auto *gu = new QVBoxLayout(GroupUpload);
    for (QCheckBox *c : {CheckTierdaten = haken(7312, "Tierdaten", true),
                        CheckAdressen = haken(7313, "Adressdaten"), CheckRassen = haken(7314, "Rasse-DB"),
                        CheckFarben = haken(7315, "Farb-DB"), CheckMerkmaleDb = haken(7316, "Merkmale-DB")})
        gu->addWidget(c);
    GroupExport = new QGroupBox(QStringLiteral("Tierdaten: Export mit"));
    GroupExport->setProperty("tag", 7317);
    auto *ge = new QVBoxLayout(GroupExport);
    for (QCheckBox *c :
         {CheckBilder = haken(7318, "Bildern       (nur JPG-Dateien)"),
         CheckMerkmale = haken(7319, "Merkmalen"), CheckBemerkungen = haken(7320, "Bemerkungen"),
         CheckZuechter = haken(7321, "Züchter / Besitzer"), CheckZuchtbuch = haken(7322, "Zuchtbuch")})
        ge->addWidget(c);
    CheckBilder->setVisible(up);
    CheckZuchtbuch->setVisible(up);
    GroupUpload->setVisible(up);
    GroupExport->setVisible(m_modus != Modus::Tabelle);

    ButtonUpload = knopf(7323, "&Upload");
    ButtonCsv = knopf(7324, "&CSV-Datei");
    ButtonBeispiel = knopf(7325, "Beispieldatenbank");
    ButtonEditieren = knopf(1513, "Datei editieren");
    ButtonSuchen = knopf(1521, "Suchen");
    ButtonHilfe = knopf(7326, "&Hilfe");
    ButtonZurueck = knopf(7327, "&Zurück");
    ButtonAbbruch = knopf(571, "Abbruch");
    for (auto [w, name] : std::initializer_list<std::pair<QWidget *, const char *>>{
             {GroupUpload, "GroupUpload"},         {GroupExport, "GroupExport"},
             {CheckTierdaten, "CheckTierdaten"},   {CheckAdressen, "CheckAdressen"},
             {CheckRassen, "CheckRassen"},         {CheckFarben, "CheckFarben"},
             {CheckMerkmaleDb, "CheckMerkmaleDb"}, {CheckBilder, "CheckBilder"},
             {CheckMerkmale, "CheckMerkmale"},     {CheckBemerkungen, "CheckBemerkungen"},
             {CheckZuechter, "CheckZuechter"},     {CheckZuchtbuch, "CheckZuchtbuch"},
             {ButtonUpload, "ButtonUpload"},       {ButtonCsv, "ButtonCsv"},
             {ButtonBeispiel, "ButtonBeispiel"},   {ButtonEditieren, "ButtonEditieren"},
             {ButtonSuchen, "ButtonSuchen"},       {ButtonHilfe, "ButtonHilfe"},
             {ButtonZurueck, "ButtonZurueck"},     {ButtonAbbruch, "ButtonAbbruch"}})
        w->setObjectName(QLatin1String(name));
    ButtonAbbruch->setVisible(false);
    ButtonUpload->setVisible(up);
    ButtonBeispiel->setVisible(up);
    ButtonCsv->setVisible(m_modus == Modus::Csv);
    ButtonEditieren->setVisible(m_modus == Modus::Tabelle);
    ButtonSuchen->setVisible(m_modus == Modus::Tabelle);
    connect(ButtonUpload, &QPushButton::clicked, this, [this] { hochladen(); });
    connect(ButtonCsv, &QPushButton::clicked, this, [this] { csvSchreiben(); });
    connect(ButtonEditieren, &QPushButton::clicked, this, [this] { editierenUmschalten(); });
    connect(ButtonSuchen, &QPushButton::clicked, this, [this] { suchenOeffnen(); });
    connect(ButtonHilfe, &QPushButton::clicked, this, [this] { showHelp(); });
    connect(ButtonZurueck, &QPushButton::clicked, this, &QWidget::close);
    connect(ButtonBeispiel, &QPushButton::clicked, this,
            [this] { QDesktopServices::openUrl(app::webLink(m_konfig.beispielUrl)); });

    Gauge = new QProgressBar;
    Gauge->setVisible(false);
    PanelWarten = new QLabel(QStringLiteral("Bitte warten, Daten werden hochgeladen ..."));
    PanelWarten->setProperty("tag", 7328);
    Gauge->setObjectName(QStringLiteral("Gauge"));
    PanelWarten->setObjectName(QStringLiteral("PanelWarten"));
    PanelWarten->setAlignment(Qt::AlignCenter);
    PanelWarten->setFrameShape(QFrame::Panel);
    PanelWarten->setVisible(false);

    Grid = new widgets::DBGrid(m_source);
    Grid->setObjectName(QStringLiteral("DBGrid1"));
    connect(Grid->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int s) { sortieren(s); });
    // in editing mode every changed cell is stored at once
    connect(
        Grid->tableModel(), &QAbstractItemModel::dataChanged, this,
        [this] {
            if (m_editierbar && m_source->isEditing())
                m_source->save();
        },
        Qt::QueuedConnection);

    auto *oben = new QHBoxLayout;
    oben->addWidget(GroupUpload);
    oben->addWidget(GroupExport);
    oben->addStretch();
    auto *knoepfe = new QVBoxLayout;
    for (QPushButton *b :
         {ButtonUpload, ButtonCsv, ButtonBeispiel, ButtonEditieren, ButtonSuchen, ButtonHilfe, ButtonZurueck})
        knoepfe->addWidget(b);
    knoepfe->addStretch();
    for (QPushButton *b :
         {ButtonUpload, ButtonCsv, ButtonBeispiel, ButtonEditieren, ButtonSuchen, ButtonHilfe, ButtonZurueck})
        b->setMinimumWidth(150);
    oben->addLayout(knoepfe);
    auto *l = new QVBoxLayout(this);
    l->addLayout(oben);
    l->addWidget(Gauge);
    l->addWidget(PanelWarten);
    l->addWidget(ButtonAbbruch, 0, Qt::AlignHCenter);
    l->addWidget(Grid, 1);
}

void TFormOnlineDBInterface::spaltenSetzen()
{
    using Column = widgets::TableModel::Column;
    const Katzenquelle *q = m_quelle.get();
    const bool edit = m_editierbar;
    auto feld = [edit](const char *f, const char *titel) {
        Column c;
        c.field = QString::fromUtf8(f);
        c.title = QString::fromUtf8(titel ? titel : f);
        c.editable = edit;
        return c;
    };
    auto calc = [](const char *name, const char *titel, std::function<QVariant(Table &)> f) {
        Column c;
        c.field = QString::fromUtf8(name);
        c.title = QString::fromUtf8(titel ? titel : name);
        c.calc = std::move(f);
        return c;
    };
    QVector<Column> s = {
        calc("LaufendeNummer", "Lfd.Nr.", [](Table &t) { return t.value(QStringLiteral("LaufendeNummer")); }),
        feld("Name", nullptr),
        feld("Zwinger", nullptr),
        feld("Rufname", nullptr),
        calc("GeschlechtAnz", "Geschl.", [q](Table &t) { return q->geschlechtAnz(t); }),
        feld("GebDatum", "GebDat."),
        calc("TitelAnz", "Titel", [q](Table &t) { return q->titelAnz(t); }),
        calc("RasseAnz", "Rasse", [q](Table &t) { return q->rasseAnz(t); }),
        feld("FellFarbe", "Farbe"),
        feld("Augenfarbe", nullptr),
        feld("Zuchtbuchnummer1", "Ohrmarkennummer"),
        feld("Zuchtbuchnummer2", nullptr),
        feld("Zuchtbuchnummer3", nullptr),
        calc("VaterAnz", "Vater",
             [q](Table &t) { return q->katzenName(t.intValue(QStringLiteral("Vater"))); }),
        calc("MutterAnz", "Mutter",
             [q](Table &t) { return q->katzenName(t.intValue(QStringLiteral("Mutter"))); }),
        calc("ZuechterAnz", "Züchter", [q](Table &t) { return q->zuechterAnz(t); }),
        calc("BesitzerAnz", "Besitzer", [q](Table &t) { return q->besitzerAnz(t); }),
        feld("ChipNr", nullptr),
        feld("Tests", nullptr),
        feld("Blutgruppe", nullptr),
        calc("MerkmaleAnz", "Merkmale", [q](Table &t) { return q->merkmaleAnz(t); }),
        calc("BilderAnz", "Bild", [q](Table &t) { return q->bild(t).name; }),
        feld("Toddatum", nullptr),
        feld("TaetoNr", "Zuchtbuchnummer"),
        calc("FellartAnz", "Haarart", [](Table &t) { return t.value(QStringLiteral("Fellart")); }),
        feld("Wurfzahl", nullptr),
        calc("BewertAnz", "Bewertung", [q](Table &t) { return q->bewertAnz(t); }),
        feld("zzlDatum", nullptr),
        feld("Groesse", nullptr),
        feld("Gewicht", nullptr),
    };
    // the titles' captions follow the columns' order
    for (int i = 0; i < s.size(); ++i) {
        s[i].tag = 7330 + i;
        if (const QString t = app::captionText(s[i].tag); !t.isEmpty())
            s[i].title = t;
    }
    Grid->tableModel()->setColumns(s);
    for (int i = 0; i < s.size(); ++i)
        Grid->setItemDelegateForColumn(i, s[i].calc ? new FestDelegate(Grid) : nullptr);
}

Auswahl TFormOnlineDBInterface::auswahl() const
{
    const bool up = m_modus == Modus::Upload;
    Auswahl a;
    a.tierdaten = !up || CheckTierdaten->isChecked();
    a.adressdaten = up && CheckAdressen->isChecked();
    a.rassen = up && CheckRassen->isChecked();
    a.farben = up && CheckFarben->isChecked();
    a.merkmaleDb = up && CheckMerkmaleDb->isChecked();
    a.bilder = up && CheckBilder->isChecked();
    a.zuchtbuch = up && CheckZuchtbuch->isChecked();
    a.merkmale = CheckMerkmale->isChecked();
    a.bemerkungen = CheckBemerkungen->isChecked();
    a.zuechterBesitzer = CheckZuechter->isChecked();
    return a;
}

bool TFormOnlineDBInterface::hochladen()
{
    const Auswahl a = auswahl();
    if (a.leer()) {
        widgets::showMessage(184, MsgIcon::Information, MsgButtons::Ok);
        return false;
    }
    if (const QStringList fehlt = m_konfig.fehlendeSchluessel(a.bilder); !fehlt.isEmpty()) {
        widgets::showMessage(7300, MsgIcon::Error, MsgButtons::Ok, QString(),
                             QLatin1Char(' ') + fehlt.join(QStringLiteral(", ")));
        return false;
    }
    if (widgets::showMessage(205, MsgIcon::Question, MsgButtons::YesNo, QString(),
                             QLatin1Char('\n') + app::messageText(206)) != QMessageBox::Yes)
        return false;
    if (const int m = ftpPasswortPruefen(app::configDir()); m && a.bilder) {
        widgets::showMessage(m, MsgIcon::Error, MsgButtons::Ok, QString(),
                             QLatin1Char(' ') + ftpPasswortDatei(app::configDir()));
        return false;
    }
    UploadAuftrag auftrag;
    auftrag.auswahl = a;
    auftrag.ordner = uploadOrdner(app::configDir());
    auftrag.katzenIndex = m_katzen->indexName();
    if (auftrag.ordner.isEmpty()) {
        widgets::showMessage(168, MsgIcon::Error, MsgButtons::Ok, QString(),
                             QLatin1Char(' ') + app::configDir() + QStringLiteral("/Online"));
        return false;
    }
    UploadDienste d;
    bool abgebrochen = false;
    d.senden = [this, &abgebrochen](const QString &datei, QString *fehler) {
        // after "Abbruch" no further file goes out
        if (abgebrochen) {
            *fehler = app::messageText(216);
            return false;
        }
        PanelWarten->setVisible(true);
        const bool ok = dateiImHintergrundSenden(m_konfig.uploadUrl, datei, m_konfig.zeit, fehler, Gauge,
                                                 ButtonAbbruch, &abgebrochen);
        PanelWarten->setVisible(false);
        return ok;
    };
    d.bilder = [this](const QStringList &pfade) -> BilderLauf {
        const QString konto = app::eigeneDatenLesen(*m_db).Update;
        QStringList abgelehnt;
        const TFtpAction z = bilderHochladen(ftpKonfigLaden(m_konfig, app::configDir(), konto), pfade,
                                             m_db->dataDir(), this, &abgelehnt);
        return {z, abgelehnt};
    };
    d.passBeginn = [this](int) {
        Gauge->setValue(0);
        Gauge->setVisible(true);
    };
    d.fortschritt = [this](int pos, int max) {
        Gauge->setMaximum(max);
        Gauge->setValue(pos);
        if (pos % 50 == 0)
            QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    };
    d.warten = [this](bool) { Gauge->setVisible(false); };
    // the window stays live while a file is sent: nothing else may start or close it meanwhile
    m_laeuft = true;
    for (QWidget *w : std::initializer_list<QWidget *>{GroupUpload, GroupExport, ButtonUpload, ButtonZurueck})
        w->setEnabled(false);
    const UploadErgebnis e = uploadAusfuehren(*m_db, auftrag, d, app::sprache().languageNumber());
    for (QWidget *w : std::initializer_list<QWidget *>{GroupUpload, GroupExport, ButtonUpload, ButtonZurueck})
        w->setEnabled(true);
    m_laeuft = false;
    Gauge->setVisible(false);
    PanelWarten->setVisible(false);
    for (int i = 0; i < e.meldungen.size(); ++i) {
        const Meldung &m = e.meldungen[i];
        // the last error says what failed
        QString zusatz = m.zusatz;
        if (m.nummer == 183 && !e.fehler.isEmpty())
            zusatz += QStringLiteral("\n\n") + e.fehler.join(QLatin1Char('\n'));
        widgets::showMessage(m.nummer, m.fehler ? MsgIcon::Error : MsgIcon::Information, MsgButtons::Ok,
                             QString(), zusatz);
    }
    return e.erfolg;
}

bool TFormOnlineDBInterface::csvSchreiben()
{
    QString datei = widgets::saveFileName(this, windowTitle(), QString(), app::captionText(7329));
    if (datei.isEmpty()) {
        widgets::showMessage(171, MsgIcon::Error, MsgButtons::Ok);
        return false;
    }
    if (QFileInfo(datei).suffix().isEmpty())
        datei += QStringLiteral(".CSV");
    Gauge->setVisible(true);
    const PassErgebnis r = csvExport(*m_db, datei, auswahl(), m_katzen->indexName(),
                                     app::sprache().languageNumber(), [this](int pos, int max) {
                                         Gauge->setMaximum(max);
                                         Gauge->setValue(pos);
                                     });
    Gauge->setVisible(false);
    if (r.status != PassErgebnis::Ok) {
        widgets::showMessage(168, MsgIcon::Error, MsgButtons::Ok, QString(), QLatin1Char(' ') + datei);
        return false;
    }
    return true;
}

void TFormOnlineDBInterface::editierenUmschalten()
{
    if (!m_editierbar && widgets::showMessage(198, MsgIcon::Question, MsgButtons::YesNo, QString(),
                                              QLatin1Char('\n') + app::messageText(199)) != QMessageBox::Yes)
        return;
    if (m_editierbar && !m_source->leaveEdit())
        return;
    m_editierbar = !m_editierbar;
    ButtonEditieren->setProperty("tag", m_editierbar ? 1514 : 1513);
    ButtonSuchen->setProperty("tag", m_editierbar ? 1526 : 1521);
    ButtonEditieren->setText(app::captionText(m_editierbar ? 1514 : 1513));
    ButtonSuchen->setText(app::captionText(m_editierbar ? 1526 : 1521));
    spaltenSetzen();
}

bool TFormOnlineDBInterface::sortieren(int spalte)
{
    const auto &cols = Grid->tableModel()->columns();
    if (spalte < 0 || spalte >= cols.size() || !sortIndex().contains(cols[spalte].field))
        return false;
    if (!m_source->leaveEdit())
        return false;
    try {
        maintenance::indexWaehlen(*m_katzen, sortIndex().value(cols[spalte].field));
    } catch (const std::exception &) {
        return false;
    }
    Grid->tableModel()->reload();
    return true;
}

void TFormOnlineDBInterface::suchenOeffnen()
{
    tav::maintenance::ui::TFormSuchen_Ersetzen::oeffnen(Grid, this);
}

void TFormOnlineDBInterface::closeEvent(QCloseEvent *e)
{
    if (m_laeuft) {
        ButtonAbbruch->click();
        e->ignore();
        return;
    }
    if (m_source && !m_source->leaveEdit()) {
        e->ignore();
        return;
    }
    ChildWindow::closeEvent(e);
}

Modus modusFuerMenue(const QString &menuEintrag)
{
    if (menuEintrag == QLatin1String("DatenexportCSVDatei1"))
        return Modus::Csv;
    if (menuEintrag == QLatin1String("Tierdatenbankeditieren1"))
        return Modus::Tabelle;
    return Modus::Upload;
}

void registerOnlineDBInterface()
{
    shell::registerWindow(QStringLiteral("formonlinedbinterface"), [](shell::Shell &mw) -> QWidget * {
        if (auto *w = TFormOnlineDBInterface::instance())
            return w;
        auto *w =
            new TFormOnlineDBInterface(store::defaultDatabase(), modusFuerMenue(mw.oeffnenderEintrag()));
        if (QMdiSubWindow *sub = mw.addChild(w)) {
            // the window fills the main window's client area and stays where it is put
            sub->resize(mw.mdiArea()->size() - QSize(7, 59));
            sub->setWindowFlag(Qt::WindowMaximizeButtonHint, false);
        }
        return w;
    });
}

} // namespace tav::online::ui
