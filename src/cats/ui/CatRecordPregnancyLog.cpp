#include "CatRecordPregnancyLog.h"
#include "CatRecordBreedingData.h"
#include "PcatstamIntern.h"

#include "app/ui/DataControls.h"
#include "app/ui/DataSource.h"
#include "app/ui/Nav2.h"
#include "store/Table.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

using namespace tav::app::ui;

namespace tav::cats::ui {

CatRecordPregnancyLog::CatRecordPregnancyLog(DataSource *s, std::function<int()> aktuelleKatze,
                                             QPushButton *hilfe, QWidget *parent)
    : QWidget(parent)
{
    auto *l = new QVBoxLayout(this);
    auto *nav = new TDBNavigatorSpec(this);
    nav->setObjectName(QStringLiteral("NavigatorSchwangerschaft"));
    nav->setDataSource(s);
    nav->setVisibleButtons(
        {TNavigateBtn::nbFirst, TNavigateBtn::nbPrior, TNavigateBtn::nbNext, TNavigateBtn::nbLast});
    nav->setHints(TDBNavigatorSpec::germanHints());
    l->addWidget(nav, 0, Qt::AlignLeft);
    auto *g = new QGridLayout;
    g->addWidget(textMitTag(TagSchwangerSeit, QStringLiteral("&Schwanger seit"), this), 0, 0);
    auto *datum = new DBDateEdit(s, QStringLiteral("Datum"), this);
    datum->setObjectName(QStringLiteral("DBSchwangerDatum"));
    g->addWidget(mitKalender(datum, s, QStringLiteral("Datum"), this), 0, 1);
    g->addWidget(
        textMitTag(TagKomplikationen, QStringLiteral("&Komplikationen in der Schwangerschaft"), this), 1, 0,
        1, 3);
    g->addWidget(new DBMemo(s, QStringLiteral("Text1"), this), 2, 0, 1, 3);
    g->addWidget(textMitTag(TagKrankheiten, QStringLiteral("Kr&ankheiten in der Schwangerschaft"), this), 3,
                 0, 1, 3);
    g->addWidget(new DBMemo(s, QStringLiteral("Text2"), this), 4, 0, 1, 3);
    g->setColumnStretch(2, 1);
    l->addLayout(g, 1);
    auto *knoepfe = new QHBoxLayout;
    auto *neu = knopfMitTag(TagHinzufuegen, QStringLiteral("H&inzufügen"), this);
    neu->setObjectName(QStringLiteral("SCHWANG.DBHinzufuegen"));
    auto *weg = knopfMitTag(TagLoeschen, QStringLiteral("&Löschen"), this);
    auto *speichern = knopfMitTag(TagSpeichern, QStringLiteral("Speichern"), this);
    auto *zurueck = knopfMitTag(TagRueckgaengig, QStringLiteral("R&ückgängig"), this);
    connect(neu, &QPushButton::clicked, this, [s, aktuelleKatze = std::move(aktuelleKatze)] {
        if (aktuelleKatze() > 0)
            s->append();
    });
    connect(weg, &QPushButton::clicked, this, [s] {
        if (s->table()->hasRecord() || s->isEditing())
            s->remove();
    });
    s->attachButtons(speichern, zurueck);
    for (QPushButton *b : {neu, weg, speichern, zurueck})
        knoepfe->addWidget(b);
    knoepfe->addStretch();
    knoepfe->addWidget(hilfe);
    l->addLayout(knoepfe);
}

} // namespace tav::cats::ui
