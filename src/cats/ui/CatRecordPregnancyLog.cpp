#include "CatRecordPregnancyLog.h"
#include "CatRecordBreedingData.h"
#include "PcatstamIntern.h"

#include "widgets/DataControls.h"
#include "widgets/DataSource.h"

#include <QGridLayout>

using namespace tav::widgets;

namespace tav::cats::ui {

CatRecordPregnancyLog::CatRecordPregnancyLog(DataSource *s, std::function<int()> aktuelleKatze,
                                             QPushButton *hilfe, QWidget *parent)
    : CatRecordLogSheet(s, std::move(aktuelleKatze), QStringLiteral("Schwangerschaft"),
                        {TagHinzufuegen, "H&inzufügen"}, hilfe, parent)
{
    QGridLayout *g = felder();
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
}

} // namespace tav::cats::ui
