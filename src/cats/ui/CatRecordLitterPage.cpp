#include "CatRecordLitterPage.h"
#include "PcatstamIntern.h"

#include "app/Global.h"
#include "app/Sprache.h"
#include "app/Systemi.h"
#include "cats/CatSearch.h"
#include "store/Table.h"
#include "widgets/DBGrid.h"
#include "widgets/DataControls.h"
#include "widgets/DataSource.h"
#include "widgets/Dialogs.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QVBoxLayout>

using namespace tav::store;
using namespace tav::app;
using namespace tav::widgets;

namespace tav::cats::ui {

namespace {
constexpr int MeldungSpeichern = 29;
constexpr int MeldungWurfzahlUebernommen = 9850;
constexpr int MeldungWurfzahlNichtUebernommen = 9851;

// grid columns: name, title, birth date, father, mother, sex, colour, traits, breed
enum Spalte { SpName, SpTitel, SpGeb, SpVater, SpMutter, SpGeschl, SpFarbe, SpMerkmale, SpRasse };

QString beschriftung(int tag, const QString &fallback)
{
    const QString t = captionText(tag);
    return t.isEmpty() ? fallback : t;
}
} // namespace

CatRecordLitterPage::CatRecordLitterPage(const ZuchtQuellen &q, std::function<int()> aktuelleKatze,
                                         QPushButton *hilfe, QWidget *parent)
    : QWidget(parent), m_q(q), m_aktuelleKatze(std::move(aktuelleKatze))
{
    m_geschwister = new Table(q.db, QStringLiteral("CATSTAMM.DB"), this);
    m_geschwister->setObjectName(QStringLiteral("TableGeschwister"));
    m_geschwister->setReadOnly(true);
    m_geschwisterQuelle = new DataSource(m_geschwister, this);

    auto *l = new QGridLayout(this);
    auto *knoepfe = new QHBoxLayout;
    const QVector<QPair<int, const char *>> arten = {{TagWurfgeschwister, "Wurfgeschwister"},
                                                     {TagGeschwVater, "Geschwister väterlicherseits"},
                                                     {TagGeschwMutter, "Geschwister mütterlicherseits"}};
    for (int i = 0; i < arten.size(); ++i) {
        auto *b = knopfMitTag(arten[i].first, QString::fromUtf8(arten[i].second), this);
        b->setObjectName(QStringLiteral("BitBtnGeschwister%1").arg(i));
        connect(b, &QPushButton::clicked, this, [this, i] { geschwisterWaehlen(Geschwisterart(i)); });
        knoepfe->addWidget(b);
        m_knoepfe << b;
    }
    knoepfe->addStretch();
    l->addLayout(knoepfe, 0, 0, 1, 2);

    m_grid = new DBGrid(m_geschwisterQuelle, this);
    m_grid->setObjectName(QStringLiteral("DBGridGeschwister"));
    TableModel *m = m_grid->tableModel();
    Database *db = q.db;
    m->addColumn(QStringLiteral("Name"), QStringLiteral("Name"));
    m->addCalcColumn(QStringLiteral("Titel"), [](Table &t) {
        TDatenGlobal *g = TDatenGlobal::instance();
        return g ? g->GetTitel(t.intValue(QStringLiteral("LaufendeNummer"))) : QString();
    });
    m->addColumn(QStringLiteral("GebDatum"), QStringLiteral("Geb.-Datum"));
    m->addLookupColumn(QStringLiteral("Vater"), QStringLiteral("Vater"), QStringLiteral("CATSTAMM.DB"),
                       QStringLiteral("LaufendeNummer"), QStringLiteral("Name"));
    m->addLookupColumn(QStringLiteral("Mutter"), QStringLiteral("Mutter"), QStringLiteral("CATSTAMM.DB"),
                       QStringLiteral("LaufendeNummer"), QStringLiteral("Name"));
    m->addCalcColumn(QStringLiteral("Geschl."), [](Table &t) {
        const int sprache = sprachNummer();
        return sprache == 2 ? QString() : geschlAnzeige(t.text(QStringLiteral("Geschlecht")), sprache);
    });
    m->addColumn(QStringLiteral("FellFarbe"), QStringLiteral("Farbe"));
    m->addCalcColumn(QStringLiteral("Merkmale"), [db](Table &t) {
        return merkmalKuerzel(*db, t.intValue(QStringLiteral("LaufendeNummer"))).join(QLatin1Char('/'));
    });
    m->addLookupColumn(QStringLiteral("Rasse"), QStringLiteral("Rasse"), QStringLiteral("RASSE.DB"),
                       QStringLiteral("RCode"), QStringLiteral("RName"));
    spaltenTags(m_grid, {TagSpalteName, TagSpalteTitel, TagSpalteGeb, TagSpalteVater, TagSpalteMutter,
                         TagGeschl, TagSpalteFarbe, TagSpalteMerkmale, TagSpalteRasse});
    m_grid->horizontalHeader()->setStretchLastSection(true);
    m_grid->setColumnWidth(SpName, 200);
    l->addWidget(m_grid, 1, 0);

    auto *bildBox = new QVBoxLayout;
    m_bildName = new QLabel(this);
    m_bildName->setObjectName(QStringLiteral("LabelGeschwisterName"));
    m_bildName->setProperty("dataText", true);
    m_bild = new QLabel(this);
    m_bild->setObjectName(QStringLiteral("BildGeschwister"));
    m_bild->setFixedSize(220, 200);
    m_bild->setAlignment(Qt::AlignCenter);
    m_bild->setFrameShape(QFrame::StyledPanel);
    bildBox->addWidget(m_bildName);
    bildBox->addWidget(m_bild);
    bildBox->addStretch();
    l->addLayout(bildBox, 1, 1);
    connect(m_geschwisterQuelle, &DataSource::recordChanged, this, [this] {
        if (isVisible() && !m_wurfzahlSpeichern)
            bildLaden();
    });

    auto *unten = new QHBoxLayout;
    unten->addWidget(eigeneDatenBauen());
    unten->addWidget(gewichtstabelleBauen(), 1);
    unten->addWidget(m_wurfstaerke = wurfstaerkeBauen());
    unten->addStretch();
    auto *hilfeBox = new QVBoxLayout;
    hilfeBox->addStretch();
    hilfeBox->addWidget(hilfe);
    unten->addLayout(hilfeBox);
    l->addLayout(unten, 2, 0, 1, 2);
    l->setRowStretch(1, 1);
    geschwisterWaehlen(Geschwisterart::Vaeterlich);
}

QWidget *CatRecordLitterPage::eigeneDatenBauen()
{
    auto *box = new QGroupBox(this);
    box->setProperty("tag", TagEigeneWurfdaten);
    box->setTitle(QStringLiteral("Geburt und Fehler"));
    auto *g = new QGridLayout(box);
    DataSource *z = m_q.eigenerZusatz;
    auto zeile = [&](int r, int c, int tag, const char *text, QWidget *feld) {
        g->addWidget(textMitTag(tag, QString::fromUtf8(text), box), r, c);
        g->addWidget(feld, r, c + 1);
    };
    auto auswahl = [&](const char *feld, QStringList texte) {
        auto *c = new DBComboBox(z, QString::fromLatin1(feld), box);
        c->setObjectName(QStringLiteral("DBEigen") + QString::fromLatin1(feld));
        c->addItems(texte);
        return c;
    };
    auto *geb = new DBEdit(z, QStringLiteral("Gebgewicht"), box);
    geb->setObjectName(QStringLiteral("DBEigenGebgewicht"));
    zeile(0, 0, TagGebGew, "Geb.-gew.", geb);
    zeile(1, 0, TagAbgGew, "Abg.-gew.", new DBEdit(z, QStringLiteral("Abggewicht"), box));
    zeile(0, 2, TagKieferfehler, "Kieferfehler", auswahl("Kieferfehler", kieferfehlerTexte()));
    zeile(1, 2, TagBruch, "Bruch", auswahl("Bruch", bruchTexte()));
    zeile(2, 2, TagHoden, "Hoden", auswahl("Hoden", hodenTexte() + QStringList{QString()}));
    g->addWidget(
        textMitTag(TagWeitereFehler, QStringLiteral("Weitere Fehler/Abweichungen vom Standard"), box), 3, 0,
        1, 4);
    g->addWidget(new DBEdit(z, QStringLiteral("WeitereFehler"), box), 4, 0, 1, 4);
    auto *speichern = knopfMitTag(TagSpeichern, QStringLiteral("Speichern"), box);
    auto *zurueck = knopfMitTag(TagRueckgaengig, QStringLiteral("R&ückgängig"), box);
    z->attachButtons(speichern, zurueck);
    auto *k = new QHBoxLayout;
    k->addStretch();
    k->addWidget(speichern);
    k->addWidget(zurueck);
    g->addLayout(k, 5, 0, 1, 4);
    return box;
}

QWidget *CatRecordLitterPage::gewichtstabelleBauen()
{
    auto *w = new QWidget(this);
    auto *l = new QVBoxLayout(w);
    l->setContentsMargins(0, 0, 0, 0);
    m_gewichtstabelleTitel = textMitTag(TagGewichtstabelle, QStringLiteral("Gewichtstabelle"), w);
    m_gewichtstabelleTitel->setProperty("dataText", true); // it carries the cat's name
    l->addWidget(m_gewichtstabelleTitel);
    auto *grid = new DBGrid(m_q.gewichtstabelle, w);
    grid->setObjectName(QStringLiteral("DBGridGewichtstabelle"));
    TableModel *m = grid->tableModel();
    m->addColumn(QStringLiteral("Datum"), QStringLiteral("Datum"), true);
    m->addColumn(QStringLiteral("Alter"), QStringLiteral("Alter"), false);
    m->addColumn(QStringLiteral("Gewicht"), QStringLiteral("Gewicht"), true);
    m->addColumn(QString::fromUtf8("Grösse"), QString::fromUtf8("Grösse"), true);
    spaltenTags(grid, {TagWiegedatum, TagAlter, TagGewicht, TagGroesse});
    grid->horizontalHeader()->setStretchLastSection(true);
    l->addWidget(grid, 1);
    auto *neu = knopfMitTag(TagHinzufuegen, QStringLiteral("Hinzufügen"), w);
    neu->setObjectName(QStringLiteral("GEWICHT.DBHinzufuegen"));
    connect(neu, &QPushButton::clicked, this, [this] {
        if (m_aktuelleKatze() > 0)
            m_q.gewichtstabelle->append();
    });
    l->addWidget(neu, 0, Qt::AlignLeft);
    return w;
}

QWidget *CatRecordLitterPage::wurfstaerkeBauen()
{
    auto *w = new QWidget(this);
    w->setObjectName(QStringLiteral("PanelWurfstaerke"));
    auto *g = new QGridLayout(w);
    auto *zahl = new DBEdit(m_q.katze, QStringLiteral("Wurfzahl"), w);
    zahl->setObjectName(QStringLiteral("DBWurfzahl"));
    zahl->setMaximumWidth(60);
    g->addWidget(textMitTag(TagWurfstaerke, QStringLiteral("Wurfstärke"), w), 0, 0);
    g->addWidget(zahl, 0, 1);
    const QVector<QPair<int, QPair<const char *, const char *>>> fehler = {
        {TagHodenfehler, {"Hodenfehler", "HF"}},
        {TagWeisse, {"Weiße", "W"}},
        {TagHasenscharte, {"Hasenscharte", "HS"}},
        {TagWolfsrachen, {"Wolfsrachen", "WR"}}};
    int r = 1;
    for (const auto &[tag, texte] : fehler) {
        g->addWidget(textMitTag(tag, QString::fromUtf8(texte.first), w), r, 0);
        auto *e = new DBEdit(m_q.wurfFehler, QString::fromLatin1(texte.second), w);
        e->setMaximumWidth(60);
        g->addWidget(e, r++, 1);
    }
    auto *speichern = knopfMitTag(TagSpeichern, QStringLiteral("Speichern"), w);
    m_q.wurfFehler->attachButtons(speichern, nullptr);
    g->addWidget(speichern, r++, 1);
    m_uebernahme = knopfMitTag(TagUebernahme, QStringLiteral("Übernahme zu Wurfgeschwistern"), w);
    m_uebernahme->setObjectName(QStringLiteral("BitBtnUebernahme"));
    connect(m_uebernahme, &QPushButton::clicked, this, [this] { wurfzahlKopieren(); });
    g->addWidget(m_uebernahme, r, 0, 1, 2);
    return w;
}

void CatRecordLitterPage::ohneWurfstaerke()
{
    m_wurfstaerke->hide();
    m_knoepfe[int(Geschwisterart::Wurf)]->hide();
}

void CatRecordLitterPage::geschwisterWaehlen(Geschwisterart art)
{
    m_art = art;
    for (int i = 0; i < m_knoepfe.size(); ++i) {
        QFont f = m_knoepfe[i]->font();
        f.setBold(i == int(art));
        m_knoepfe[i]->setFont(f);
    }
    m_grid->setColumnHidden(SpGeb, art == Geschwisterart::Wurf);
    m_grid->setColumnHidden(SpVater, art != Geschwisterart::Muetterlich);
    m_grid->setColumnHidden(SpMutter, art != Geschwisterart::Vaeterlich);
    m_uebernahme->setEnabled(art == Geschwisterart::Wurf);

    Table *k = m_q.katze->table();
    Abstammung a;
    if (k->isOpen() && (k->hasRecord() || k->isEditing())) {
        a.nr = k->state() == Table::State::Insert ? 0 : k->intValue(QStringLiteral("LaufendeNummer"));
        a.vater = k->intValue(QStringLiteral("Vater"));
        a.mutter = k->intValue(QStringLiteral("Mutter"));
        a.geb = k->value(QStringLiteral("GebDatum")).toDate();
    }
    const GeschwisterAuswahl wahl = geschwisterAuswahl(art, a);
    m_aktiv = wahl.gueltig;
    try {
        m_geschwister->close();
        if (wahl.gueltig) {
            m_geschwister->setIndexName(wahl.index);
            m_geschwister->setFilter(wahl.filter);
            m_geschwister->setFiltered(true);
            m_geschwister->open();
            m_geschwister->setRange(wahl.schluessel, wahl.schluessel);
        }
    } catch (const std::exception &e) {
        m_aktiv = false;
        reportDatabaseError(e, QStringLiteral("CATSTAMM.DB"));
    }
    m_grid->tableModel()->reload();
    // the name column is headed by the list's button
    m_grid->model()->setHeaderData(SpName, Qt::Horizontal,
                                   m_knoepfe[int(art)]->text().remove(QLatin1Char('&')));
    if (isVisible() || !m_aktiv)
        bildLaden();
}

void CatRecordLitterPage::katzeGewechselt()
{
    Table *k = m_q.katze->table();
    const bool da = k->isOpen() && k->hasRecord() && !k->isEditing();
    const int nr = da ? k->intValue(QStringLiteral("LaufendeNummer")) : 0;
    // the same cat stored with other parents or birth date: its lists are read again
    const QString abstammung =
        da ? QStringLiteral("%1/%2/%3")
                 .arg(k->intValue(QStringLiteral("Vater")))
                 .arg(k->intValue(QStringLiteral("Mutter")))
                 .arg(k->value(QStringLiteral("GebDatum")).toDate().toString(Qt::ISODate))
           : QString();
    if (nr == m_letzteKatze) {
        if (abstammung != m_abstammung) {
            m_abstammung = abstammung;
            geschwisterWaehlen(m_art);
        }
        return;
    }
    m_letzteKatze = nr;
    m_abstammung = abstammung;
    geschwisterWaehlen(Geschwisterart::Vaeterlich);
    m_gewichtstabelleTitel->setText(beschriftung(TagGewichtstabelle, QStringLiteral("Gewichtstabelle")) +
                                    QLatin1Char(' ') +
                                    (nr > 0 ? k->text(QStringLiteral("Name")) : QString()));
    if (m_q.gewichtstabelle->isOpen() && !m_q.gewichtstabelle->isEditing())
        m_q.gewichtstabelle->last();
}

void CatRecordLitterPage::gezeigt()
{
    bildLaden();
}

void CatRecordLitterPage::bildLaden()
{
    const bool da = m_aktiv && m_geschwister->isOpen() && m_geschwister->hasRecord();
    const int nr = da ? m_geschwister->intValue(QStringLiteral("LaufendeNummer")) : 0;
    m_bildName->setText(da ? m_geschwister->text(QStringLiteral("Name")) : QString());
    m_bild->setVisible(m_aktiv);
    QString pfad;
    try {
        if (nr > 0)
            pfad = bildDerKatze(*m_q.db, nr, m_geschwister->intValue(QStringLiteral("Feld2")));
    } catch (const std::exception &e) {
        reportDatabaseError(e, QStringLiteral("BILDER.DB"));
    }
    if (pfad.isEmpty()) {
        m_bild->setPixmap(QPixmap());
        m_bild->setText(nr > 0 ? beschriftung(TagBildNichtGefunden, QStringLiteral("Bild nicht gefunden"))
                               : QString());
        return;
    }
    m_bild->setText(QString());
    m_bild->setPixmap(QPixmap(pfad).scaled(m_bild->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void CatRecordLitterPage::wurfzahlKopieren()
{
    DataSource *katze = m_q.katze;
    if (m_art != Geschwisterart::Wurf || !m_aktiv || m_aktuelleKatze() <= 0)
        return;
    if (!einstellungen().speichern &&
        showMessage(MeldungSpeichern, MsgIcon::Warning, MsgButtons::YesNo) != QMessageBox::Yes)
        return;
    if (katze->isEditing()) {
        // asked once: the cat is posted without a second question
        const auto vorher = katze->saveWithoutAsking();
        katze->setSaveWithoutAsking(true);
        const bool ok = katze->save();
        katze->setSaveWithoutAsking(vorher);
        if (!ok)
            return;
    }
    Table *k = katze->table();
    const Abstammung a{k->intValue(QStringLiteral("LaufendeNummer")), k->intValue(QStringLiteral("Vater")),
                       k->intValue(QStringLiteral("Mutter")), k->value(QStringLiteral("GebDatum")).toDate()};
    const QString wurfzahl = k->text(QStringLiteral("Wurfzahl"));
    try {
        int anzahl = 0;
        {
            const QScopedValueRollback<bool> speichernd(m_wurfzahlSpeichern, true);
            anzahl = wurfzahlUebernehmen(*m_q.db, a, wurfzahl);
        }
        m_geschwister->refresh();
        m_grid->tableModel()->reload();
        showMessage(MeldungWurfzahlUebernommen, MsgIcon::Information, MsgButtons::Ok, QString(),
                    QStringLiteral(" %1").arg(anzahl));
    } catch (const std::exception &e) {
        showMessage(MeldungWurfzahlNichtUebernommen, MsgIcon::Error, MsgButtons::Ok, QString(),
                    QLatin1Char(' ') + QString::fromUtf8(e.what()));
    }
}

} // namespace tav::cats::ui
