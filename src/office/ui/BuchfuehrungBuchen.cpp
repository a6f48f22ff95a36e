// The bookkeeping window's page "Buchen": the account chooser, the single posting and the table
// of the account's postings.
#include "Buchfuehrung.h"

#include "cats/ui/Pkalend.h"
#include "store/Table.h"
#include "widgets/DBGrid.h"
#include "widgets/DataSource.h"
#include "widgets/Dialogs.h"
#include "widgets/ListenTeile.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

using namespace tav::store;
using namespace tav::widgets;

namespace tav::office::ui {

namespace {
constexpr int TagWaehler = 7024, TagEinzeln = 7021, TagTabelle = 7025, TagNr = 7026, TagDatum = 7012,
              TagBetrag = 7006, TagKategorie = 7005, TagBeschreibung = 7027, TagKonto = 7063, TagStand = 7028,
              TagNeu = 7029, TagKontoWahl = 7030, TagSpeichern = 7031, TagRueck = 4851, TagLoeschen = 4852,
              TagZurueck = 4853, TagHilfe = 4854, MeldungFehlt = 7001;

} // namespace

QWidget *TFormBuchfuehrung::buchenSeite()
{
    auto *seite = new QWidget;
    m_buchenStapel = new QStackedWidget(seite);

    auto *waehler = new QWidget;
    auto *wv = new QVBoxLayout(waehler);
    wv->addWidget(beschriftet(QStringLiteral("Bitte Konto durch Doppelklick auswählen"), TagWaehler));
    m_waehlerGrid =
        spaltenGrid(m_kontenSrc, QStringLiteral("KontenWahl"),
                    {{QStringLiteral("Name"), 7064}, {QStringLiteral("Kontostand"), TagStand}}, waehler);
    m_waehlerGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(m_waehlerGrid, &QAbstractItemView::doubleClicked, this,
            [this] { kontoWaehlen(m_konten->intValue(QStringLiteral("LaufendeNummer"))); });
    wv->addWidget(m_waehlerGrid);
    m_buchenStapel->addWidget(waehler);

    m_ansicht = new QTabWidget;
    m_ansicht->setObjectName(QStringLiteral("Ansicht"));
    auto *einzeln = new QWidget;
    einzeln->setProperty("tag", TagEinzeln);
    auto *g = new QGridLayout(einzeln);
    m_nr = new QLabel;
    m_nr->setObjectName(QStringLiteral("BuchungsNr"));
    m_datum = new QLineEdit;
    m_datum->setObjectName(QStringLiteral("Datum"));
    m_kalender = new QToolButton;
    m_kalender->setObjectName(QStringLiteral("Kalender"));
    m_kalender->setText(QStringLiteral("..."));
    connect(m_kalender, &QToolButton::clicked, this, [this] {
        if (const auto d =
                cats::ui::runCalendar(this, QDate::fromString(m_datum->text(), QStringLiteral("dd.MM.yyyy"))))
            m_datum->setText(d->toString(QStringLiteral("dd.MM.yyyy")));
    });
    m_betrag = new QLineEdit;
    m_betrag->setObjectName(QStringLiteral("Betrag"));
    m_kategorie = new QComboBox;
    m_kategorie->setObjectName(QStringLiteral("Kategorie"));
    m_beschreibung = new QLineEdit;
    m_beschreibung->setObjectName(QStringLiteral("Beschreibung"));
    m_kontoName = new QLabel;
    m_kontoName->setObjectName(QStringLiteral("KontoName"));
    m_kontostand = new QLabel;
    m_kontostand->setObjectName(QStringLiteral("Kontostand"));
    auto *datumZeile = new QHBoxLayout;
    datumZeile->addWidget(m_datum);
    datumZeile->addWidget(m_kalender);
    datumZeile->addStretch();
    int z = 0;
    g->addWidget(beschriftet(QStringLiteral("Buchungs Nr."), TagNr), z, 0);
    g->addWidget(m_nr, z++, 1);
    g->addWidget(beschriftet(QStringLiteral("Datum"), TagDatum), z, 0);
    g->addLayout(datumZeile, z++, 1);
    g->addWidget(beschriftet(QStringLiteral("Betrag"), TagBetrag), z, 0);
    g->addWidget(m_betrag, z++, 1);
    g->addWidget(beschriftet(QStringLiteral("Kategorie"), TagKategorie), z, 0);
    g->addWidget(m_kategorie, z++, 1);
    g->addWidget(beschriftet(QStringLiteral("Beschreibung"), TagBeschreibung), z, 0);
    g->addWidget(m_beschreibung, z++, 1);
    g->addWidget(beschriftet(QStringLiteral("Konto"), TagKonto), z, 0);
    g->addWidget(m_kontoName, z++, 1);
    g->addWidget(beschriftet(QStringLiteral("Kontostand"), TagStand), z, 0);
    g->addWidget(m_kontostand, z++, 1);
    g->setRowStretch(z, 1);
    m_ansicht->addTab(einzeln, QStringLiteral("Buchen"));
    auto *tabelle = new QWidget;
    tabelle->setProperty("tag", TagTabelle);
    m_buchungsGrid = spaltenGrid(m_buchSrc, QStringLiteral("Buchungen"),
                                 {{QStringLiteral("BuchungsNr"), TagNr},
                                  {QStringLiteral("Buchungsdatum"), TagDatum},
                                  {QStringLiteral("Kategorie"), TagKategorie},
                                  {QStringLiteral("Betrag"), TagBetrag},
                                  {QStringLiteral("Beschreibung"), TagBeschreibung}},
                                 tabelle);
    (new QVBoxLayout(tabelle))->addWidget(m_buchungsGrid);
    m_ansicht->addTab(tabelle, QStringLiteral("Tabellenansicht"));
    m_buchenStapel->addWidget(m_ansicht);
    connect(m_buchSrc, &DataSource::recordChanged, this, [this] {
        if (!m_eingabe)
            buchungAnzeigen();
    });

    QPushButton *zurueck =
        listenKnopf(TagZurueck, QStringLiteral("Zurueck"), QStringLiteral("&Zurück"), seite);
    m_rueck = listenKnopf(TagRueck, QStringLiteral("Rueckgaengig"), QStringLiteral("R&ückgängig"), seite);
    m_neu = listenKnopf(TagNeu, QStringLiteral("BuchungNeu"), QStringLiteral("Buchung neu"), seite);
    m_loeschen = listenKnopf(TagLoeschen, QStringLiteral("Loeschen"), QStringLiteral("L&öschen"), seite);
    QPushButton *hilfe = listenKnopf(TagHilfe, QStringLiteral("Hilfe"), QStringLiteral("&Hilfe"), seite);
    m_kontoWahl =
        listenKnopf(TagKontoWahl, QStringLiteral("KontoWaehlen"), QStringLiteral("&Konto wählen"), seite);
    m_speichern = listenKnopf(TagSpeichern, QStringLiteral("Speichern"), QStringLiteral("Speichern"), seite);
    connect(zurueck, &QPushButton::clicked, this, &QWidget::close);
    connect(m_rueck, &QPushButton::clicked, this, &TFormBuchfuehrung::rueckgaengig);
    connect(m_neu, &QPushButton::clicked, this, &TFormBuchfuehrung::buchungNeu);
    connect(m_loeschen, &QPushButton::clicked, this, &TFormBuchfuehrung::loeschen);
    connect(hilfe, &QPushButton::clicked, this, [this] { showHelp(); });
    connect(m_kontoWahl, &QPushButton::clicked, this, [this] {
        if (!m_eingabe || speichern())
            kontoWaehlerZeigen();
    });
    connect(m_speichern, &QPushButton::clicked, this, &TFormBuchfuehrung::speichern);

    auto *v = new QVBoxLayout(seite);
    v->addWidget(m_buchenStapel, 1);
    v->addWidget(knopfLeiste({m_neu, m_rueck, m_loeschen, nullptr, m_kontoWahl, m_speichern}));
    v->addWidget(knopfLeiste({zurueck, nullptr, hilfe}));
    eingabeFreigeben(false);
    return seite;
}

void TFormBuchfuehrung::eingabeFreigeben(bool an)
{
    m_eingabe = an;
    // read-only fields take the button face's colour, fields open for input the window's
    for (QWidget *w : std::initializer_list<QWidget *>{m_datum, m_betrag, m_beschreibung, m_kategorie}) {
        w->setEnabled(an);
        w->setBackgroundRole(an ? QPalette::Base : QPalette::Button);
    }
    m_kalender->setEnabled(an);
    m_rueck->setEnabled(an);
    m_speichern->setEnabled(an);
    m_neu->setEnabled(m_konto && !an);
    m_loeschen->setEnabled(m_konto && !an);
    m_kontoWahl->setEnabled(m_konto);
}

void TFormBuchfuehrung::kontoWaehlerZeigen()
{
    m_konto = 0;
    meldenBeiFehler([this] { m_konten->refresh(); });
    m_waehlerGrid->tableModel()->reload();
    m_buchenStapel->setCurrentIndex(0);
    eingabeFreigeben(false);
}

void TFormBuchfuehrung::buchungenOeffnen()
{
    meldenBeiFehler([this] {
        m_buchungen->setRange({m_konto}, {m_konto});
        m_buchungen->last();
    });
    m_buchungsGrid->tableModel()->reload();
    buchungAnzeigen();
}

void TFormBuchfuehrung::kontoWaehlen(int konto)
{
    const auto k = office::konto(*m_db, konto);
    if (!k || k->art == Kontoart::Kategorie)
        return;
    m_konto = konto;
    kategorienLaden();
    buchungenOeffnen();
    m_buchenStapel->setCurrentIndex(1);
    eingabeFreigeben(false);
}

void TFormBuchfuehrung::kategorienLaden()
{
    m_kategorie->clear();
    // every name of the accounts table; the item keeps the row's number, which a transfer goes by
    QVector<Konto> alle = office::kategorien(*m_db) + office::konten(*m_db);
    for (const Konto &k : alle)
        if (k.nummer != m_konto)
            m_kategorie->addItem(k.name, k.nummer);
    m_kategorie->setCurrentIndex(-1);
}

void TFormBuchfuehrung::buchungAnzeigen()
{
    const auto k = office::konto(*m_db, m_konto);
    m_kontoName->setText(k ? k->name : QString());
    m_kontostand->setText(k ? k->kontostand.text(locale()) : QString());
    const bool da = m_konto && m_buchungen->hasRecord();
    m_nr->setText(da ? m_buchungen->text(QStringLiteral("BuchungsNr")) : QString());
    m_datum->setText(da ? m_buchungen->text(QStringLiteral("Buchungsdatum")) : QString());
    m_betrag->setText(
        da ? Geld::ausEinheiten(m_buchungen->currencyUnits(QStringLiteral("Betrag")).value_or(0))
                 .text(locale())
           : QString());
    m_kategorie->setCurrentIndex(da ? m_kategorie->findText(m_buchungen->text(QStringLiteral("Kategorie")))
                                    : -1);
    m_beschreibung->setText(da ? m_buchungen->text(QStringLiteral("Beschreibung")) : QString());
}

void TFormBuchfuehrung::buchungNeu()
{
    if (!m_konto)
        return;
    eingabeFreigeben(true);
    m_nr->clear();
    m_datum->setText(QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")));
    m_betrag->clear();
    m_beschreibung->clear();
    m_kategorie->setCurrentIndex(-1);
    // the postings grid only shows what is stored: a new posting is typed in the single view,
    // whichever view was open
    m_ansicht->setCurrentIndex(0);
    m_datum->setFocus();
}

bool TFormBuchfuehrung::speichern()
{
    if (!m_eingabe)
        return true;
    const QDate datum = QDate::fromString(m_datum->text().trimmed(), QStringLiteral("dd.MM.yyyy"));
    const auto betrag = Geld::lesen(m_betrag->text(), locale());
    if (!betrag && !m_betrag->text().trimmed().isEmpty()) {
        showMessage(app::MeldungUngueltigerBetrag, MsgIcon::Warning, MsgButtons::Ok, QString(),
                    QStringLiteral(" ") + m_betrag->text());
        m_betrag->setFocus();
        return false;
    }
    if (!datum.isValid() || !betrag || m_kategorie->currentIndex() < 0) {
        showMessage(MeldungFehlt, MsgIcon::Warning, MsgButtons::Ok);
        return false;
    }
    if (!m_buchSrc->saveWithoutAsking() &&
        showMessage(29, MsgIcon::Warning, MsgButtons::YesNo) != QMessageBox::Yes) {
        rueckgaengig();
        return false;
    }
    const Eingabe e{m_konto, m_kategorie->currentData().toInt(), datum, *betrag, m_beschreibung->text()};
    if (!meldenBeiFehler([&] { m_buch.buchen(e); }))
        return false;
    eingabeFreigeben(false);
    buchungenOeffnen();
    return true;
}

void TFormBuchfuehrung::rueckgaengig()
{
    eingabeFreigeben(false);
    buchungenOeffnen();
}

void TFormBuchfuehrung::loeschen()
{
    if (!m_konto || !m_buchungen->hasRecord())
        return;
    if (showMessage(28, MsgIcon::Question, MsgButtons::YesNo) != QMessageBox::Yes)
        return;
    const int nr = m_buchungen->intValue(QStringLiteral("BuchungsNr"));
    meldenBeiFehler([&] { m_buch.loeschen(nr); });
    buchungenOeffnen();
}

} // namespace tav::office::ui
