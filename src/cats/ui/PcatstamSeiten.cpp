#include "Pcatstam.h"
#include "PcatstamIntern.h"

#include "app/Systemi.h"
#include "app/ui/DBGrid.h"
#include "app/ui/DataControls.h"
#include "app/ui/DataSource.h"
#include "app/ui/Dialogs.h"
#include "app/ui/Main.h"
#include "app/ui/StoredColour.h"
#include "cats/Stammdaten.h"
#include "store/EngineError.h"

#include <QAction>
#include <QDesktopServices>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QImageReader>
#include <QIntValidator>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QTabBar>
#include <QUrl>
#include <QVBoxLayout>

using namespace tav::store;
using namespace tav::app;
using namespace tav::app::ui;

namespace tav::cats::ui {

namespace {
constexpr int Rahmen = 73;
constexpr int Abstand = 85;

void spaltenTags(DBGrid *grid, const QVariantList &tags)
{
    grid->setProperty("columnTags", tags);
}

QPushButton *knopf(int tag, const QString &text, QWidget *parent)
{
    auto *b = new QPushButton(text, parent);
    b->setProperty("tag", tag);
    return b;
}

QLabel *text(int tag, const QString &t, QWidget *parent)
{
    auto *l = new QLabel(t, parent);
    l->setProperty("tag", tag);
    return l;
}

// a thumbnail that reports its click
class Vorschau : public QFrame
{
  public:
    Vorschau(int n, std::function<void(int)> klick, QWidget *parent)
        : QFrame(parent), m_n(n), m_klick(std::move(klick))
    {
        setAutoFillBackground(true);
    }

  protected:
    void mousePressEvent(QMouseEvent *) override { m_klick(m_n); }

  private:
    int m_n;
    std::function<void(int)> m_klick;
};
} // namespace

// --- page 2: pictures --------------------------------------------------------

QWidget *TCatStamm::seiteBildBauen()
{
    auto *page = new QWidget;
    auto *l = new QGridLayout(page);
    m_streifenScroll = new QScrollArea(page);
    m_streifenScroll->setObjectName(QStringLiteral("ScrollBoxBilder"));
    m_streifenScroll->setFixedHeight(Rahmen + 40);
    m_streifenScroll->setWidgetResizable(false);
    m_streifen = new QWidget;
    m_streifen->resize(10, Rahmen + 20);
    m_streifenScroll->setWidget(m_streifen);
    l->addWidget(m_streifenScroll, 0, 0, 1, 3);

    m_grossPanel = new QFrame(page);
    m_grossPanel->setObjectName(QStringLiteral("PanelGrossBild"));
    m_grossPanel->setFrameShape(QFrame::Panel);
    m_grossPanel->setFrameShadow(QFrame::Sunken);
    m_grossPanel->setMinimumSize(320, 240);
    m_grossBild = new QLabel(m_grossPanel);
    m_grossBild->setObjectName(QStringLiteral("ImageGross"));
    m_grossBild->setScaledContents(true);
    m_grossBild->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto *auswahl = new QAction(QStringLiteral("Auswahl für Druck"), m_grossBild);
    auswahl->setObjectName(QStringLiteral("AuswahlfuerDruck"));
    auswahl->setProperty("tag", TagAuswahlDruck);
    connect(auswahl, &QAction::triggered, this, [this] { druckBildSetzen(aktBild); });
    m_grossBild->addAction(auswahl);
    l->addWidget(m_grossPanel, 1, 0, 1, 2);

    auto *rechts = new QVBoxLayout;
    m_zaehler = new QLabel(page);
    m_zaehler->setProperty("dataText", true);
    m_zaehler->setObjectName(QStringLiteral("LabelBildZaehler"));
    rechts->addWidget(m_zaehler);
    auto *laden = knopf(TagBildLaden, QStringLiteral("Bi&ld laden"), page);
    auto *loeschen = knopf(TagBildLoeschen, QStringLiteral("B&ild löschen"), page);
    connect(laden, &QPushButton::clicked, this, [this] { bildHinzufuegen(); });
    connect(loeschen, &QPushButton::clicked, this, [this] { bildLoeschen(); });
    rechts->addWidget(laden);
    rechts->addWidget(loeschen);
    m_druckVon = new DBEdit(m_src, QStringLiteral("Feld2"), page);
    m_druckVon->setObjectName(QStringLiteral("DBEditFeld2"));
    m_druckVon->setValidator(new QIntValidator(0, 255, m_druckVon));
    connect(m_druckVon, &QLineEdit::editingFinished, this, [this] { druckBildFeldVerlassen(); });
    rechts->addWidget(text(TagDruckVonBild, QStringLiteral("Druck  von Bild"), page));
    rechts->addWidget(m_druckVon);
    m_bildMemo1 = new DBMemo(m_bilder.source, QStringLiteral("BildMemo1"), page);
    m_bildMemo2 = new DBMemo(m_bilder.source, QStringLiteral("BildMemo2"), page);
    rechts->addWidget(text(TagBildMemo, QStringLiteral("Bildtext"), page));
    rechts->addWidget(m_bildMemo1);
    rechts->addWidget(m_bildMemo2);
    rechts->addStretch();
    rechts->addWidget(hilfeKnopf(13, page));
    l->addLayout(rechts, 1, 2);
    l->setColumnStretch(0, 1);
    l->setRowStretch(1, 1);
    return page;
}

void TCatStamm::BildanGroesseAnpassen(QLabel *ziel, const QString &pfad, QWidget *panel, int rand,
                                      bool anpassen)
{
    QImageReader reader(pfad);
    reader.setAutoTransform(true);
    const QImage bild = reader.read();
    if (bild.isNull()) {
        ziel->hide();
        return;
    }
    const QRect r = bildEinpassen(bild.size(), panel->size(), rand, anpassen || einstellungen().BildAnpassen);
    ziel->setPixmap(
        QPixmap::fromImage(bild.scaled(r.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
    ziel->setGeometry(r);
    ziel->show();
}

// The strip, the counter, the large picture and the picture for print of the cat shown.
void TCatStamm::bilderLaden()
{
    if (!m_streifen)
        return;
    qDeleteAll(m_streifen->findChildren<QWidget *>(Qt::FindDirectChildrenOnly));
    m_rahmen.clear();
    m_balken.clear();
    m_bildPfade.clear();
    Table *t = m_bilder.table;
    if (aktuelleKatze() > 0 && t && t->isOpen()) {
        try {
            const auto keep = t->bookmark();
            for (t->first(); !t->eof(); t->next())
                m_bildPfade << t->text(QStringLiteral("Bildpfad"));
            if (keep.isValid() && t->bookmarkValid(keep))
                t->gotoBookmark(keep);
        } catch (const EngineError &e) {
            reportDatabaseError(e, QStringLiteral("BILDER.DB"));
        }
    }
    ZaehlerBilder = int(qMin<qsizetype>(m_bildPfade.size(), 255));
    const int feld2 =
        m_katze->hasRecord() || m_katze->isEditing() ? m_katze->intValue(QStringLiteral("Feld2")) : 0;
    for (int n = 1; n <= ZaehlerBilder; ++n) {
        auto *nummer = new QLabel(QString::number(n), m_streifen);
        nummer->setGeometry(Abstand * (n - 1), 0, 20, 14);
        auto *rahmen = new Vorschau(
            n, [this](int k) { bildWaehlen(k); }, m_streifen);
        rahmen->setObjectName(QStringLiteral("Rahmen%1").arg(n));
        rahmen->setGeometry(10 + Abstand * (n - 1), 14, Rahmen, Rahmen);
        auto *bild = new QLabel(rahmen);
        const QString pfad = m_bildPfade[n - 1];
        if (QFileInfo::exists(pfad)) {
            BildanGroesseAnpassen(bild, pfad, rahmen, 3, true);
        } else {
            bild->setText(QStringLiteral("?"));
            bild->setAlignment(Qt::AlignCenter);
            bild->setGeometry(3, 3, Rahmen - 6, Rahmen - 6);
        }
        auto *balken = new QFrame(m_streifen);
        balken->setGeometry(10 + Abstand * (n - 1), 14 + Rahmen + 1, Rahmen, 3);
        balken->setAutoFillBackground(true);
        m_rahmen << rahmen;
        m_balken << balken;
    }
    m_streifen->resize(10 + Abstand * ZaehlerBilder, Rahmen + 20);
    for (QWidget *w : m_streifen->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        w->show();
    // the picture that represents the cat: the first that exists, or the one chosen for print
    BildFuerDruck.clear();
    for (const QString &p : std::as_const(m_bildPfade)) {
        if (QFileInfo::exists(p)) {
            BildFuerDruck = p;
            break;
        }
    }
    if (druckBildGueltig(feld2, ZaehlerBilder) && QFileInfo::exists(m_bildPfade[feld2 - 1]))
        BildFuerDruck = m_bildPfade[feld2 - 1];
    aktBild = ZaehlerBilder > 0 ? 1 : 0;
    bildWaehlen(aktBild);
    if (m_bildSeite0) {
        if (BildFuerDruck.isEmpty()) {
            m_bildSeite0->hide();
            m_keinBild->show();
        } else {
            m_keinBild->hide();
            BildanGroesseAnpassen(m_bildSeite0, BildFuerDruck, m_bildPanel0, 0, true);
        }
    }
}

void TCatStamm::bildWaehlen(int n)
{
    const int feld2 =
        m_katze->hasRecord() || m_katze->isEditing() ? m_katze->intValue(QStringLiteral("Feld2")) : 0;
    aktBild = n;
    for (int i = 0; i < m_rahmen.size(); ++i) {
        QPalette p = m_rahmen[i]->palette();
        p.setColor(QPalette::Window, i + 1 == n ? Qt::red : palette().color(QPalette::Window));
        m_rahmen[i]->setPalette(p);
        QPalette b = m_balken[i]->palette();
        b.setColor(QPalette::Window, i + 1 == feld2 ? Qt::blue : palette().color(QPalette::Window));
        m_balken[i]->setPalette(b);
    }
    m_zaehler->setText(bildZaehler(n, ZaehlerBilder, sprachNummer()));
    if (n >= 1 && n <= m_bildPfade.size() && QFileInfo::exists(m_bildPfade[n - 1]))
        BildanGroesseAnpassen(m_grossBild, m_bildPfade[n - 1], m_grossPanel, 0, false);
    else
        m_grossBild->hide();
    // the memos follow the selected picture
    Table *t = m_bilder.table;
    if (n >= 1 && t && t->isOpen() && !t->isEditing()) {
        try {
            t->moveTo(n);
        } catch (const EngineError &) {
        }
    }
}

void TCatStamm::bildHinzufuegen()
{
    if (aktuelleKatze() <= 0)
        return;
    const QString pfad =
        openFileName(this, QString(), QString(), QStringLiteral("JPEG (*.jpg *.jpeg);;Bitmap (*.bmp)"));
    if (pfad.isEmpty())
        return;
    if (!QFileInfo::exists(pfad)) {
        showMessage(24, MsgIcon::Error, MsgButtons::Ok, QString(), QStringLiteral(" ") + pfad);
        return;
    }
    DataSource *s = m_bilder.source;
    if (!s->append() || !s->setFieldValue(QStringLiteral("Bildpfad"), pfad) || !s->save())
        return;
    bilderLaden();
    bildWaehlen(ZaehlerBilder);
}

void TCatStamm::bildLoeschen()
{
    if (aktBild < 1 || aktBild > ZaehlerBilder)
        return;
    if (showMessage(27, MsgIcon::Warning, MsgButtons::YesNo) != QMessageBox::Yes)
        return;
    const int geloescht = aktBild;
    Table *t = m_bilder.table;
    try {
        if (!t->moveTo(geloescht))
            return;
        t->remove();
    } catch (const EngineError &e) {
        reportDatabaseError(e, QStringLiteral("BILDER.DB"));
        return;
    }
    const int feld2 = m_katze->intValue(QStringLiteral("Feld2"));
    const int neu = druckBildNachLoeschen(feld2, geloescht);
    if (neu != feld2)
        m_src->setFieldValue(QStringLiteral("Feld2"), neu == 0 ? QVariant() : QVariant(neu));
    bilderLaden();
    bildWaehlen(qMin(geloescht, ZaehlerBilder));
}

void TCatStamm::druckBildSetzen(int n)
{
    if (!druckBildGueltig(n, ZaehlerBilder))
        return;
    m_src->setFieldValue(QStringLiteral("Feld2"), n);
    if (QFileInfo::exists(m_bildPfade[n - 1])) {
        BildFuerDruck = m_bildPfade[n - 1];
        m_keinBild->hide();
        BildanGroesseAnpassen(m_bildSeite0, BildFuerDruck, m_bildPanel0, 0, true);
    }
    bildWaehlen(aktBild);
}

void TCatStamm::druckBildFeldVerlassen()
{
    if (!m_src->isEditing())
        return;
    const QVariant v = m_katze->value(QStringLiteral("Feld2"));
    if (ZaehlerBilder == 0) {
        m_src->setFieldValue(QStringLiteral("Feld2"), QVariant());
        return;
    }
    if (v.isNull())
        return;
    if (!druckBildGueltig(v.toInt(), ZaehlerBilder)) {
        showMessage(227, MsgIcon::Information, MsgButtons::Ok);
        m_src->setFieldValue(QStringLiteral("Feld2"), 0);
        return;
    }
    druckBildSetzen(v.toInt());
}

// --- page 3: extra information -------------------------------------------------

QWidget *TCatStamm::seiteZusatzinfoBauen()
{
    auto *page = new QWidget;
    auto *l = new QGridLayout(page);
    // traits
    auto *merkmale = new QGroupBox(QStringLiteral("Merkmale"), page);
    merkmale->setProperty("tag", TagMerkmale);
    auto *ml = new QVBoxLayout(merkmale);
    m_merkmalGrid = new DBGrid(m_katzeMerkmal.source, merkmale);
    m_merkmalGrid->setObjectName(QStringLiteral("DBGridMerkmale"));
    TableModel *model = m_merkmalGrid->tableModel();
    model->addCalcColumn(QString(), [](Table &) { return QVariant(); });
    model->addLookupColumn(QStringLiteral("Kürzel"), QStringLiteral("Merkmal"), QStringLiteral("MERKMALE.DB"),
                           QStringLiteral("LaufendeNummer"), QStringLiteral("Kuerzel"));
    model->addLookupColumn(QStringLiteral("Merkmal"), QStringLiteral("Merkmal"),
                           QStringLiteral("MERKMALE.DB"), QStringLiteral("LaufendeNummer"),
                           QStringLiteral("Bezeichnung"));
    model->setRowColour([db = m_db](Table &t) {
        try {
            Table k(db, QStringLiteral("MERKMALE.DB"));
            k.setReadOnly(true);
            k.open();
            if (k.findKey({t.intValue(QStringLiteral("Merkmal"))})) {
                const int f = k.intValue(QStringLiteral("farbe"));
                return f ? storedColour(f) : QColor(Qt::white);
            }
        } catch (const EngineError &) {
        }
        return QColor(Qt::white);
    });
    spaltenTags(m_merkmalGrid, {0, TagKuerzel, TagMerkmal});
    m_merkmalGrid->setColumnWidth(0, 20);
    m_merkmalGrid->horizontalHeader()->setStretchLastSection(true);
    ml->addWidget(m_merkmalGrid);
    auto *merkmalKnoepfe = new QHBoxLayout;
    auto *merkmalWahl = new DBLookupComboBox(merkmale);
    merkmalWahl->setObjectName(QStringLiteral("DBLookupMerkmal"));
    merkmalWahl->setMaxVisibleItems(20);
    merkmalWahl->bind(m_katzeMerkmal.source, QStringLiteral("Merkmal"));
    merkmalWahl->setList(m_merkmale, QStringLiteral("LaufendeNummer"), QStringLiteral("Bezeichnung"));
    auto *hinzu = knopf(TagHinzufuegen, QStringLiteral("Hinzufügen"), merkmale);
    auto *weg = knopf(TagLoeschen, QStringLiteral("Löschen"), merkmale);
    auto *zurueck = knopf(TagRueckgaengig, QStringLiteral("R&ückgängig"), merkmale);
    connect(hinzu, &QPushButton::clicked, this, [this] { merkmalHinzufuegen(); });
    connect(weg, &QPushButton::clicked, this, [this] {
        if (m_katzeMerkmal.source->remove()) {
            merkmaleAnzeigen();
            if (TMirravel *mw = TMirravel::instance())
                mw->refreshListColours();
        }
    });
    m_katzeMerkmal.source->attachButtons(nullptr, zurueck);
    merkmalKnoepfe->addWidget(merkmalWahl, 1);
    merkmalKnoepfe->addWidget(hinzu);
    merkmalKnoepfe->addWidget(weg);
    merkmalKnoepfe->addWidget(zurueck);
    ml->addLayout(merkmalKnoepfe);
    // a trait row without a trait is dropped silently; the others belong to the cat
    auto vorher = m_katzeMerkmal.source->beforePost;
    m_katzeMerkmal.source->beforePost = [this, vorher](Table &t) {
        if (t.value(QStringLiteral("Merkmal")).isNull()) {
            t.cancel();
            throw AbortOperation();
        }
        vorher(t);
    };
    connect(m_katzeMerkmal.table, &Table::afterPost, this, [this] {
        merkmaleAnzeigen();
        if (TMirravel *mw = TMirravel::instance())
            mw->refreshListColours();
    });
    l->addWidget(merkmale, 0, 0, 4, 1);

    auto *daten = new QGridLayout;
    int r = 0;
    auto zeile = [&](int tag, const QString &t, QWidget *w) {
        daten->addWidget(text(tag, t, page), r, 0);
        daten->addWidget(w, r++, 1);
    };
    zeile(TagRegistrierung2, QStringLiteral("Registrierung &2"),
          new DBEdit(m_src, QStringLiteral("Zuchtbuchnummer2"), page));
    zeile(TagRegistrierung3, QStringLiteral("Registrierung &3"),
          new DBEdit(m_src, QStringLiteral("Zuchtbuchnummer3"), page));
    zeile(TagGestorben, QStringLiteral("gestorben"),
          mitKalender(new DBDateEdit(m_src, QStringLiteral("Toddatum"), page), m_src,
                      QStringLiteral("Toddatum"), page));
    auto *alter = new DBEdit(m_src, QStringLiteral("Alter"), page);
    alter->setReadOnly(true);
    zeile(TagErreichtesAlter, QStringLiteral("erreichtes Alter"), alter);
    zeile(TagGekauftAm, QStringLiteral("&gekauft am"),
          mitKalender(new DBDateEdit(m_verkauft.source, QStringLiteral("Gekauftam"), page), m_verkauft.source,
                      QStringLiteral("Gekauftam"), page));
    zeile(TagPreis, QStringLiteral("&Preis"),
          new DBEdit(m_verkauft.source, QStringLiteral("Preisgekauft"), page));
    zeile(TagVerkauftAm, QStringLiteral("&Verkauft am"),
          mitKalender(new DBDateEdit(m_verkauft.source, QStringLiteral("Verkauftam"), page),
                      m_verkauft.source, QStringLiteral("Verkauftam"), page));
    zeile(TagPreis, QStringLiteral("&Preis"),
          new DBEdit(m_verkauft.source, QStringLiteral("Preisverkauft"), page));
    auto *verkaufSpeichern = knopf(TagSpeichern, QStringLiteral("Speichern"), page);
    auto *verkaufZurueck = knopf(TagRueckgaengig, QStringLiteral("R&ückgängig"), page);
    m_verkauft.source->attachButtons(verkaufSpeichern, verkaufZurueck);
    auto *knoepfe = new QHBoxLayout;
    knoepfe->addWidget(verkaufSpeichern);
    knoepfe->addWidget(verkaufZurueck);
    daten->addLayout(knoepfe, r++, 1);
    l->addLayout(daten, 0, 1);
    auto *info = new DBMemo(m_src, QStringLiteral("Bemerkung"), page);
    l->addWidget(text(TagInfo, QStringLiteral("Info"), page), 1, 1);
    l->addWidget(info, 2, 1);
    auto *eigene = new DBMemo(m_eigeneInfo.source, QStringLiteral("Info"), page);
    eigene->setObjectName(QStringLiteral("DBMemoEigeneInfo"));
    auto *eigenBox = new QVBoxLayout;
    eigenBox->addWidget(text(TagEigeneInfo, QStringLiteral("Eigene Info"), page));
    eigenBox->addWidget(eigene);
    auto *eigenSpeichern = knopf(TagSpeichern, QStringLiteral("Speichern"), page);
    m_eigeneInfo.source->attachButtons(eigenSpeichern, nullptr);
    eigenBox->addWidget(eigenSpeichern, 0, Qt::AlignRight);
    l->addLayout(eigenBox, 3, 1);
    auto *unten = new QHBoxLayout;
    unten->addStretch();
    unten->addWidget(hilfeKnopf(14, page));
    l->addLayout(unten, 4, 0, 1, 2);
    l->setColumnStretch(0, 1);
    l->setColumnStretch(1, 1);
    return page;
}

void TCatStamm::merkmalHinzufuegen()
{
    if (aktuelleKatze() <= 0)
        return;
    m_katzeMerkmal.source->append();
}

// --- page 7: shows ----------------------------------------------------------------

QWidget *TCatStamm::seiteAusstellungBauen()
{
    auto *page = new QWidget;
    auto *l = new QVBoxLayout(page);
    m_ausstellungTabs = new QTabBar(page);
    m_ausstellungTabs->setObjectName(QStringLiteral("TabSetRichten"));
    m_ausstellungTabs->setProperty("tag", TagRichten);
    m_ausstellungTabs->addTab(QStringLiteral("T&radit. Richten"));
    m_ausstellungTabs->addTab(QStringLiteral("&TICA"));
    m_ausstellungTabs->addTab(QStringLiteral("&CFA"));
    l->addWidget(m_ausstellungTabs);
    auto grid = [&](DataSource *s, const QStringList &felder, const QStringList &titel,
                    const QVariantList &tags) {
        auto *g = new DBGrid(s, page);
        for (int i = 0; i < felder.size(); ++i)
            g->tableModel()->addColumn(felder[i], titel[i], felder[i] != QLatin1String("Summe"));
        spaltenTags(g, tags);
        g->horizontalHeader()->setStretchLastSection(true);
        l->addWidget(g, 1);
        m_ausstellungGrids << g;
        return g;
    };
    grid(m_ausstellung.source,
         {QStringLiteral("Datum"), QStringLiteral("Ausstellungsort"), QStringLiteral("Verein"),
          QStringLiteral("Richter"), QStringLiteral("Bewertung")},
         {QStringLiteral("Datum"), QStringLiteral("Ausstellungsort"), QStringLiteral("Verein"),
          QStringLiteral("Richter"), QStringLiteral("Bewertung")},
         {TagDatum, TagAusstellungsort, TagVerein, TagRichter, TagBewertung})
        ->setObjectName(QStringLiteral("DBGridAusstellung"));
    grid(m_tica.source,
         {QStringLiteral("Datum"), QStringLiteral("Vereinsname"), QStringLiteral("Richter"),
          QStringLiteral("ABorSP"), QStringLiteral("CatEntryNr"), QStringLiteral("BOC"),
          QStringLiteral("BOD"), QStringLiteral("Finale"), QStringLiteral("Summe")},
         {QStringLiteral("Datum"), QStringLiteral("Verein"), QStringLiteral("Richter"),
          QStringLiteral("AB or SP"), QStringLiteral("Cat Entry Nr"), QStringLiteral("BOC"),
          QStringLiteral("BOD"), QStringLiteral("Finale"), QStringLiteral("Summe")},
         {TagDatum, TagVerein, TagRichter, 0, 0, 0, 0, 0, TagSumme})
        ->setObjectName(QStringLiteral("DBGridTICA"));
    grid(m_cfa.source,
         {QStringLiteral("Datum"), QStringLiteral("Vereinsname"), QStringLiteral("Richter"),
          QStringLiteral("ABorSP"), QStringLiteral("CatEntryNr"), QStringLiteral("Ringergebnis"),
          QStringLiteral("DivisionErgebnis"), QStringLiteral("GrandPunkte"), QStringLiteral("ShowPunkte"),
          QStringLiteral("Anmerkung")},
         {QStringLiteral("Datum"), QStringLiteral("Verein"), QStringLiteral("Richter"),
          QStringLiteral("AB or SP"), QStringLiteral("Cat Entry Nr"), QStringLiteral("Ring"),
          QStringLiteral("Division"), QStringLiteral("Grand"), QStringLiteral("Show"),
          QStringLiteral("Anmerkung")},
         {TagDatum, TagVerein, TagRichter, 0, 0, 0, 0, 0, 0, 0})
        ->setObjectName(QStringLiteral("DBGridCFA"));
    for (int i = 1; i < m_ausstellungGrids.size(); ++i)
        m_ausstellungGrids[i]->hide();
    connect(m_ausstellungTabs, &QTabBar::currentChanged, this, [this](int i) {
        for (int k = 0; k < m_ausstellungGrids.size(); ++k)
            m_ausstellungGrids[k]->setVisible(k == i);
    });
    auto *knoepfe = new QHBoxLayout;
    auto *neu = knopf(TagHinzufuegen, QStringLiteral("Hinzufügen"), page);
    auto *weg = knopf(TagLoeschen, QStringLiteral("Löschen"), page);
    auto *speichern = knopf(TagSpeichern, QStringLiteral("Speichern"), page);
    auto *zurueck = knopf(TagRueckgaengig, QStringLiteral("R&ückgängig"), page);
    auto aktiv = [this]() -> DataSource * {
        const int i = m_ausstellungTabs->currentIndex();
        return i == 1 ? m_tica.source : i == 2 ? m_cfa.source : m_ausstellung.source;
    };
    connect(neu, &QPushButton::clicked, this, [this, aktiv] {
        if (aktuelleKatze() > 0)
            aktiv()->append();
    });
    connect(weg, &QPushButton::clicked, this, [aktiv] { aktiv()->remove(); });
    for (DataSource *s : {m_ausstellung.source, m_tica.source, m_cfa.source})
        s->attachButtons(speichern, zurueck);
    knoepfe->addWidget(neu);
    knoepfe->addWidget(weg);
    knoepfe->addWidget(speichern);
    knoepfe->addWidget(zurueck);
    knoepfe->addStretch();
    l->addLayout(knoepfe);
    l->addWidget(text(TagAusstellungsbewertung,
                      QStringLiteral("Ausstellungsbewertung für Druck auf Stammbaum"), page));
    auto *bewertung = new DBMemo(m_bewertung.source, QStringLiteral("Bewertung"), page);
    bewertung->setObjectName(QStringLiteral("DBMemoBewertung"));
    bewertung->setFixedHeight(60);
    l->addWidget(bewertung);
    auto *unten = new QHBoxLayout;
    auto *bewSpeichern = knopf(TagSpeichern, QStringLiteral("Speichern"), page);
    m_bewertung.source->attachButtons(bewSpeichern, nullptr);
    unten->addWidget(bewSpeichern);
    unten->addStretch();
    unten->addWidget(hilfeKnopf(22, page));
    l->addLayout(unten);
    return page;
}

// --- page 8: documents --------------------------------------------------------------

QWidget *TCatStamm::seiteDokumenteBauen()
{
    auto *page = new QWidget;
    auto *l = new QVBoxLayout(page);
    m_dokumentGrid = new DBGrid(m_dokumente.source, page);
    m_dokumentGrid->setObjectName(QStringLiteral("DBGridDokumente"));
    m_dokumentGrid->tableModel()->addColumn(QStringLiteral("DokDatum"), QStringLiteral("Datum"), true);
    m_dokumentGrid->tableModel()->addColumn(QStringLiteral("DokTxt"), QStringLiteral("Text"), true);
    m_dokumentGrid->tableModel()->addColumn(QStringLiteral("DokPfad"), QStringLiteral("Pfad"), false);
    spaltenTags(m_dokumentGrid, {TagDatum, TagText, TagPfad});
    m_dokumentGrid->horizontalHeader()->setStretchLastSection(true);
    m_dokumentGrid->setColumnWidth(1, 260);
    l->addWidget(m_dokumentGrid, 1);
    auto *knoepfe = new QHBoxLayout;
    auto *laden = knopf(TagDokumentLaden, QStringLiteral("Dokument laden"), page);
    auto *ansehen = knopf(TagDokumentAnsehen, QStringLiteral("Dokument ansehen"), page);
    auto *weg = knopf(TagLoeschen, QStringLiteral("Löschen"), page);
    connect(laden, &QPushButton::clicked, this, [this] { dokumentLaden(); });
    connect(ansehen, &QPushButton::clicked, this, [this] { dokumentAnsehen(); });
    connect(weg, &QPushButton::clicked, this, [this] { m_dokumente.source->remove(); });
    auto *speichern = knopf(TagSpeichern, QStringLiteral("Speichern"), page);
    auto *zurueck = knopf(TagRueckgaengig, QStringLiteral("R&ückgängig"), page);
    m_dokumente.source->attachButtons(speichern, zurueck);
    for (QPushButton *b : {laden, ansehen, weg, speichern, zurueck})
        knoepfe->addWidget(b);
    knoepfe->addStretch();
    knoepfe->addWidget(hilfeKnopf(1100, page));
    l->addLayout(knoepfe);
    return page;
}

void TCatStamm::dokumentLaden()
{
    if (aktuelleKatze() <= 0)
        return;
    const QString pfad = openFileName(
        this, QString(), QString(),
        QStringLiteral("JPEG (*.jpg);;Bitmap (*.bmp);;GIF (*.gif);;PDF (*.pdf);;Word (*.doc *.docx);;"
                       "Excel (*.xls *.xlsx);;Text (*.txt);;HTML (*.htm *.html);;Alle (*)"));
    if (pfad.isEmpty() || !QFileInfo::exists(pfad))
        return;
    DataSource *s = m_dokumente.source;
    Table *t = m_dokumente.table;
    const bool neu = t->isEmpty() && !t->isEditing();
    if (neu ? !s->append() : !s->edit())
        return;
    if (s->setFieldValue(QStringLiteral("DokPfad"), pfad))
        s->save();
}

void TCatStamm::dokumentAnsehen()
{
    Table *t = m_dokumente.table;
    if (!t->isOpen() || !t->hasRecord())
        return;
    const QString pfad = t->text(QStringLiteral("DokPfad"));
    if (!pfad.isEmpty())
        QDesktopServices::openUrl(QUrl::fromLocalFile(pfad));
}

// --- page 9: breeding value ------------------------------------------------------------

QWidget *TCatStamm::seiteZuchtwertBauen()
{
    auto *page = new QWidget;
    auto *l = new QVBoxLayout(page);
    static const struct {
        int tag;
        const char *titel, *memo, *punkte;
    } gruppen[] = {{TagWesen, "Wesen", "Wesen", "WesenPunkte"},
                   {TagGesundheit, "Gesundheit", "Gesundheit", "GesundheitPunkte"},
                   {TagExterieur, "Exterieur", "Exterieur", "ExterieurPunkte"},
                   {TagWeiteres, "Weiteres", "Weiteres", "WeiteresPunkte"}};
    for (const auto &g : gruppen) {
        auto *box = new QGroupBox(QString::fromLatin1(g.titel), page);
        box->setProperty("tag", g.tag);
        auto *bl = new QHBoxLayout(box);
        bl->addWidget(new DBMemo(m_zuchtwert.source, QString::fromLatin1(g.memo), box), 1);
        auto *punkte = new DBEdit(m_zuchtwert.source, QString::fromLatin1(g.punkte), box);
        punkte->setValidator(new QIntValidator(0, 32767, punkte));
        punkte->setFixedWidth(60);
        bl->addWidget(text(TagPunkte, QStringLiteral("Punkte"), box));
        bl->addWidget(punkte);
        l->addWidget(box, 1);
    }
    auto *unten = new QHBoxLayout;
    unten->addWidget(text(TagSumme, QStringLiteral("Summe"), page));
    auto *summe = new DBEdit(m_zuchtwert.source, QStringLiteral("Summe"), page);
    summe->setReadOnly(true);
    summe->setFixedWidth(60);
    unten->addWidget(summe);
    auto *speichern = knopf(TagSpeichern, QStringLiteral("Speichern"), page);
    auto *zurueck = knopf(TagRueckgaengig, QStringLiteral("R&ückgängig"), page);
    m_zuchtwert.source->attachButtons(speichern, zurueck);
    unten->addStretch();
    unten->addWidget(speichern);
    unten->addWidget(zurueck);
    unten->addWidget(hilfeKnopf(23, page));
    l->addLayout(unten);
    return page;
}

} // namespace tav::cats::ui
