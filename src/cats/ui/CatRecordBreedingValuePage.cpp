#include "CatRecordBreedingValuePage.h"
#include "PcatstamIntern.h"

#include "widgets/DataControls.h"
#include "widgets/DataSource.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace tav::widgets;

namespace tav::cats::ui {

CatRecordBreedingValuePage::CatRecordBreedingValuePage(DataSource *zuchtwert, QPushButton *hilfe,
                                                       QWidget *parent)
    : QWidget(parent)
{
    auto *l = new QVBoxLayout(this);
    static const struct {
        int tag;
        const char *titel, *memo, *punkte;
    } gruppen[] = {{TagWesen, "Wesen", "Wesen", "WesenPunkte"},
                   {TagGesundheit, "Gesundheit", "Gesundheit", "GesundheitPunkte"},
                   {TagExterieur, "Exterieur", "Exterieur", "ExterieurPunkte"},
                   {TagWeiteres, "Weiteres", "Weiteres", "WeiteresPunkte"}};
    for (const auto &g : gruppen) {
        auto *box = new QGroupBox(QString::fromLatin1(g.titel), this);
        box->setProperty("tag", g.tag);
        auto *bl = new QHBoxLayout(box);
        bl->addWidget(new DBMemo(zuchtwert, QString::fromLatin1(g.memo), box), 1);
        auto *punkte = new DBEdit(zuchtwert, QString::fromLatin1(g.punkte), box);
        punkte->setValidator(new QIntValidator(0, 32767, punkte));
        punkte->setFixedWidth(60);
        bl->addWidget(textMitTag(TagPunkte, QStringLiteral("Punkte"), box));
        bl->addWidget(punkte);
        l->addWidget(box, 1);
    }
    auto *unten = new QHBoxLayout;
    unten->addWidget(textMitTag(TagSumme, QStringLiteral("Summe"), this));
    auto *summe = new DBEdit(zuchtwert, QStringLiteral("Summe"), this);
    summe->setReadOnly(true);
    summe->setFixedWidth(60);
    unten->addWidget(summe);
    auto *speichern = knopfMitTag(TagSpeichern, QStringLiteral("Speichern"), this);
    auto *zurueck = knopfMitTag(TagRueckgaengig, QStringLiteral("R&ückgängig"), this);
    zuchtwert->attachButtons(speichern, zurueck);
    unten->addStretch();
    unten->addWidget(speichern);
    unten->addWidget(zurueck);
    unten->addWidget(hilfe);
    l->addLayout(unten);
}

} // namespace tav::cats::ui
