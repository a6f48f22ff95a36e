#include "CatRecordShowsPage.h"
#include "PcatstamIntern.h"

#include "widgets/DBGrid.h"
#include "widgets/DataControls.h"
#include "widgets/DataSource.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QVBoxLayout>

using namespace tav::widgets;

namespace tav::cats::ui {

CatRecordShowsPage::CatRecordShowsPage(DataSource *traditionell, DataSource *tica, DataSource *cfa,
                                       DataSource *bewertung, std::function<int()> aktuelleKatze,
                                       QPushButton *hilfe, QWidget *parent)
    : QWidget(parent), m_aktuelleKatze(std::move(aktuelleKatze))
{
    auto *l = new QVBoxLayout(this);
    m_tabs = new QTabBar(this);
    m_tabs->setObjectName(QStringLiteral("TabSetRichten"));
    m_tabs->setProperty("tag", TagRichten);
    m_tabs->addTab(QStringLiteral("T&radit. Richten"));
    m_tabs->addTab(QStringLiteral("&TICA"));
    m_tabs->addTab(QStringLiteral("&CFA"));
    l->addWidget(m_tabs);
    auto grid = [&, this](DataSource *s, const QStringList &felder, const QStringList &titel,
                          const QVariantList &tags) {
        auto *g = new DBGrid(s, this);
        for (int i = 0; i < felder.size(); ++i)
            g->tableModel()->addColumn(felder[i], titel[i], felder[i] != QLatin1String("Summe"));
        g->setProperty("columnTags", tags);
        g->horizontalHeader()->setStretchLastSection(true);
        l->addWidget(g, 1);
        m_grids << g;
        return g;
    };
    grid(traditionell,
         {QStringLiteral("Datum"), QStringLiteral("Ausstellungsort"), QStringLiteral("Verein"),
          QStringLiteral("Richter"), QStringLiteral("Bewertung")},
         {QStringLiteral("Datum"), QStringLiteral("Ausstellungsort"), QStringLiteral("Verein"),
          QStringLiteral("Richter"), QStringLiteral("Bewertung")},
         {TagDatum, TagAusstellungsort, TagVerein, TagRichter, TagBewertung})
        ->setObjectName(QStringLiteral("DBGridAusstellung"));
    grid(tica,
         {QStringLiteral("Datum"), QStringLiteral("Vereinsname"), QStringLiteral("Richter"),
          QStringLiteral("ABorSP"), QStringLiteral("CatEntryNr"), QStringLiteral("BOC"),
          QStringLiteral("BOD"), QStringLiteral("Finale"), QStringLiteral("Summe")},
         {QStringLiteral("Datum"), QStringLiteral("Verein"), QStringLiteral("Richter"),
          QStringLiteral("AB or SP"), QStringLiteral("Cat Entry Nr"), QStringLiteral("BOC"),
          QStringLiteral("BOD"), QStringLiteral("Finale"), QStringLiteral("Summe")},
         {TagDatum, TagVerein, TagRichter, 0, 0, 0, 0, 0, TagSumme})
        ->setObjectName(QStringLiteral("DBGridTICA"));
    grid(cfa,
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
    for (int i = 1; i < m_grids.size(); ++i)
        m_grids[i]->hide();
    connect(m_tabs, &QTabBar::currentChanged, this, [this](int i) {
        for (int k = 0; k < m_grids.size(); ++k)
            m_grids[k]->setVisible(k == i);
    });
    auto *knoepfe = new QHBoxLayout;
    auto *neu = knopfMitTag(TagHinzufuegen, QStringLiteral("Hinzufügen"), this);
    auto *weg = knopfMitTag(TagLoeschen, QStringLiteral("Löschen"), this);
    auto *speichern = knopfMitTag(TagSpeichern, QStringLiteral("Speichern"), this);
    auto *zurueck = knopfMitTag(TagRueckgaengig, QStringLiteral("R&ückgängig"), this);
    auto aktiv = [this, traditionell, tica, cfa]() -> DataSource * {
        const int i = m_tabs->currentIndex();
        return i == 1 ? tica : i == 2 ? cfa : traditionell;
    };
    connect(neu, &QPushButton::clicked, this, [this, aktiv] {
        if (m_aktuelleKatze() > 0)
            aktiv()->append();
    });
    connect(weg, &QPushButton::clicked, this, [aktiv] { aktiv()->remove(); });
    for (DataSource *s : {traditionell, tica, cfa})
        s->attachButtons(speichern, zurueck);
    knoepfe->addWidget(neu);
    knoepfe->addWidget(weg);
    knoepfe->addWidget(speichern);
    knoepfe->addWidget(zurueck);
    knoepfe->addStretch();
    l->addLayout(knoepfe);
    l->addWidget(textMitTag(TagAusstellungsbewertung,
                            QStringLiteral("Ausstellungsbewertung für Druck auf Stammbaum"), this));
    auto *text = new DBMemo(bewertung, QStringLiteral("Bewertung"), this);
    text->setObjectName(QStringLiteral("DBMemoBewertung"));
    text->setFixedHeight(60);
    l->addWidget(text);
    auto *unten = new QHBoxLayout;
    auto *bewSpeichern = knopfMitTag(TagSpeichern, QStringLiteral("Speichern"), this);
    bewertung->attachButtons(bewSpeichern, nullptr);
    unten->addWidget(bewSpeichern);
    unten->addStretch();
    unten->addWidget(hilfe);
    l->addLayout(unten);
}

void CatRecordShowsPage::nurTraditionell()
{
    m_tabs->setCurrentIndex(0);
    m_tabs->hide();
}

} // namespace tav::cats::ui
