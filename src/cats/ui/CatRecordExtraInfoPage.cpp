#include "CatRecordExtraInfoPage.h"
#include "PcatstamIntern.h"

#include "store/Table.h"
#include "widgets/DBGrid.h"
#include "widgets/DataControls.h"
#include "widgets/DataSource.h"
#include "widgets/StoredColour.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace tav::store;
using namespace tav::widgets;

namespace tav::cats::ui {

CatRecordExtraInfoPage::CatRecordExtraInfoPage(const Quellen &q, std::function<int()> aktuelleKatze,
                                               QPushButton *hilfe, QWidget *parent)
    : QWidget(parent), m_aktuelleKatze(std::move(aktuelleKatze))
{
    auto *l = new QGridLayout(this);
    // traits
    auto *merkmale = new QGroupBox(QStringLiteral("Merkmale"), this);
    merkmale->setProperty("tag", TagMerkmale);
    auto *ml = new QVBoxLayout(merkmale);
    m_merkmalGrid = new DBGrid(q.katzeMerkmal, merkmale);
    m_merkmalGrid->setObjectName(QStringLiteral("DBGridMerkmale"));
    TableModel *model = m_merkmalGrid->tableModel();
    model->addCalcColumn(QString(), [](Table &) { return QVariant(); });
    model->addLookupColumn(QStringLiteral("Kürzel"), QStringLiteral("Merkmal"), QStringLiteral("MERKMALE.DB"),
                           QStringLiteral("LaufendeNummer"), QStringLiteral("Kuerzel"));
    model->addLookupColumn(QStringLiteral("Merkmal"), QStringLiteral("Merkmal"),
                           QStringLiteral("MERKMALE.DB"), QStringLiteral("LaufendeNummer"),
                           QStringLiteral("Bezeichnung"));
    // an engine error goes on to the grid's read, which reports it once
    model->setRowColour([db = q.db](Table &t) {
        Table k(db, QStringLiteral("MERKMALE.DB"));
        k.setReadOnly(true);
        k.open();
        if (k.findKey({t.intValue(QStringLiteral("Merkmal"))})) {
            const int f = k.intValue(QStringLiteral("farbe"));
            return f ? storedColour(f) : QColor(Qt::white);
        }
        return QColor(Qt::white);
    });
    m_merkmalGrid->setProperty("columnTags", QVariantList{0, TagKuerzel, TagMerkmal});
    m_merkmalGrid->setColumnWidth(0, 20);
    m_merkmalGrid->horizontalHeader()->setStretchLastSection(true);
    ml->addWidget(m_merkmalGrid);
    auto *merkmalKnoepfe = new QHBoxLayout;
    auto *merkmalWahl = new DBLookupComboBox(merkmale);
    merkmalWahl->setObjectName(QStringLiteral("DBLookupMerkmal"));
    merkmalWahl->setMaxVisibleItems(20);
    merkmalWahl->bind(q.katzeMerkmal, QStringLiteral("Merkmal"));
    merkmalWahl->setList(q.merkmalListe, QStringLiteral("LaufendeNummer"), QStringLiteral("Bezeichnung"));
    auto *hinzu = knopfMitTag(TagHinzufuegen, QStringLiteral("Hinzufügen"), merkmale);
    auto *weg = knopfMitTag(TagLoeschen, QStringLiteral("Löschen"), merkmale);
    auto *zurueck = knopfMitTag(TagRueckgaengig, QStringLiteral("R&ückgängig"), merkmale);
    connect(hinzu, &QPushButton::clicked, this, [this, q] {
        if (m_aktuelleKatze() > 0)
            q.katzeMerkmal->append();
    });
    connect(weg, &QPushButton::clicked, this, [this, q] {
        if (q.katzeMerkmal->remove())
            Q_EMIT merkmaleGeaendert();
    });
    q.katzeMerkmal->attachButtons(nullptr, zurueck);
    merkmalKnoepfe->addWidget(merkmalWahl, 1);
    merkmalKnoepfe->addWidget(hinzu);
    merkmalKnoepfe->addWidget(weg);
    merkmalKnoepfe->addWidget(zurueck);
    ml->addLayout(merkmalKnoepfe);
    // a trait row without a trait is dropped silently; the others belong to the cat
    auto vorher = q.katzeMerkmal->beforePost;
    q.katzeMerkmal->beforePost = [this, vorher](Table &t) {
        if (t.value(QStringLiteral("Merkmal")).isNull()) {
            t.cancel();
            throw AbortOperation();
        }
        vorher(t);
    };
    connect(q.katzeMerkmal->table(), &Table::afterPost, this, [this] { Q_EMIT merkmaleGeaendert(); });
    l->addWidget(merkmale, 0, 0, 4, 1);

    auto *daten = new QGridLayout;
    int r = 0;
    auto zeile = [&](int tag, const QString &t, QWidget *w) {
        daten->addWidget(textMitTag(tag, t, this), r, 0);
        daten->addWidget(w, r++, 1);
    };
    zeile(TagRegistrierung2, QStringLiteral("Registrierung &2"),
          new DBEdit(q.katze, QStringLiteral("Zuchtbuchnummer2"), this));
    zeile(TagRegistrierung3, QStringLiteral("Registrierung &3"),
          new DBEdit(q.katze, QStringLiteral("Zuchtbuchnummer3"), this));
    zeile(TagGestorben, QStringLiteral("gestorben"),
          mitKalender(new DBDateEdit(q.katze, QStringLiteral("Toddatum"), this), q.katze,
                      QStringLiteral("Toddatum"), this));
    auto *alter = new DBEdit(q.katze, QStringLiteral("Alter"), this);
    alter->setReadOnly(true);
    zeile(TagErreichtesAlter, QStringLiteral("erreichtes Alter"), alter);
    zeile(TagGekauftAm, QStringLiteral("&gekauft am"),
          mitKalender(new DBDateEdit(q.verkauft, QStringLiteral("Gekauftam"), this), q.verkauft,
                      QStringLiteral("Gekauftam"), this));
    zeile(TagPreis, QStringLiteral("&Preis"), new DBEdit(q.verkauft, QStringLiteral("Preisgekauft"), this));
    zeile(TagVerkauftAm, QStringLiteral("&Verkauft am"),
          mitKalender(new DBDateEdit(q.verkauft, QStringLiteral("Verkauftam"), this), q.verkauft,
                      QStringLiteral("Verkauftam"), this));
    zeile(TagPreis, QStringLiteral("&Preis"), new DBEdit(q.verkauft, QStringLiteral("Preisverkauft"), this));
    auto *verkaufSpeichern = knopfMitTag(TagSpeichern, QStringLiteral("Speichern"), this);
    auto *verkaufZurueck = knopfMitTag(TagRueckgaengig, QStringLiteral("R&ückgängig"), this);
    q.verkauft->attachButtons(verkaufSpeichern, verkaufZurueck);
    auto *knoepfe = new QHBoxLayout;
    knoepfe->addWidget(verkaufSpeichern);
    knoepfe->addWidget(verkaufZurueck);
    daten->addLayout(knoepfe, r++, 1);
    l->addLayout(daten, 0, 1);
    auto *info = new DBMemo(q.katze, QStringLiteral("Bemerkung"), this);
    l->addWidget(textMitTag(TagInfo, QStringLiteral("Info"), this), 1, 1);
    l->addWidget(info, 2, 1);
    auto *eigene = new DBMemo(q.eigeneInfo, QStringLiteral("Info"), this);
    eigene->setObjectName(QStringLiteral("DBMemoEigeneInfo"));
    auto *eigenBox = new QVBoxLayout;
    eigenBox->addWidget(textMitTag(TagEigeneInfo, QStringLiteral("Eigene Info"), this));
    eigenBox->addWidget(eigene);
    auto *eigenSpeichern = knopfMitTag(TagSpeichern, QStringLiteral("Speichern"), this);
    q.eigeneInfo->attachButtons(eigenSpeichern, nullptr);
    eigenBox->addWidget(eigenSpeichern, 0, Qt::AlignRight);
    l->addLayout(eigenBox, 3, 1);
    auto *unten = new QHBoxLayout;
    unten->addStretch();
    unten->addWidget(hilfe);
    l->addLayout(unten, 4, 0, 1, 2);
    l->setColumnStretch(0, 1);
    l->setColumnStretch(1, 1);
}

} // namespace tav::cats::ui
