// Meldeformular: the show entry windows: TFormMeldeformular (general, FIFE and D.R.U. forms) and
// TFormMeldeformularCFA, filled from the register and corrected before printing. Nothing typed is
// written back.
#pragma once

#include "printouts/ReportMelde.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tav::store {
class Database;
}

namespace tav::printouts::ui {

// Print jobs 4 and 10: the window of the cat, modal; it frees itself when closed.
void meldeformularOeffnen(QWidget *parent, tav::store::Database &db, int katzeNr);
void meldeformularCFAOeffnen(QWidget *parent, tav::store::Database &db, int katzeNr);

constexpr int MeldeformularHilfeKontext = 170;

// What both windows share: fields bound to the parts of the form, the print buttons' work.
class MeldeformularBasis : public QDialog
{
    Q_OBJECT
  public:
    // the form as the fields say now
    Meldung meldung() const;
    // false after saying why (the form texts are missing, the printer dialog was cancelled)
    bool zeigen(Meldeform form);
    bool drucken(Meldeform form);

    QPushButton *BitBtnHilfe, *BitBtnZurueck;

  protected:
    MeldeformularBasis(const Meldung &m, const QString &name, int tag, QWidget *parent);

    QLineEdit *feld(QGridLayout *g, int zeile, int spalte, int tag, const QString &caption, const char *name,
                    QString Meldung::*teil);
    QCheckBox *marke(int tag, const QString &caption, const char *name, bool Meldung::*teil);
    QGroupBox *jaNein(int tag, const QString &caption, const char *name, bool Meldung::*teil);
    QPushButton *knopf(int tag, const QString &caption, const char *name);
    QGroupBox *gruppe(int tag, const QString &caption);
    // the heading (the window's own tag), the two columns of groups, the print buttons, help and back
    void zusammensetzen(const QString &kopf, const QList<QWidget *> &links, const QList<QWidget *> &rechts,
                        const QList<QPushButton *> &drucken);

    Meldung m_gelesen;
    QVector<QPair<QLineEdit *, QString Meldung::*>> m_texte;
    QVector<QPair<QCheckBox *, bool Meldung::*>> m_marken;
    QVector<QPair<QRadioButton *, bool Meldung::*>> m_ja;
    QVector<QCheckBox *> m_klassen;
    QVector<bool> Meldung::*m_klassenTeil = &Meldung::klassen;
    QComboBox *m_region = nullptr;

  private:
    std::optional<report::ReportJob> job(Meldeform form);
};

class TFormMeldeformular : public MeldeformularBasis
{
    Q_OBJECT
  public:
    explicit TFormMeldeformular(const Meldung &m, QWidget *parent = nullptr);

    QLineEdit *ADatum, *AOrt, *Verein, *AusstellerEdit, *NameKatzeEdit, *VaterEdit;
    QPushButton *BitBtnVorschau, *BitBtnDrucken, *BitBtnVorschauFIFE, *BitBtnDruckenFIFE, *BitBtnVorschauDRU,
        *BitBtnDruckenDRU;
    QCheckBox *CheckBoxSamstag, *CheckBoxSonntag;
    const QVector<QCheckBox *> &klassen() const { return m_klassen; }
};

class TFormMeldeformularCFA : public MeldeformularBasis
{
    Q_OBJECT
  public:
    explicit TFormMeldeformularCFA(const Meldung &m, QWidget *parent = nullptr);

    QLineEdit *ADatum, *AOrt, *Verein, *NameKatzeEdit, *GebDatEdit, *FarbklasseEdit;
    QLabel *LabelVereinsmitglied;
    QComboBox *ComboBoxRegion;
    QPushButton *BitBtnVorschau, *BitBtnDrucken;
    const QVector<QCheckBox *> &klassen() const { return m_klassen; }
};

} // namespace tav::printouts::ui
