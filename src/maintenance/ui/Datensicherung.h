// Datensicherung: the backup and restore windows.
#pragma once

#include "maintenance/Datensicherung.h"
#include "widgets/ChildWindow.h"

class QFileSystemModel;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTreeView;
class QWidget;

namespace tav::store {
class Database;
}

namespace tav::maintenance::ui {

// What both windows share: the folder tree, the buttons and the progress panel.
class TFormSicherungsbasis : public tav::widgets::ChildWindow, public SicherungsFortschritt
{
    Q_OBJECT
  public:
    QString ordner() const;
    void setOrdner(const QString &pfad);

    QTreeView *Verzeichnisse = nullptr;
    QPushButton *BitBtnStart = nullptr, *BitBtnAbbruch = nullptr, *BitBtnHilfe = nullptr,
                *BitBtnZurueck = nullptr;
    QWidget *PanelFortschritt = nullptr;
    QLabel *LabelVorgang = nullptr, *LabelDatei = nullptr, *LabelNummer = nullptr, *LabelAnzahl = nullptr;
    QProgressBar *ProgressBar = nullptr;

    void datei(Vorgang v, const QString &name, int nr, int anzahl) override;
    bool abbrechen() override;

  protected:
    TFormSicherungsbasis(const QString &name, int tag, int hilfe, tav::store::Database *db, QWidget *parent);
    // puts the window's own controls (below the tree) and the buttons together
    void aufbauen(QWidget *extra);
    virtual void BitBtnStartClick() = 0;
    // Start disabled, Abbruch enabled, panel shown while `laeuft`
    void laeuft(bool an);

    tav::store::Database *m_db;
    bool m_abbruch = false;

  private:
    QFileSystemModel *m_modell = nullptr;
};

class TFormDatensicherung : public TFormSicherungsbasis
{
    Q_OBJECT
  public:
    explicit TFormDatensicherung(tav::store::Database *db, QWidget *parent = nullptr);
    static TFormDatensicherung *instance();

    QPushButton *BitBtnNeu = nullptr, *BitBtnNeuOk = nullptr, *BitBtnNeuAbbruch = nullptr;
    QWidget *PanelNeu = nullptr;
    QLineEdit *EditNeu = nullptr;

    void BitBtnStartClick() override;
    void BitBtnNeuOkClick();
};

class TFormDatenruecksicherung : public TFormSicherungsbasis
{
    Q_OBJECT
  public:
    explicit TFormDatenruecksicherung(tav::store::Database *db, QWidget *parent = nullptr);
    static TFormDatenruecksicherung *instance();

    void BitBtnStartClick() override;
};

void registerDatensicherung();

} // namespace tav::maintenance::ui
