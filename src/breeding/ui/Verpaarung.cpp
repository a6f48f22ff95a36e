// Verpaarung: the matings window, its pages and its registration.
#include "Verpaarung.h"

#include "Baumsymbole.h"
#include "app/Global.h"
#include "app/Sprache.h"
#include "app/ui/Optionen.h"
#include "cats/ui/Psuchdlg.h"
#include "maintenance/Indexerstellung.h"
#include "report/ui/Vorschau.h"
#include "shell/Shell.h"
#include "store/Database.h"
#include "store/EngineError.h"
#include "store/Table.h"
#include "widgets/DbEngine.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSize>
#include <QSplitter>
#include <QStackedWidget>
#include <QStringList>
#include <QTabWidget>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>
#include <QVector>
#include <algorithm>

namespace tav::breeding::ui {

namespace {
TFormVerpaarung *g_instance = nullptr;

constexpr int TagSystemparameter = 9600;
constexpr int TagFenster = 8021, TagLaden = 8022, TagDruck = 8024, TagHilfe = 8025, TagZurueck = 8026,
              TagLeer = 8018, TagDavon = 8014, TagEinWurf = 8019, TagWuerfe = 8020;
constexpr int RollePartner = Qt::UserRole, RolleWurf = Qt::UserRole + 1, RolleZeile = Qt::UserRole + 2;

// the sex colours of panels and labels
QColor farbe(bool kater)
{
    return kater ? QColor(166, 202, 240) : QColor(255, 251, 240);
}

QString rasse(app::TDatenGlobal &g, const store::Table &katze)
{
    const int rcode = katze.value(QStringLiteral("Rasse")).toInt();
    return rcode > 0 && g.dbRasse->isOpen() && g.dbRasse->findKey({rcode})
               ? g.dbRasse->text(QStringLiteral("RName"))
               : QString();
}

QString datum(const QDate &d, const QLocale &l)
{
    return d.isValid() ? l.toString(d, QLocale::ShortFormat) : QString();
}

QString wort(int tag, const char *vorgabe)
{
    const QString t = app::sprache().caption(tag);
    return t.isEmpty() ? QString::fromUtf8(vorgabe) : t;
}

// a cat's title, a blank and its name; the name alone without a title
QString mitTitel(qint32 nummer, const QString &name)
{
    app::TDatenGlobal *g = app::TDatenGlobal::instance();
    const QString titel = g ? g->GetTitel(nummer) : QString();
    return titel.isEmpty() ? name : titel + QLatin1Char(' ') + name;
}

void setzeBild(QTreeWidgetItem *knoten, int bild)
{
    knoten->setIcon(0, baumsymbol(Baumsymbol(bild)));
    knoten->setData(0, TFormVerpaarung::RolleBild, bild);
}

int bildNachGeschlecht(bool kater)
{
    return kater ? TFormVerpaarung::BildMaennlich : TFormVerpaarung::BildWeiblich;
}
} // namespace

TFormVerpaarung::TFormVerpaarung(store::Database *db, QWidget *parent)
    : ChildWindow(QStringLiteral("formverpaarung"), parent), m_db(db)
{
    g_instance = this;
    setObjectName(QStringLiteral("FormVerpaarung"));
    setWindowTitle(QStringLiteral("Verpaarungen und Würfe"));
    setProperty("tag", TagFenster);
    setHelpContext(HilfeKontext);
    bauen();
    finishCreate();
    wurfbuchOeffnen();
    if (auto *mw = shell::Shell::current())
        KatzeLaden(mw->currentListCat());
}

void TFormVerpaarung::wurfbuchOeffnen()
{
    const QString datei = QStringLiteral("WURFBUCH.DB");
    if (!m_db || !m_db->tableExists(datei))
        return;
    m_wurfbuch = new store::Table(m_db, datei, this);
    m_wurfbuch->setReadOnly(true);
    m_wurfbuch->setIndexName(QStringLiteral("KatzeKaterWurftag"));
    try {
        maintenance::TDataModuleIndex(QString(), m_db).oeffnen(*m_wurfbuch);
    } catch (const store::EngineError &e) {
        widgets::TDBError::HandleException(e, datei);
    }
}

TFormVerpaarung::~TFormVerpaarung()
{
    if (g_instance == this)
        g_instance = nullptr;
}

TFormVerpaarung *TFormVerpaarung::instance()
{
    return g_instance;
}

QWidget *TFormVerpaarung::seite(const QVector<std::pair<int, const char *>> &zeilen, QVector<QLabel *> &werte)
{
    auto *w = new QWidget;
    auto *g = new QGridLayout(w);
    for (int i = 0; i < zeilen.size(); ++i) {
        auto *l = new QLabel(QString::fromUtf8(zeilen[i].second), w);
        l->setProperty("tag", zeilen[i].first);
        auto *v = new QLabel(w);
        v->setAutoFillBackground(true);
        v->setProperty("dataText", true);
        v->setTextInteractionFlags(Qt::TextSelectableByMouse);
        g->addWidget(l, i, 0);
        g->addWidget(v, i, 1);
        werte << v;
    }
    g->setColumnStretch(1, 1);
    g->setRowStretch(int(zeilen.size()), 1);
    return w;
}

void TFormVerpaarung::bauen()
{
    auto *haupt = new QVBoxLayout(this);
    auto *kopf = new QHBoxLayout;
    LabelSymbol = new QLabel(this);
    LabelSymbol->setObjectName(QStringLiteral("LabelSymbol"));
    LabelKatze = new QLabel(this);
    LabelKatze->setObjectName(QStringLiteral("LabelKatze"));
    LabelKatze->setProperty("dataText", true);
    QFont f = LabelKatze->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.2);
    LabelKatze->setFont(f);
    LabelSymbol->setFont(f);
    kopf->addWidget(LabelSymbol);
    kopf->addWidget(LabelKatze, 1);
    haupt->addLayout(kopf);

    Splitter = new QSplitter(Qt::Vertical, this);
    auto *splitter = Splitter;
    TreeView = new QTreeWidget(splitter);
    TreeView->setObjectName(QStringLiteral("TreeView"));
    TreeView->setHeaderHidden(true);
    TreeView->setMinimumHeight(60);
    Seiten = new QStackedWidget(splitter);
    Seiten->setMinimumHeight(100);
    splitter->setChildrenCollapsible(false);

    auto *tier = new QWidget;
    auto *tierLayout = new QHBoxLayout(tier);
    tierLayout->addWidget(seite({{8000, "Würfe:"},
                                 {8001, "Junge gesamt:"},
                                 {8002, "Durchschnitt pro Wurf:"},
                                 {8003, "Wurfgröße maximal:"},
                                 {8004, "Wurfgröße minimal:"},
                                 {8005, "Katzen:"},
                                 {8006, "Kater:"}},
                                werteTier));
    auto *davon = new QVBoxLayout;
    LabelDavon = new QLabel(QStringLiteral("davon"), tier);
    LabelDavon->setProperty("tag", TagDavon);
    Memo1 = new QPlainTextEdit(tier);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    davon->addWidget(LabelDavon);
    davon->addWidget(Memo1);
    davon->addStretch(1);
    tierLayout->addLayout(davon, 1);
    Seiten->addWidget(tier);
    Seiten->addWidget(seite({{8007, "Tier:"},
                             {8008, "Gemeinsame Würfe:"},
                             {8001, "Junge gesamt:"},
                             {8002, "Durchschnitt pro Wurf:"},
                             {8003, "Wurfgröße maximal:"},
                             {8004, "Wurfgröße minimal:"},
                             {8005, "Katzen:"},
                             {8006, "Kater:"},
                             {8009, "Bemerkung:"}},
                            wertePartner));
    auto *leer = new QLabel(QStringLiteral("keine Daten vorhanden"));
    leer->setProperty("tag", TagLeer);
    leer->setAlignment(Qt::AlignCenter);
    Seiten->addWidget(leer);
    Seiten->addWidget(seite(
        {{8007, "Tier:"}, {8027, "Wurf vom:"}, {8010, "Junge lebend:"}, {8005, "Katzen:"}, {8006, "Kater:"}},
        werteWurf));
    Seiten->addWidget(seite({{8007, "Tier:"},
                             {8028, "Rasse:"},
                             {8029, "Farbe:"},
                             {8030, "Besitzer:"},
                             {8031, "Züchter:"},
                             {8011, "verkauft:"},
                             {8012, "gekauft:"},
                             {8013, "gestorben:"},
                             {8009, "Bemerkung:"}},
                            werteJungtier));
    // the tree gets what the pages leave; a larger window shows more of it
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 0);
    haupt->addWidget(splitter, 1);

    auto *knoepfe = new QHBoxLayout;
    const auto knopf = [&](const char *name, const char *text, int tag) {
        auto *b = new QPushButton(QString::fromUtf8(text), this);
        b->setObjectName(QString::fromLatin1(name));
        b->setProperty("tag", tag);
        knoepfe->addWidget(b);
        return b;
    };
    BitBtnLaden = knopf("BitBtnLaden", "Katze laden", TagLaden);
    BitBtnDruck = knopf("BitBtnDruck", "Druck", TagDruck);
    auto *system = knopf("BitBtnSystemparameter", "Systemparameter", TagSystemparameter);
    knoepfe->addStretch(1);
    BitBtnHilfe = knopf("BitBtnHilfe", "&Hilfe", TagHilfe);
    BitBtnZurueck = knopf("BitBtnZurueck", "&Zurück", TagZurueck);
    haupt->addLayout(knoepfe);

    connect(TreeView, &QTreeWidget::currentItemChanged, this, [this] { knotenGewaehlt(); });
    connect(BitBtnLaden, &QPushButton::clicked, this, [this] {
        const int nummer = cats::ui::runCatSearch(this, 0);
        if (nummer > 0)
            KatzeLaden(nummer);
    });
    connect(BitBtnDruck, &QPushButton::clicked, this, [this] { drucken(); });
    // only the page of the matings display
    connect(system, &QPushButton::clicked, this, [] {
        if (shell::Shell *mw = shell::Shell::current())
            app::ui::optionenOeffnen(*mw, app::ui::TFOptionen::Seiten::Verpaarung);
    });
    connect(BitBtnHilfe, &QPushButton::clicked, this, [this] { showHelp(); });
    connect(BitBtnZurueck, &QPushButton::clicked, this, [this] { close(); });
}

QLocale TFormVerpaarung::locale() const
{
    const int s = app::sprache().languageNumber();
    return QLocale(s == 1 ? QLocale::English : s == 2 ? QLocale::Dutch : QLocale::German);
}

QString TFormVerpaarung::knotenText(qint32 nummer) const
{
    app::TDatenGlobal *g = app::TDatenGlobal::instance();
    return g ? g->KatzendatenVerp(nummer).daten.join(QStringLiteral("  ")) : QString();
}

void TFormVerpaarung::KatzeLaden(qint32 nummer)
{
    app::TDatenGlobal *g = app::TDatenGlobal::instance();
    if (nummer <= 0 || !g || !g->dbKatze->isOpen() || !g->dbKatze->findKey({nummer}))
        return;
    store::Table &k = *g->dbKatze;
    m_name = mitTitel(nummer, k.text(QStringLiteral("Name")));
    QString kopf = m_name + QStringLiteral(", ") + rasse(*g, k);
    if (!k.text(QStringLiteral("FellFarbe")).isEmpty())
        kopf += QStringLiteral(", ") + k.text(QStringLiteral("FellFarbe"));
    LabelKatze->setText(kopf);
    maennlich = istKater(k.text(QStringLiteral("Geschlecht")));
    LabelSymbol->setText(maennlich ? QStringLiteral("♂") : QStringLiteral("♀"));
    tiernummer = nummer;
    try {
        m_v = baueVerpaarungen(leseNachwuchs(*m_db, nummer, maennlich));
    } catch (const store::EngineError &e) {
        m_v = {};
        qWarning("%s", qPrintable(e.what()));
    }
    baumBauen();
}

void TFormVerpaarung::baumBauen()
{
    m_lock = true;
    TreeView->clear();
    auto *katze = new QTreeWidgetItem(TreeView, {knotenText(tiernummer)});
    katze->setBackground(0, farbe(maennlich));
    setzeBild(katze, bildNachGeschlecht(maennlich));
    if (m_v.partner.isEmpty()) {
        auto *keine = new QTreeWidgetItem(katze, {app::sprache().message(187)});
        keine->setData(0, RollePartner, -1);
        setzeBild(keine, BildKeine);
    }
    for (int p = 0; p < m_v.partner.size(); ++p) {
        const Partner &partner = m_v.partner[p];
        auto *pk = new QTreeWidgetItem(katze, {knotenText(partner.nummer)});
        pk->setData(0, RollePartner, p);
        pk->setBackground(0, farbe(partner.kater));
        setzeBild(pk, bildNachGeschlecht(partner.kater));
        for (int w = 0; w < partner.wuerfe.size(); ++w) {
            const Wurf &wurf = partner.wuerfe[w];
            auto *wk = new QTreeWidgetItem(pk, {datum(wurf.datum, locale())});
            wk->setData(0, RollePartner, p);
            wk->setData(0, RolleWurf, w);
            setzeBild(wk, BildWurf);
            for (int z : wurf.zeilen) {
                auto *kk = new QTreeWidgetItem(wk, {knotenText(m_v.zeilen[z].kitten)});
                kk->setData(0, RollePartner, p);
                kk->setData(0, RolleWurf, w);
                kk->setData(0, RolleZeile, z);
                kk->setBackground(0, farbe(istKater(m_v.zeilen[z].kittenGeschlecht)));
                setzeBild(kk, bildNachGeschlecht(istKater(m_v.zeilen[z].kittenGeschlecht)));
            }
        }
    }
    TreeView->expandAll();
    baumHoehe();
    const QStringList zeilen = m_v.partnerZeilen(wort(TagEinWurf, "Wurf mit"), wort(TagWuerfe, "Würfe mit"));
    Memo1->setPlainText(zeilen.join(QLatin1Char('\n')));
    // 15 pixels a line, or the font's line height where that is more; beyond four lines the memo
    // may shrink and scroll
    const int zeile = std::max(15, Memo1->fontMetrics().lineSpacing()),
              rand = 2 * Memo1->frameWidth() + 2 * int(Memo1->document()->documentMargin()),
              n = std::max(1, int(zeilen.size()));
    Memo1->setMinimumHeight(zeile * std::min(n, 4) + rand);
    Memo1->setMaximumHeight(zeile * n + rand);
    Memo1->setVisible(!zeilen.isEmpty());
    LabelDavon->setVisible(!zeilen.isEmpty());
    werteTier[0]->setText(QStringLiteral("  %1").arg(m_v.statistik.wuerfe));
    zeigeStatistik(werteTier, 1, m_v.statistik, maennlich);
    werteTier[0]->setPalette(werteTier[1]->palette());
    m_lock = false;
    TreeView->setCurrentItem(katze);
    knotenGewaehlt();
}

void TFormVerpaarung::zeigeStatistik(QVector<QLabel *> &werte, int ab, const WurfStatistik &s, bool kater)
{
    const QStringList texte{QString::number(s.junge),    s.durchschnitt(locale()),
                            QString::number(s.groesste), QString::number(s.kleinste),
                            QString::number(s.weiblich), QString::number(s.maennlich)};
    for (int i = 0; i < texte.size(); ++i)
        werte[ab + i]->setText(QStringLiteral("  ") + texte[i]);
    for (QLabel *l : werte) {
        QPalette p = l->palette();
        p.setColor(QPalette::Window, farbe(kater));
        l->setPalette(p);
    }
}

void TFormVerpaarung::knotenGewaehlt()
{
    QTreeWidgetItem *item = TreeView->currentItem();
    if (m_lock || !item)
        return;
    int ebene = 0;
    for (QTreeWidgetItem *i = item->parent(); i; i = i->parent())
        ++ebene;
    const int p = item->data(0, RollePartner).toInt();
    if (ebene == 0 || (ebene == 1 && p < 0)) {
        art = ebene == 0 ? Tier : Leer;
    } else if (ebene == 1) {
        art = PartnerSeite;
        const Partner &partner = m_v.partner[p];
        wertePartner[0]->setText(mitTitel(partner.nummer, partner.name));
        wertePartner[1]->setText(QStringLiteral("  %1").arg(partner.statistik.wuerfe));
        zeigeStatistik(wertePartner, 2, partner.statistik, partner.kater);
        m_daten = leseJungtier(*m_db, partner.nummer);
        wertePartner[8]->setText(m_daten.bemerkung);
    } else if (ebene == 2) {
        art = WurfSeite;
        const Partner &partner = m_v.partner[p];
        const Wurf &w = partner.wuerfe[item->data(0, RolleWurf).toInt()];
        werteWurf[0]->setText(mitTitel(partner.nummer, partner.name));
        werteWurf[1]->setText(datum(w.datum, locale()));
        werteWurf[2]->setText(QStringLiteral("  %1").arg(w.statistik.junge));
        werteWurf[3]->setText(QStringLiteral("  %1").arg(w.statistik.weiblich));
        werteWurf[4]->setText(QStringLiteral("  %1").arg(w.statistik.maennlich));
    } else {
        art = Jungtier;
        const NachwuchsZeile &z = m_v.zeilen[item->data(0, RolleZeile).toInt()];
        m_daten = leseJungtier(*m_db, z.kitten);
        const QLocale l = locale();
        const QStringList texte{mitTitel(z.kitten, z.kittenName),
                                m_daten.rasse,
                                m_daten.farbe,
                                m_daten.besitzer,
                                m_daten.zuechter,
                                datum(m_daten.verkauft, l),
                                datum(m_daten.gekauft, l),
                                datum(m_daten.gestorben, l),
                                m_daten.bemerkung};
        for (int i = 0; i < texte.size(); ++i)
            werteJungtier[i]->setText(texte[i]);
        for (QLabel *l : werteJungtier) {
            QPalette pal = l->palette();
            pal.setColor(QPalette::Window, farbe(istKater(z.kittenGeschlecht)));
            l->setPalette(pal);
        }
    }
    Seiten->setCurrentIndex(art);
}

printouts::VerpaarungDruck TFormVerpaarung::druckDaten() const
{
    printouts::VerpaarungAuswahl a;
    if (QTreeWidgetItem *item = TreeView->currentItem(); item && art != Tier && art != Leer) {
        a.seite = art == PartnerSeite ? printouts::VerpaarungAuswahl::PartnerSeite
                  : art == WurfSeite  ? printouts::VerpaarungAuswahl::WurfSeite
                                      : printouts::VerpaarungAuswahl::Jungtier;
        a.partner = item->data(0, RollePartner).toInt();
        a.wurf = item->data(0, RolleWurf).isValid() ? item->data(0, RolleWurf).toInt() : -1;
        a.zeile = item->data(0, RolleZeile).isValid() ? item->data(0, RolleZeile).toInt() : -1;
        a.daten = m_daten;
    }
    return printouts::verpaarungDruck(
        m_v, a, tiernummer, maennlich, m_name, [this](qint32 n) { return knotenText(n); },
        Memo1->toPlainText().split(QLatin1Char('\n'), Qt::SkipEmptyParts), locale());
}

void TFormVerpaarung::drucken()
{
    report::ui::zeigeVorschau(printouts::reportVerpaarung(druckDaten()), this);
}

// The tree shows all its lines where the window has room for them beside what the pages need, and
// never fewer than the 100 pixels the window always gave it.
void TFormVerpaarung::baumHoehe()
{
    int zeilen = 0;
    for (QTreeWidgetItemIterator it(TreeView); *it; ++it)
        ++zeilen;
    const int zeile = std::max(TreeView->sizeHintForRow(0), TreeView->fontMetrics().height() + 2);
    const int bedarf = zeilen * zeile + 2 * TreeView->frameWidth() + 4;
    const int frei = Splitter->height() - Splitter->handleWidth();
    const int seiten = std::max(100, Seiten->minimumSizeHint().height());
    hoehe = std::max(100, std::min(bedarf, frei - seiten));
    Splitter->setSizes({hoehe, std::max(seiten, frei - hoehe)});
}

void registerVerpaarung()
{
    shell::registerWindow(QStringLiteral("formverpaarung"), [](shell::Shell &mw) -> QWidget * {
        if (TFormVerpaarung *w = TFormVerpaarung::instance())
            return w;
        auto *w = new TFormVerpaarung(store::defaultDatabase());
        if (QMdiSubWindow *sub = mw.addChild(w))
            sub->resize(QSize(760, 620));
        return w;
    });
}

} // namespace tav::breeding::ui
