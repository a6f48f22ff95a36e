#include "CatRecordLogSheet.h"
#include "PcatstamIntern.h"

#include "store/Table.h"
#include "widgets/DataSource.h"
#include "widgets/Nav2.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

using namespace tav::widgets;

namespace tav::cats::ui {

ZeilenKnoepfe zeilenKnoepfe(DataSource *s, const std::function<int()> &aktuelleKatze, int neuTag,
                            const QString &neuText, const QString &wegText, QWidget *parent)
{
    auto *neu = knopfMitTag(neuTag, neuText, parent);
    neu->setObjectName(s->table()->tableName() + QStringLiteral("Hinzufuegen"));
    auto *weg = knopfMitTag(TagLoeschen, wegText, parent);
    weg->setObjectName(s->table()->tableName() + QStringLiteral("Loeschen"));
    QObject::connect(neu, &QPushButton::clicked, parent, [s, aktuelleKatze] {
        if (aktuelleKatze() > 0)
            s->append();
    });
    QObject::connect(weg, &QPushButton::clicked, parent, [s] {
        if (s->table()->hasRecord() || s->isEditing())
            s->remove();
    });
    return {neu, weg};
}

QHBoxLayout *eintragKnoepfe(DataSource *s, const std::function<int()> &aktuelleKatze, int neuTag,
                            const QString &neuText, QWidget *parent)
{
    auto *l = new QHBoxLayout;
    const auto [neu, weg] =
        zeilenKnoepfe(s, aktuelleKatze, neuTag, neuText, QStringLiteral("L&öschen"), parent);
    auto *speichern = knopfMitTag(TagSpeichern, QStringLiteral("Speichern"), parent);
    auto *zurueck = knopfMitTag(TagRueckgaengig, QStringLiteral("R&ückgängig"), parent);
    s->attachButtons(speichern, zurueck);
    for (QPushButton *b : {neu, weg, speichern, zurueck})
        l->addWidget(b);
    l->addStretch();
    return l;
}

CatRecordLogSheet::CatRecordLogSheet(DataSource *s, const std::function<int()> &aktuelleKatze,
                                     const QString &name, Knopf neuKnopf, QPushButton *hilfe, QWidget *parent)
    : QWidget(parent)
{
    auto *l = new QVBoxLayout(this);
    auto *nav = new TDBNavigatorSpec(this);
    nav->setObjectName(QStringLiteral("Navigator") + name);
    nav->setDataSource(s);
    nav->setVisibleButtons(
        {TNavigateBtn::nbFirst, TNavigateBtn::nbPrior, TNavigateBtn::nbNext, TNavigateBtn::nbLast});
    nav->setHints(TDBNavigatorSpec::germanHints());
    l->addWidget(nav, 0, Qt::AlignLeft);
    m_felder = new QGridLayout;
    l->addLayout(m_felder, 1);
    QHBoxLayout *knoepfe =
        eintragKnoepfe(s, aktuelleKatze, neuKnopf.tag, QString::fromUtf8(neuKnopf.text), this);
    knoepfe->addWidget(hilfe);
    l->addLayout(knoepfe);
}

} // namespace tav::cats::ui
