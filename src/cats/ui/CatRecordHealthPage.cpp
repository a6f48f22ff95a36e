#include "CatRecordHealthPage.h"
#include "CatRecordBreedingData.h"
#include "CatRecordLogSheet.h"
#include "CatRecordPregnancyLog.h"
#include "PcatstamIntern.h"

#include "store/Table.h"
#include "widgets/DBGrid.h"
#include "widgets/DataControls.h"
#include "widgets/DataSource.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace tav::widgets;

namespace tav::cats::ui {

namespace {
// A grid of treatments: its heading, the date, what was given and the date of the next one, and
// the buttons to add a row (only to a stored cat) and to delete one.
QWidget *behandlungen(DataSource *s, const std::function<int()> &aktuelleKatze, int titelTag,
                      const char *titel, int spalteTag, const QString &feld, const QString &naechste,
                      QWidget *parent)
{
    auto *w = new QWidget(parent);
    auto *l = new QVBoxLayout(w);
    l->setContentsMargins(0, 0, 0, 0);
    auto *kopf = new QHBoxLayout;
    kopf->addWidget(textMitTag(titelTag, QString::fromUtf8(titel), w));
    kopf->addStretch();
    const QString datei = s->table()->tableName();
    const auto [neu, weg] = zeilenKnoepfe(s, aktuelleKatze, TagHinzufuegen, QStringLiteral("Hinzufügen"),
                                          QStringLiteral("Löschen"), w);
    kopf->addWidget(neu);
    kopf->addWidget(weg);
    l->addLayout(kopf);
    auto *grid = new DBGrid(s, w);
    grid->setObjectName(QStringLiteral("DBGrid") + datei.section(QLatin1Char('.'), 0, 0));
    TableModel *m = grid->tableModel();
    m->addColumn(QStringLiteral("Datum"), QStringLiteral("Datum"), true);
    m->addColumn(feld, feld, true);
    m->addColumn(naechste, QString::fromUtf8("nächste am"), true);
    spaltenTags(grid, {TagDatum, spalteTag, TagNaechsteAm});
    grid->horizontalHeader()->setStretchLastSection(true);
    l->addWidget(grid, 1);
    return w;
}
} // namespace

CatRecordHealthPage::CatRecordHealthPage(const ZuchtQuellen &q, std::function<int()> aktuelleKatze,
                                         const std::function<QPushButton *()> &hilfe, QWidget *parent)
    : QWidget(parent), m_logs{q.impfung, q.wurmkur, q.arztbesuch, q.krankenblatt, q.schwanger}
{
    // a tab widget as the page itself would take the page's caption for its own
    m_register = new QTabWidget(this);
    (new QVBoxLayout(this))->addWidget(m_register);
    m_register->setObjectName(QStringLiteral("RegisterMedDaten"));
    m_register->setProperty("tag", TagMedRegister);
    m_register->setUsesScrollButtons(false);
    m_register->addTab(impfungWurmkurBauen(q, aktuelleKatze), QStringLiteral("&Entwurmung/Impfung"));
    m_register->addTab(arztbesuchBauen(q, aktuelleKatze, hilfe()), QStringLiteral("&Arztbesuch"));
    m_register->addTab(krankenblattBauen(q, aktuelleKatze, hilfe()), QStringLiteral("&Krankenblatt"));
    m_register->addTab(new CatRecordPregnancyLog(q.schwanger, aktuelleKatze, hilfe()),
                       QStringLiteral("Sch&wangerschaft"));
}

QWidget *CatRecordHealthPage::impfungWurmkurBauen(const ZuchtQuellen &q,
                                                  const std::function<int()> &aktuelleKatze)
{
    // the two grids share the tab's height equally
    auto *w = new QWidget(this);
    auto *l = new QVBoxLayout(w);
    l->addWidget(behandlungen(q.impfung, aktuelleKatze, TagImpfungen, "&Impfungen", TagImpfung,
                              QStringLiteral("Impfung"), QStringLiteral("NeuAm"), w),
                 1);
    l->addWidget(behandlungen(q.wurmkur, aktuelleKatze, TagEntwurmung, "E&ntwurmung", TagMedikament,
                              QStringLiteral("Medikament"), QStringLiteral("Naechste"), w),
                 1);
    return w;
}

QWidget *CatRecordHealthPage::arztbesuchBauen(const ZuchtQuellen &q,
                                              const std::function<int()> &aktuelleKatze, QPushButton *hilfe)
{
    DataSource *s = q.arztbesuch;
    auto *w = new CatRecordLogSheet(s, aktuelleKatze, QStringLiteral("Arztbesuch"),
                                    {TagHinzufuegen, "H&inzufügen"}, hilfe, this);
    QGridLayout *g = w->felder();
    g->addWidget(textMitTag(TagArztbesuchAm, QStringLiteral("Am"), w), 0, 0);
    auto *datum = new DBDateEdit(s, QStringLiteral("Datum"), w);
    datum->setObjectName(QStringLiteral("DBArztbesuchDatum"));
    datum->setMaximumWidth(110);
    g->addWidget(mitKalender(datum, s, QStringLiteral("Datum"), w), 0, 1, Qt::AlignLeft);
    g->addWidget(textMitTag(TagArzt, QStringLiteral("Arzt"), w), 1, 0);
    auto *arzt = new DBEdit(s, QStringLiteral("Arzt"), w);
    arzt->setObjectName(QStringLiteral("DBArzt"));
    arzt->setProperty("tag", TagArzt); // its hint
    g->addWidget(arzt, 1, 1);
    g->addWidget(textMitTag(TagGrund, QStringLiteral("Grund"), w), 2, 0, Qt::AlignTop);
    auto *grund = new DBMemo(s, QStringLiteral("Wegen"), w);
    grund->setObjectName(QStringLiteral("DBWegen"));
    g->addWidget(grund, 2, 1);
    g->addWidget(textMitTag(TagBefund, QStringLiteral("Befund"), w), 3, 0, Qt::AlignTop);
    auto *befund = new DBMemo(s, QStringLiteral("Befund"), w);
    befund->setObjectName(QStringLiteral("DBBefund"));
    g->addWidget(befund, 3, 1);
    g->setColumnStretch(1, 1);
    return w;
}

QWidget *CatRecordHealthPage::krankenblattBauen(const ZuchtQuellen &q,
                                                const std::function<int()> &aktuelleKatze, QPushButton *hilfe)
{
    DataSource *s = q.krankenblatt;
    auto *w = new CatRecordLogSheet(s, aktuelleKatze, QStringLiteral("Krankenblatt"),
                                    {TagNeueSeite, "&Neue Seite"}, hilfe, this);
    QGridLayout *g = w->felder();
    // four dated entries a sheet
    for (int i = 0; i < 4; ++i) {
        const QString n = QString::number(i + 1);
        g->addWidget(textMitTag(TagDatum, QStringLiteral("Datum"), w), i, 0, Qt::AlignTop);
        auto *datum = new DBDateEdit(s, QStringLiteral("Datum") + n, w);
        datum->setObjectName(QStringLiteral("DBKrankenblattDatum") + n);
        datum->setMaximumWidth(110);
        g->addWidget(mitKalender(datum, s, QStringLiteral("Datum") + n, w), i, 1, Qt::AlignTop);
        g->addWidget(textMitTag(TagText, QStringLiteral("Text"), w), i, 2, Qt::AlignTop);
        auto *text = new DBMemo(s, QStringLiteral("Text") + n, w);
        text->setObjectName(QStringLiteral("DBKrankenblattText") + n);
        g->addWidget(text, i, 3);
    }
    g->setColumnStretch(3, 1);
    return w;
}

void CatRecordHealthPage::katzeGewechselt(bool kaetzin)
{
    m_register->setTabVisible(RegisterSchwangerschaft, kaetzin);
    for (DataSource *s : std::as_const(m_logs)) {
        if (s->isOpen() && !s->isEditing())
            s->last();
    }
}

} // namespace tav::cats::ui
