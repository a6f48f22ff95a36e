// The bookkeeping window's evaluations: balances, statistics by category, profit and loss, and the
// income statement's print.
#include "Buchfuehrung.h"

#include "app/Sprache.h"
#include "printouts/ReportGewinnVerlust.h"
#include "report/ui/Vorschau.h"
#include "widgets/Dialogs.h"
#include "widgets/ListenTeile.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace tav::office::ui {

using namespace tav::widgets;

namespace {
constexpr int TagStand = 7028, TagKategorie = 7032, TagGV = 7033, TagNeu = 7034, TagDrucken = 7035,
              TagGesamt = 7036, TagEinGesamt = 7037, TagAusGesamt = 7038, TagSaldo = 7039, TagAlle = 7040,
              TagEinnahmen = 7003, TagAusgaben = 7004, TagZurueck = 4853;

QTableWidget *tabelle(const QString &name, const QStringList &titel, const QVariantList &tags)
{
    auto *t = new QTableWidget(0, int(titel.size()));
    t->setObjectName(name);
    t->setHorizontalHeaderLabels(titel);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->horizontalHeader()->setStretchLastSection(true);
    t->verticalHeader()->hide();
    t->setProperty("columnTags", tags);
    t->setProperty("tag", tags.value(0)); // the translator reaches the headers of tagged views
    return t;
}

void zeile(QTableWidget *t, const QStringList &werte)
{
    const int r = t->rowCount();
    t->insertRow(r);
    for (int c = 0; c < werte.size(); ++c) {
        auto *item = new QTableWidgetItem(werte[c]);
        if (c == werte.size() - 1)
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        t->setItem(r, c, item);
    }
}

QLabel *wert(const QString &name)
{
    auto *l = new QLabel;
    l->setObjectName(name);
    l->setAlignment(Qt::AlignRight);
    l->setMinimumWidth(140);
    return l;
}

QString captionOr(int tag, const QString &vorgabe)
{
    const QString t = tav::app::captionText(tag);
    return t.isEmpty() ? vorgabe : t;
}

} // namespace

QWidget *TFormBuchfuehrung::auswertungSeite()
{
    auto *seite = new QWidget;
    m_auswertung = new QTabWidget(seite);
    m_auswertung->setObjectName(QStringLiteral("Auswertung"));
    const QStringList spalten = {QStringLiteral("Datum"), QStringLiteral("Kategorie"),
                                 QStringLiteral("Konto"), QStringLiteral("Betrag")};
    const QVariantList spaltenTags = {7012, 7005, 7063, 7006};

    m_standListe = tabelle(QStringLiteral("Kontostaende"),
                           {QStringLiteral("Konto"), QStringLiteral("Kontostand")}, {7063, TagStand});
    auto *stand = new QWidget; // a tab page's tag names the tab; the table's own tag its headers
    stand->setProperty("tag", TagStand);
    (new QVBoxLayout(stand))->addWidget(m_standListe);
    m_auswertung->addTab(stand, QStringLiteral("Kontostand"));

    auto *kat = new QWidget;
    kat->setProperty("tag", TagKategorie);
    auto *kg = new QGridLayout(kat);
    m_katListe = new QListWidget;
    m_katListe->setObjectName(QStringLiteral("Kategorien"));
    m_statistik = tabelle(QStringLiteral("Statistik"), spalten, spaltenTags);
    m_gesamt = wert(QStringLiteral("Gesamt"));
    kg->addWidget(m_katListe, 0, 0, 2, 1);
    kg->addWidget(m_statistik, 0, 1, 1, 2);
    kg->addWidget(beschriftet(QStringLiteral("Gesamt"), TagGesamt), 1, 1);
    kg->addWidget(m_gesamt, 1, 2);
    kg->setColumnStretch(1, 1);
    connect(m_katListe, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem *i) { kategorieStatistik(i->text()); });
    m_auswertung->addTab(kat, QStringLiteral("Statistik nach Kategorie"));

    auto *gv = new QWidget;
    gv->setProperty("tag", TagGV);
    auto *gg = new QGridLayout(gv);
    m_gvKonten = new QListWidget;
    m_gvKonten->setObjectName(QStringLiteral("GVKonten"));
    m_alleKonten = new QCheckBox(QStringLiteral("alle Konten"));
    m_alleKonten->setObjectName(QStringLiteral("AlleKonten"));
    m_alleKonten->setProperty("tag", TagAlle);
    m_alleKonten->setChecked(true);
    m_kontoPanel = new QLabel;
    m_kontoPanel->setObjectName(QStringLiteral("KontoPanel"));
    m_einnahmen = tabelle(QStringLiteral("Einnahmen"), spalten, spaltenTags);
    m_ausgaben = tabelle(QStringLiteral("Ausgaben"), spalten, spaltenTags);
    m_einGesamt = wert(QStringLiteral("EinnahmenGesamt"));
    m_ausGesamt = wert(QStringLiteral("AusgabenGesamt"));
    m_saldo = wert(QStringLiteral("Saldo"));
    gg->addWidget(m_alleKonten, 0, 0);
    gg->addWidget(m_gvKonten, 1, 0, 3, 1);
    gg->addWidget(m_kontoPanel, 4, 0, 2, 1);
    gg->addWidget(beschriftet(QStringLiteral("Einnahmen"), TagEinnahmen), 0, 1);
    gg->addWidget(m_einnahmen, 1, 1, 1, 2);
    gg->addWidget(beschriftet(QStringLiteral("Ausgaben"), TagAusgaben), 2, 1);
    gg->addWidget(m_ausgaben, 3, 1, 1, 2);
    gg->addWidget(beschriftet(QStringLiteral("Einnahmen gesamt"), TagEinGesamt), 4, 1);
    gg->addWidget(m_einGesamt, 4, 2);
    gg->addWidget(beschriftet(QStringLiteral("Ausgaben gesamt"), TagAusGesamt), 5, 1);
    gg->addWidget(m_ausGesamt, 5, 2);
    gg->addWidget(beschriftet(QStringLiteral("Saldo Einnahmen/Ausgaben"), TagSaldo), 6, 1);
    gg->addWidget(m_saldo, 6, 2);
    gg->setColumnStretch(1, 1);
    connect(m_alleKonten, &QCheckBox::toggled, this, &TFormBuchfuehrung::gewinnVerlustRechnen);
    connect(m_gvKonten, &QListWidget::currentRowChanged, this, [this] {
        if (!m_alleKonten->isChecked())
            gewinnVerlustRechnen();
    });
    m_auswertung->addTab(gv, QStringLiteral("Statistik Gewinn / Verlust"));

    QPushButton *zurueck =
        listenKnopf(TagZurueck, QStringLiteral("ZurueckAuswertung"), QStringLiteral("&Zurück"), seite);
    QPushButton *neu = listenKnopf(TagNeu, QStringLiteral("Neu"), QStringLiteral("&Neu"), seite);
    m_drucken = listenKnopf(TagDrucken, QStringLiteral("Drucken"), QStringLiteral("&Drucken"), seite);
    connect(zurueck, &QPushButton::clicked, this, &QWidget::close);
    connect(neu, &QPushButton::clicked, this, &TFormBuchfuehrung::neuerZeitraum);
    connect(m_drucken, &QPushButton::clicked, this, &TFormBuchfuehrung::drucken);
    connect(m_auswertung, &QTabWidget::currentChanged, this, [this](int tab) {
        m_drucken->setEnabled(tab == 2);
        if (tab > 0 && !m_zeitraum)
            neuerZeitraum();
    });
    m_drucken->setEnabled(false);
    auto *v = new QVBoxLayout(seite);
    v->addWidget(m_auswertung, 1);
    v->addWidget(knopfLeiste({zurueck, nullptr, neu, m_drucken}));
    return seite;
}

void TFormBuchfuehrung::kontostandZeigen()
{
    m_standListe->setRowCount(0);
    m_katListe->clear();
    m_gvKonten->clear();
    meldenBeiFehler([this] {
        for (const Konto &k : office::konten(*m_db)) {
            zeile(m_standListe, {k.name, k.kontostand.text(locale())});
            auto *item = new QListWidgetItem(k.name, m_gvKonten);
            item->setData(Qt::UserRole, k.nummer);
        }
        for (const Konto &k : office::kategorien(*m_db))
            m_katListe->addItem(k.name);
    });
    if (m_gvKonten->count())
        m_gvKonten->setCurrentRow(0);
}

std::optional<Zeitraum> TFormBuchfuehrung::zeitraumFragen()
{
    if (execDialog(*m_dlg) != QDialog::Accepted)
        return std::nullopt;
    return m_dlg->zeitraum();
}

void TFormBuchfuehrung::neuerZeitraum()
{
    // a cancelled or refused period runs no query
    const auto z = zeitraumFragen();
    if (!z)
        return;
    m_zeitraum = z;
    if (m_auswertung->currentIndex() == 1 && m_katListe->currentItem())
        kategorieStatistik(m_katListe->currentItem()->text());
    else if (m_auswertung->currentIndex() == 2)
        gewinnVerlustRechnen();
}

void TFormBuchfuehrung::kategorieStatistik(const QString &kategorie)
{
    if (!m_zeitraum)
        return;
    m_statistik->setRowCount(0);
    meldenBeiFehler([&] {
        const Statistik s = office::kategorieStatistik(*m_db, kategorie, *m_zeitraum);
        for (const Buchung &b : s.posten)
            zeile(m_statistik, {b.datum.toString(QStringLiteral("dd.MM.yyyy")), b.kategorie, b.kontoName,
                                b.betrag.text(locale())});
        m_gesamt->setText(s.gesamt.text(locale()));
    });
}

void TFormBuchfuehrung::gewinnVerlustRechnen()
{
    if (!m_zeitraum)
        return;
    std::optional<int> konto;
    if (!m_alleKonten->isChecked() && m_gvKonten->currentItem())
        konto = m_gvKonten->currentItem()->data(Qt::UserRole).toInt();
    m_kontoPanel->setVisible(konto.has_value());
    meldenBeiFehler([&] {
        const GewinnVerlust g = office::gewinnVerlust(*m_db, *m_zeitraum, konto);
        for (auto [t, liste, vorzeichen] :
             {std::tuple{m_einnahmen, &g.einnahmen, false}, std::tuple{m_ausgaben, &g.ausgaben, true}}) {
            t->setRowCount(0);
            for (const Buchung &b : *liste)
                zeile(t, {b.datum.toString(QStringLiteral("dd.MM.yyyy")), b.kategorie, b.kontoName,
                          (vorzeichen ? -b.betrag : b.betrag).text(locale())});
        }
        m_einGesamt->setText(g.einnahmenGesamt.text(locale()));
        m_ausGesamt->setText(g.ausgabenGesamt.text(locale()));
        m_saldo->setText(g.saldo().text(locale()));
        if (konto) {
            const auto k = office::konto(*m_db, *konto);
            const QString zum = captionOr(7042, QStringLiteral("zum"));
            const QString d = QStringLiteral("dd.MM.yyyy");
            m_kontoPanel->setText(QStringLiteral("%1 %2 %3: %4\n%5 %2 %6: %7")
                                      .arg(captionOr(7041, QStringLiteral("Eröffnungssaldo")), zum,
                                           k->zum.toString(d), k->eroeffnung.text(locale()),
                                           captionOr(7028, QStringLiteral("Kontostand")),
                                           QDate::currentDate().toString(d), k->kontostand.text(locale())));
        }
    });
}

void TFormBuchfuehrung::drucken()
{
    if (!m_zeitraum)
        return;
    std::optional<report::ReportJob> job;
    if (meldenBeiFehler([&] {
            job = printouts::reportGewinnUndVerlust(
                printouts::gewinnVerlustLesen(*m_db, *m_zeitraum, locale()));
        }))
        report::ui::zeigeVorschau(std::move(*job), this);
}

} // namespace tav::office::ui
