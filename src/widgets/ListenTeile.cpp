#include "ListenTeile.h"

#include "DataSource.h"
#include "Nav2.h"

#include <QGridLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace tav::widgets {

using namespace tav::app;

namespace {
constexpr int TagFelder = 4855, TagTabelle = 4856, TagNavigator = 380;
}

QPushButton *listenKnopf(int tag, const QString &name, const QString &text, QWidget *parent)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setProperty("tag", tag);
    return b;
}

QTabWidget *felderUndTabelle(QWidget *felder, QWidget *grid, QWidget *parent)
{
    auto *seiten = new QTabWidget(parent);
    seiten->setObjectName(QStringLiteral("PageControl1"));
    // short tab texts would otherwise sit below the width of their elided form
    seiten->setElideMode(Qt::ElideNone);
    seiten->setUsesScrollButtons(false);
    felder->setProperty("tag", TagFelder);
    seiten->addTab(felder, QStringLiteral("&Felder"));
    auto *tabelle = new QWidget(seiten);
    tabelle->setProperty("tag", TagTabelle);
    (new QVBoxLayout(tabelle))->addWidget(grid);
    seiten->addTab(tabelle, QStringLiteral("&Tabelle"));
    return seiten;
}

void navigatorAnhaengen(QGridLayout *g, int zeile, DataSource *source, QWidget *seite)
{
    auto *nav = new TDBNavigatorSpec(seite);
    nav->setObjectName(QStringLiteral("DBNavigator1"));
    nav->setProperty("tag", TagNavigator);
    nav->setDataSource(source);
    nav->setVisibleButtons(
        {TNavigateBtn::nbFirst, TNavigateBtn::nbPrior, TNavigateBtn::nbNext, TNavigateBtn::nbLast});
    nav->setHints(TDBNavigatorSpec::germanHints());
    g->addWidget(nav, zeile, 0, 1, 2, Qt::AlignLeft);
    g->setRowStretch(zeile + 1, 1);
    g->setColumnStretch(1, 1);
}

} // namespace tav::widgets
