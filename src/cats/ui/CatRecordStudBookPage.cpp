#include "CatRecordStudBookPage.h"
#include "CatRecordHeatTab.h"
#include "CatRecordLogSheet.h"
#include "PcatstamIntern.h"

#include "app/Global.h"
#include "app/Sprache.h"
#include "cats/CatRules.h"
#include "cats/CatSearch.h"
#include "cats/Wurfdaten.h"
#include "cats/ui/Psuchdlg.h"
#include "store/Table.h"
#include "widgets/DBGrid.h"
#include "widgets/DataControls.h"
#include "widgets/DataSource.h"
#include "widgets/Nav2.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace tav::store;
using namespace tav::app;
using namespace tav::widgets;

namespace tav::cats::ui {

namespace {
TDBNavigatorSpec *navigator(DataSource *s, QWidget *parent)
{
    auto *nav = new TDBNavigatorSpec(parent);
    nav->setDataSource(s);
    nav->setVisibleButtons(
        {TNavigateBtn::nbFirst, TNavigateBtn::nbPrior, TNavigateBtn::nbNext, TNavigateBtn::nbLast});
    nav->setHints(TDBNavigatorSpec::germanHints());
    return nav;
}

// "Hinzufügen", "Löschen" (message 28), "Speichern" and "Rückgängig" of a book; adding needs a
// stored cat
QHBoxLayout *buchKnoepfe(DataSource *s, const std::function<int()> &aktuelleKatze, QWidget *parent)
{
    return eintragKnoepfe(s, aktuelleKatze, TagHinzufuegen, QStringLiteral("H&inzufügen"), parent);
}

QString captionOr(int tag, const QString &fallback)
{
    const QString t = tav::app::captionText(tag);
    return t.isEmpty() ? fallback : t;
}

QWidget *nurLesen(QWidget *w)
{
    if (auto *e = qobject_cast<QLineEdit *>(w))
        e->setReadOnly(true);
    w->setFocusPolicy(Qt::NoFocus);
    return w;
}
} // namespace

CatRecordStudBookPage::CatRecordStudBookPage(const ZuchtQuellen &q, std::function<int()> aktuelleKatze,
                                             QPushButton *hilfe, QPushButton *hilfeKater, QWidget *parent)
    : QWidget(parent), m_q(q), m_aktuelleKatze(std::move(aktuelleKatze))
{
    auto *l = new QVBoxLayout(this);
    l->setContentsMargins(4, 4, 4, 4);
    m_stapel = new QStackedWidget(this);
    m_kaetzin = kaetzinBauen(hilfe);
    m_kater = katerBauen(hilfeKater);
    m_stapel->addWidget(m_kaetzin);
    m_stapel->addWidget(m_kater);
    l->addWidget(m_stapel);
    // after a post the kittens of the litter are shown; without litters they are hidden
    connect(m_q.wurfbuch, &DataSource::dataSetChanged, this, [this] { jungtiereZeigen(); });
    connect(m_q.jungtiere, &DataSource::recordChanged, this, [this] {
        if (isVisible())
            jungtierBildLaden();
    });
}

QWidget *CatRecordStudBookPage::kaetzinBauen(QPushButton *hilfe)
{
    auto *tabs = new QTabWidget;
    tabs->setObjectName(QStringLiteral("Zuchtkatze"));
    tabs->setProperty("tag", TagKaetzinTabs);
    tabs->setUsesScrollButtons(false); // two or three short tabs: room enough in every language
    tabs->addTab(wuerfeBauen(hilfe), QStringLiteral("Würfe"));
    m_rolligkeit = new CatRecordHeatTab(m_q.rolligkeiten, m_aktuelleKatze, tabs);
    tabs->addTab(m_rolligkeit, QStringLiteral("Läufigkeit"));
    return tabs;
}

QWidget *CatRecordStudBookPage::wuerfeBauen(QPushButton *hilfe)
{
    auto *w = new QWidget;
    w->setObjectName(QStringLiteral("Wuerfe"));
    auto *l = new QVBoxLayout(w);
    DataSource *s = m_q.wurfbuch;
    auto *nav = navigator(s, w);
    nav->setObjectName(QStringLiteral("NavigatorWurfbuch"));
    l->addWidget(nav, 0, Qt::AlignLeft);
    auto *g = new QGridLayout;
    auto datum = [&](const char *feld) {
        auto *e = new DBDateEdit(s, QString::fromLatin1(feld), w);
        e->setObjectName(QStringLiteral("DBWurfbuch") + QString::fromLatin1(feld));
        return mitKalender(e, s, QString::fromLatin1(feld), w);
    };
    auto termin = [&](const char *feld) {
        auto *e = new DBDateEdit(s, QString::fromLatin1(feld), w);
        e->setObjectName(QStringLiteral("DBWurfbuch") + QString::fromLatin1(feld));
        return nurLesen(e);
    };
    int r = 0;
    g->addWidget(textMitTag(TagBeginnRollig, QStringLiteral("Beginn Rolligkeit"), w), r, 0);
    g->addWidget(datum("BeginnRollig"), r++, 2);
    g->addWidget(textMitTag(TagDecktermin, QStringLiteral("Decktermin"), w), r, 0);
    g->addWidget(textMitTag(TagErster, QStringLiteral("1."), w), r, 1);
    g->addWidget(datum("Decktermin"), r, 2);
    g->addWidget(textMitTag(TagZweiter, QStringLiteral("2."), w), r, 3);
    g->addWidget(datum("Decktermin2"), r++, 4);
    g->addWidget(textMitTag(TagWurftermin, QStringLiteral("Wurftermin"), w), r, 0);
    g->addWidget(termin("Wurftermin"), r, 2);
    g->addWidget(termin("Wurftermin2"), r++, 4);
    g->addWidget(textMitTag(TagWurftag, QStringLiteral("Wurftag"), w), r, 0);
    g->addWidget(datum("Wurftag"), r++, 2);
    g->addWidget(textMitTag(TagKater, QStringLiteral("Kater"), w), r, 0);
    auto *kater = new DBEdit(s, QStringLiteral("KaterName"), w);
    kater->setObjectName(QStringLiteral("DBWurfbuchKater"));
    g->addWidget(nurLesen(kater), r, 2, 1, 2);
    auto *suchen = knopfMitTag(TagDeckkaterSuchen, QStringLiteral("Deckkater suchen"), w);
    suchen->setObjectName(QStringLiteral("DeckkaterSuchen"));
    connect(suchen, &QPushButton::clicked, this, [this] { partnerSuchen(true); });
    g->addWidget(suchen, r++, 4);
    g->addWidget(textMitTag(TagWurfbez, QStringLiteral("Wurfbezeichnung"), w), r, 0);
    g->addWidget(new DBEdit(s, QStringLiteral("Wurfbez"), w), r++, 2);
    g->addWidget(textMitTag(TagBemerkung, QStringLiteral("Bemerkung"), w), r, 0, Qt::AlignTop);
    auto *bemerkung = new DBMemo(s, QStringLiteral("Bemerkung"), w);
    bemerkung->setFixedHeight(48);
    g->addWidget(bemerkung, r++, 2, 1, 3);
    g->setColumnStretch(5, 1);
    l->addLayout(g);
    auto *knoepfe = buchKnoepfe(s, m_aktuelleKatze, w);
    knoepfe->addWidget(hilfe);
    l->addLayout(knoepfe);

    m_wurfTabs = new QTabWidget(w);
    m_wurfTabs->setObjectName(QStringLiteral("TabsWurf"));
    m_wurfTabs->setProperty("tag", TagWurfTabs);
    m_wurfTabs->setUsesScrollButtons(false);
    m_wurfTabs->addTab(wurfdatenTab(), QStringLiteral("Wurfdaten"));
    m_wurfTabs->addTab(gewichteTab(), QStringLiteral("Gewichte"));
    m_wurfTabs->addTab(jungtiereTab(), QStringLiteral("Jungtiere"));
    // showing the kittens posts a pending litter row
    connect(m_wurfTabs, &QTabWidget::currentChanged, this, [this](int i) {
        if (i == 2 && m_q.wurfbuch->isEditing())
            m_q.wurfbuch->save();
        if (i == 2)
            jungtierBildLaden();
    });
    l->addWidget(m_wurfTabs, 1);
    return w;
}

QWidget *CatRecordStudBookPage::katerBauen(QPushButton *hilfe)
{
    auto *w = new QWidget;
    w->setObjectName(QStringLiteral("Zuchtkater"));
    auto *l = new QVBoxLayout(w);
    DataSource *s = m_q.deckbuch;
    auto *nav = navigator(s, w);
    nav->setObjectName(QStringLiteral("NavigatorDeckbuch"));
    l->addWidget(nav, 0, Qt::AlignLeft);
    auto *g = new QGridLayout;
    auto datum = [&](const char *feld) {
        auto *e = new DBDateEdit(s, QString::fromLatin1(feld), w);
        e->setObjectName(QStringLiteral("DBDeckbuch") + QString::fromLatin1(feld));
        return mitKalender(e, s, QString::fromLatin1(feld), w);
    };
    int r = 0;
    g->addWidget(textMitTag(TagDecktermin, QStringLiteral("Decktermin"), w), r, 0);
    g->addWidget(datum("Decktermin"), r++, 1);
    g->addWidget(textMitTag(TagErfolge, QStringLiteral("Erfolge"), w), r, 0);
    g->addWidget(new DBEdit(s, QStringLiteral("Erfolge"), w), r++, 1);
    g->addWidget(textMitTag(TagWurftermin, QStringLiteral("Wurftermin"), w), r, 0);
    auto *termin = new DBDateEdit(s, QStringLiteral("Wurftermin"), w);
    termin->setObjectName(QStringLiteral("DBDeckbuchWurftermin"));
    g->addWidget(nurLesen(termin), r++, 1);
    g->addWidget(textMitTag(TagWurftag, QStringLiteral("Wurftag"), w), r, 0);
    g->addWidget(datum("Wurftag"), r++, 1);
    g->addWidget(textMitTag(TagKatze, QStringLiteral("Katze"), w), r, 0);
    auto *katze = new DBEdit(s, QStringLiteral("KatzeName"), w);
    katze->setObjectName(QStringLiteral("DBDeckbuchKatze"));
    g->addWidget(nurLesen(katze), r, 1);
    auto *suchen = knopfMitTag(TagGedeckteKatzeSuchen, QStringLiteral("gedeckte Katze suchen"), w);
    suchen->setObjectName(QStringLiteral("GedeckteKatzeSuchen"));
    connect(suchen, &QPushButton::clicked, this, [this] { partnerSuchen(false); });
    g->addWidget(suchen, r++, 2);
    g->addWidget(textMitTag(TagBemerkung, QStringLiteral("Bemerkung"), w), r, 0, Qt::AlignTop);
    auto *bemerkung = new DBMemo(s, QStringLiteral("Bemerkung"), w);
    bemerkung->setFixedHeight(60);
    g->addWidget(bemerkung, r++, 1, 1, 2);
    g->setColumnStretch(3, 1);
    l->addLayout(g);
    auto *knoepfe = buchKnoepfe(s, m_aktuelleKatze, w);
    knoepfe->addWidget(hilfe);
    l->addLayout(knoepfe);
    l->addStretch();
    return w;
}

void CatRecordStudBookPage::partnerSuchen(bool kater)
{
    const int eigene = m_aktuelleKatze();
    if (eigene <= 0)
        return;
    Aufrufer kontext;
    kontext.formular = Formular::Buecher;
    kontext.fokus = kater ? Fokus::DeckkaterSuchen : Fokus::GedeckteKatzeSuchen;
    kontext.eigeneNummer = eigene;
    KatzeTreffer gewaehlt;
    const int nr = runCatSearch(this, int(Formular::Buecher), kontext, QString(), &gewaehlt);
    if (nr <= 0 || nr == eigene)
        return;
    // the dialog lists the right sex only; a hit of the other is still refused
    if (kater ? !istKater(gewaehlt.Geschlecht) : !istKatze(gewaehlt.Geschlecht))
        return;
    DataSource *s = kater ? m_q.wurfbuch : m_q.deckbuch;
    s->setFieldValue(kater ? QStringLiteral("Kater") : QStringLiteral("Katze"), nr);
}

bool CatRecordStudBookPage::zeigtKaetzin() const
{
    return m_stapel->currentWidget() == m_kaetzin;
}

void CatRecordStudBookPage::katzeGewechselt()
{
    Table *k = m_q.katze->table();
    const bool da = k->isOpen() && (k->hasRecord() || k->isEditing());
    const QString geschlecht = da ? k->text(QStringLiteral("Geschlecht")) : QString();
    m_stapel->setCurrentWidget(istKatze(geschlecht) ? m_kaetzin : m_kater);
    const int nr =
        da && k->state() != Table::State::Insert ? k->intValue(QStringLiteral("LaufendeNummer")) : 0;
    if (nr == m_letzteKatze)
        return;
    m_letzteKatze = nr;
    m_rolligkeit->leeren();
    if (m_q.rolligkeiten->isOpen() && !m_q.rolligkeiten->isEditing())
        m_q.rolligkeiten->last();
    m_rolligkeit->neuBerechnen();
    for (DataSource *s : {m_q.wurfbuch, m_q.deckbuch}) {
        if (s->isOpen() && !s->isEditing())
            s->last();
    }
    jungtiereZeigen();
}

QWidget *CatRecordStudBookPage::wurfdatenTab()
{
    auto *w = new QWidget;
    DataSource *s = m_q.wurfbuch;
    auto *g = new QGridLayout(w);
    const QVector<QPair<int, QPair<const char *, const char *>>> zahlen = {
        {TagWurfstaerke, {"Wurfstärke", "Wurfstaerke"}},
        {TagTotgeboren, {"Totgeboren", "Totgeboren"}},
        {TagVerendet, {"Gestorben", "Verendet"}},
        {TagAmmenaufzucht, {"Ammenaufzucht", "Ammenaufzucht"}},
        {TagEndabnahme, {"Endabnahme", "Endabnahme"}},
        {TagVerblieben, {"Verblieben", "Verblieben"}},
        {TagEingeschlaefert, {"Eingeschläfert", "Eingeschlaefert"}}};
    int r = 0;
    for (const auto &[tag, texte] : zahlen) {
        g->addWidget(textMitTag(tag, QString::fromUtf8(texte.first), w), r, 0);
        auto *e = new DBEdit(s, QString::fromLatin1(texte.second), w);
        e->setMaximumWidth(60);
        g->addWidget(e, r++, 1);
    }
    g->addWidget(textMitTag(TagVerfassung, QStringLiteral("Verfassung der Mutter"), w), 0, 2);
    g->addWidget(new DBMemo(s, QStringLiteral("Verfassung"), w), 1, 2, 3, 4);
    auto termin = [&](int zeile, int tag, const char *text, const char *am, const char *von) {
        g->addWidget(textMitTag(tag, QString::fromUtf8(text), w), zeile, 2);
        g->addWidget(textMitTag(TagAm, QStringLiteral("am"), w), zeile, 3);
        g->addWidget(
            mitKalender(new DBDateEdit(s, QString::fromLatin1(am), w), s, QString::fromLatin1(am), w), zeile,
            4);
        g->addWidget(textMitTag(TagVon, QStringLiteral("von"), w), zeile, 5);
        g->addWidget(new DBEdit(s, QString::fromLatin1(von), w), zeile, 6);
    };
    termin(4, TagBesichtigung, "Besichtigung", "Besichtam", "Besichtvon");
    termin(5, TagAbnahme, "Abnahme", "Abnahmeam", "Abnahmevon");
    g->addWidget(textMitTag(TagTraechtigkeitsdauer, QStringLiteral("Trächtigkeitsdauer"), w), 6, 2);
    auto *dauer = new DBEdit(s, QStringLiteral("Traechtigkeit"), w);
    dauer->setObjectName(QStringLiteral("DBWurfbuchTraechtigkeit"));
    dauer->setMaximumWidth(60);
    g->addWidget(nurLesen(dauer), 6, 4);
    g->addWidget(textMitTag(TagTage, QStringLiteral("Tage"), w), 6, 5);
    g->setColumnStretch(6, 1);
    g->setRowStretch(r, 1);
    return w;
}

QWidget *CatRecordStudBookPage::gewichteTab()
{
    auto *w = new QWidget;
    auto *l = new QVBoxLayout(w);
    auto *grid = new DBGrid(m_q.gewichte, w);
    grid->setObjectName(QStringLiteral("DBGridGewichte"));
    TableModel *m = grid->tableModel();
    m->addColumn(QStringLiteral("Wiegedatum"), QStringLiteral("Datum"), true);
    m->addColumn(QStringLiteral("Alter"), QStringLiteral("Alter"), false);
    for (int i = 1; i <= 10; ++i)
        m->addColumn(QStringLiteral("Katze%1").arg(i), QStringLiteral("Katze %1").arg(i), true);
    spaltenTags(grid, {TagWiegedatum, TagAlter});
    l->addWidget(grid, 1);
    l->addLayout(buchKnoepfe(m_q.gewichte, m_aktuelleKatze, w));
    return w;
}

QWidget *CatRecordStudBookPage::jungtiereTab()
{
    auto *w = new QWidget;
    auto *l = new QHBoxLayout(w);
    m_jungtierGrid = new DBGrid(m_q.jungtiere, w);
    m_jungtierGrid->setObjectName(QStringLiteral("DBGridJungtiere"));
    TableModel *m = m_jungtierGrid->tableModel();
    m->addCalcColumn(QStringLiteral("Name"), [](Table &t) {
        const QString name = t.text(QStringLiteral("Name"));
        TDatenGlobal *g = TDatenGlobal::instance();
        const QString titel = g ? g->GetTitel(t.intValue(QStringLiteral("LaufendeNummer"))) : QString();
        return titel.isEmpty() ? name : titel + QLatin1Char(' ') + name;
    });
    m->addColumn(QStringLiteral("Zuchtbuchnummer1"), QStringLiteral("ZbNr."));
    m->addCalcColumn(QStringLiteral("Geschl."), [](Table &t) {
        return sprachNummer() == 2 ? QString()
                                   : geschlAnzeige(t.text(QStringLiteral("Geschlecht")), sprachNummer());
    });
    m->addColumn(QStringLiteral("ChipNr"), QStringLiteral("Chip-Nr."));
    m->addColumn(QStringLiteral("FellFarbe"), QStringLiteral("Farbe"));
    spaltenTags(m_jungtierGrid, {TagSpalteName, TagZbNr, TagGeschl, TagChip, TagSpalteFarbe});
    m_jungtierGrid->setColumnWidth(0, 220);
    l->addWidget(m_jungtierGrid, 1);

    m_jungtierPanel = new QWidget(w);
    m_jungtierPanel->setObjectName(QStringLiteral("PanelJungtier"));
    auto *g = new QGridLayout(m_jungtierPanel);
    DataSource *z = m_q.jungtierZusatz;
    auto zeile = [&](int r, int tag, const char *text, QWidget *feld) {
        g->addWidget(textMitTag(tag, QString::fromUtf8(text), m_jungtierPanel), r, 0);
        g->addWidget(feld, r, 1);
        m_jungtierFelder << feld;
    };
    auto auswahl = [&](const char *feld, const QStringList &texte) {
        auto *c = new DBComboBox(z, QString::fromLatin1(feld), m_jungtierPanel);
        c->addItems(texte);
        c->addItem(QString());
        return c;
    };
    zeile(0, TagGebGew, "Geb.-gew.", new DBEdit(z, QStringLiteral("Gebgewicht"), m_jungtierPanel));
    zeile(1, TagAbgGew, "Abg.-gew.", new DBEdit(z, QStringLiteral("Abggewicht"), m_jungtierPanel));
    zeile(2, TagKieferfehler, "Kieferfehler",
          auswahl("Kieferfehler", kieferfehlerTexte().mid(0, 2) + kieferfehlerTexte().mid(3)));
    zeile(3, TagBruch, "Bruch", auswahl("Bruch", bruchTexte()));
    zeile(4, TagHoden, "Hoden", auswahl("Hoden", hodenTexte()));
    g->addWidget(textMitTag(TagWeitereFehler, QStringLiteral("Weitere Fehler/Abweichungen vom Standard"),
                            m_jungtierPanel),
                 5, 0, 1, 2);
    auto *weitere = new DBEdit(z, QStringLiteral("WeitereFehler"), m_jungtierPanel);
    g->addWidget(weitere, 6, 0, 1, 2);
    m_jungtierFelder << weitere;
    auto *speichern = knopfMitTag(TagSpeichern, QStringLiteral("Speichern"), m_jungtierPanel);
    z->attachButtons(speichern, nullptr);
    g->addWidget(speichern, 7, 1, Qt::AlignRight);
    m_jungtierBild = new QLabel(m_jungtierPanel);
    m_jungtierBild->setObjectName(QStringLiteral("BildJungtier"));
    m_jungtierBild->setFixedSize(200, 180);
    m_jungtierBild->setAlignment(Qt::AlignCenter);
    g->addWidget(m_jungtierBild, 0, 2, 8, 1);
    g->setRowStretch(8, 1);
    l->addWidget(m_jungtierPanel);
    return w;
}

void CatRecordStudBookPage::jungtiereZeigen()
{
    Table *wb = m_q.wurfbuch->table();
    const bool litters = wb->isOpen() && (wb->hasRecord() || wb->isEditing());
    m_jungtierGrid->setVisible(litters);
    m_jungtierPanel->setVisible(litters);
    // a litter without kittens leaves the extras read-only
    Table *jt = m_q.jungtiere->table();
    const bool kitten = litters && jt->isOpen() && jt->hasRecord();
    for (QWidget *f : std::as_const(m_jungtierFelder)) {
        f->setEnabled(kitten);
        f->setBackgroundRole(kitten ? QPalette::Base : QPalette::Window);
    }
}

void CatRecordStudBookPage::jungtierBildLaden()
{
    Table *jt = m_q.jungtiere->table();
    const int nr = jt->isOpen() && jt->hasRecord() ? jt->intValue(QStringLiteral("LaufendeNummer")) : 0;
    QString pfad;
    try {
        pfad = bildDerKatze(*m_q.db, nr, nr > 0 ? jt->intValue(QStringLiteral("Feld2")) : 0);
    } catch (const std::exception &e) {
        reportDatabaseError(e, QStringLiteral("BILDER.DB"));
    }
    if (pfad.isEmpty()) {
        m_jungtierBild->setPixmap(QPixmap());
        m_jungtierBild->setText(
            nr > 0 ? captionOr(TagBildNichtGefunden, QStringLiteral("Bild nicht gefunden")) : QString());
        return;
    }
    m_jungtierBild->setText(QString());
    m_jungtierBild->setPixmap(
        QPixmap(pfad).scaled(m_jungtierBild->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

} // namespace tav::cats::ui
