// Buchfuehrung: the bookkeeping window (TFormBuchfuehrung) and its period dialog.
#pragma once

#include "office/Buchfuehrung.h"
#include "widgets/ChildWindow.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;
class QStackedWidget;
class QTabWidget;
class QTableWidget;
class QToolButton;

namespace tav::store {
class Database;
class Table;
} // namespace tav::store

namespace tav::widgets {
class DataSource;
class DBGrid;
} // namespace tav::widgets

namespace tav::office::ui {

// The period dialog ("Statistik "): from month, to month, year; it keeps the last values.
class TStatistikDlg : public QDialog
{
    Q_OBJECT
  public:
    explicit TStatistikDlg(QWidget *parent = nullptr);
    // the chosen months' period; nullopt (after message 7002) for a period that is none
    std::optional<Zeitraum> zeitraum() const;
    QSpinBox *von, *bis, *jahr;
};

// The bookkeeping (exclusive window): page "Buchen" with the account chooser, single postings and
// the table of the account's postings; the evaluations; the accounts, categories and VAT rates.
// Every change of the books goes through Buchfuehrung, one transaction each.
class TFormBuchfuehrung : public tav::widgets::ChildWindow
{
    Q_OBJECT
  public:
    explicit TFormBuchfuehrung(tav::store::Database *db, QWidget *parent = nullptr);
    ~TFormBuchfuehrung() override;

    enum Seite { SeiteBuchen, SeiteAuswertung, SeiteKonten };
    // false when pending edits could not be stored (the page stays)
    bool seiteZeigen(int seite);

    // page "Buchen"
    void kontoWaehlen(int konto);
    void kontoWaehlerZeigen();
    void buchungNeu();
    bool speichern();
    void rueckgaengig();
    void loeschen();
    int gewaehltesKonto() const { return m_konto; }

    // evaluations; a period from the dialog unless given
    void kontostandZeigen();
    void kategorieStatistik(const QString &kategorie);
    void gewinnVerlustRechnen();
    void neuerZeitraum();
    void drucken();
    void setZeitraum(const Zeitraum &z) { m_zeitraum = z; }

    // accounts: "&NeuesKonto" shows the kind choice; choosing a kind appends an account of it
    void kontoartWaehlen();
    void neuesKonto(Kontoart art);

    tav::store::Table *kontenTabelle() const { return m_konten; }
    TStatistikDlg *statistikDlg() const { return m_dlg; }

    QTabWidget *m_seiten = nullptr;
    // "Buchen"
    QStackedWidget *m_buchenStapel = nullptr;
    tav::widgets::DBGrid *m_waehlerGrid = nullptr, *m_buchungsGrid = nullptr;
    QTabWidget *m_ansicht = nullptr;
    QLabel *m_nr = nullptr, *m_kontoName = nullptr, *m_kontostand = nullptr;
    QLineEdit *m_datum = nullptr, *m_betrag = nullptr, *m_beschreibung = nullptr;
    QComboBox *m_kategorie = nullptr;
    QToolButton *m_kalender = nullptr;
    QPushButton *m_neu = nullptr, *m_speichern = nullptr, *m_rueck = nullptr, *m_loeschen = nullptr,
                *m_kontoWahl = nullptr;
    // evaluations
    QTabWidget *m_auswertung = nullptr;
    QTableWidget *m_standListe = nullptr, *m_statistik = nullptr, *m_einnahmen = nullptr,
                 *m_ausgaben = nullptr;
    QListWidget *m_katListe = nullptr, *m_gvKonten = nullptr;
    QLabel *m_gesamt = nullptr, *m_einGesamt = nullptr, *m_ausGesamt = nullptr, *m_saldo = nullptr,
           *m_kontoPanel = nullptr;
    QCheckBox *m_alleKonten = nullptr;
    QPushButton *m_drucken = nullptr;
    // accounts: the kind choice (0) or the editor (1)
    QTabWidget *m_kontenTabs = nullptr;
    QStackedWidget *m_kontoStapel = nullptr;

  protected:
    void closeEvent(QCloseEvent *e) override;

  private:
    QWidget *buchenSeite();
    QWidget *auswertungSeite();
    QWidget *kontenSeite();
    QWidget *kontoEditor();
    void kontoEditorZeigen();
    QWidget *kategorieSeite();
    QWidget *knopfLeiste(const QList<QWidget *> &knoepfe);
    void eingabeFreigeben(bool an);
    void buchungAnzeigen();
    void kategorienLaden();
    bool meldenBeiFehler(const std::function<void()> &f);
    std::optional<Zeitraum> zeitraumFragen();
    bool allesSpeichern();
    void buchungenOeffnen();
    QLocale locale() const;

    tav::store::Database *m_db;
    Buchfuehrung m_buch;
    tav::store::Table *m_konten = nullptr, *m_buchungen = nullptr, *m_kats = nullptr, *m_mwst = nullptr;
    tav::widgets::DataSource *m_kontenSrc = nullptr, *m_buchSrc = nullptr, *m_katSrc = nullptr,
                             *m_mwstSrc = nullptr;
    QWidget *m_bankFelder = nullptr;
    TStatistikDlg *m_dlg = nullptr;
    int m_konto = 0;
    bool m_eingabe = false;
    std::optional<Zeitraum> m_zeitraum;
};

void registerBuchfuehrung();

// parts the window's pages share: a label with its caption tag, a grid of the given columns
QLabel *beschriftet(const QString &text, int tag, QWidget *buddy = nullptr);
struct GridSpalte {
    QString feld;
    int tag = 0;
    bool editierbar = false;
};
tav::widgets::DBGrid *spaltenGrid(tav::widgets::DataSource *src, const QString &name,
                                  const QVector<GridSpalte> &spalten, QWidget *parent);

} // namespace tav::office::ui
