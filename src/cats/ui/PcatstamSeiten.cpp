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
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QIntValidator>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <QVBoxLayout>

using namespace tav::store;
using namespace tav::app;
using namespace tav::app::ui;

namespace tav::cats::ui {

namespace {
void spaltenTags(DBGrid *grid, const QVariantList &tags)
{
    grid->setProperty("columnTags", tags);
}
} // namespace

QPushButton *knopfMitTag(int tag, const QString &text, QWidget *parent)
{
    auto *b = new QPushButton(text, parent);
    b->setProperty("tag", tag);
    return b;
}

QLabel *textMitTag(int tag, const QString &t, QWidget *parent)
{
    auto *l = new QLabel(t, parent);
    l->setProperty("tag", tag);
    return l;
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
    // an engine error goes on to the grid's read, which reports it once
    model->setRowColour([db = m_db](Table &t) {
        Table k(db, QStringLiteral("MERKMALE.DB"));
        k.setReadOnly(true);
        k.open();
        if (k.findKey({t.intValue(QStringLiteral("Merkmal"))})) {
            const int f = k.intValue(QStringLiteral("farbe"));
            return f ? storedColour(f) : QColor(Qt::white);
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
    auto *hinzu = knopfMitTag(TagHinzufuegen, QStringLiteral("Hinzufügen"), merkmale);
    auto *weg = knopfMitTag(TagLoeschen, QStringLiteral("Löschen"), merkmale);
    auto *zurueck = knopfMitTag(TagRueckgaengig, QStringLiteral("R&ückgängig"), merkmale);
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
        daten->addWidget(textMitTag(tag, t, page), r, 0);
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
    auto *verkaufSpeichern = knopfMitTag(TagSpeichern, QStringLiteral("Speichern"), page);
    auto *verkaufZurueck = knopfMitTag(TagRueckgaengig, QStringLiteral("R&ückgängig"), page);
    m_verkauft.source->attachButtons(verkaufSpeichern, verkaufZurueck);
    auto *knoepfe = new QHBoxLayout;
    knoepfe->addWidget(verkaufSpeichern);
    knoepfe->addWidget(verkaufZurueck);
    daten->addLayout(knoepfe, r++, 1);
    l->addLayout(daten, 0, 1);
    auto *info = new DBMemo(m_src, QStringLiteral("Bemerkung"), page);
    l->addWidget(textMitTag(TagInfo, QStringLiteral("Info"), page), 1, 1);
    l->addWidget(info, 2, 1);
    auto *eigene = new DBMemo(m_eigeneInfo.source, QStringLiteral("Info"), page);
    eigene->setObjectName(QStringLiteral("DBMemoEigeneInfo"));
    auto *eigenBox = new QVBoxLayout;
    eigenBox->addWidget(textMitTag(TagEigeneInfo, QStringLiteral("Eigene Info"), page));
    eigenBox->addWidget(eigene);
    auto *eigenSpeichern = knopfMitTag(TagSpeichern, QStringLiteral("Speichern"), page);
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

} // namespace tav::cats::ui
