#pragma once

#include <QVector>
#include <QWidget>
#include <functional>

class QFrame;
class QLabel;
class QPushButton;
class QScrollArea;

namespace tav::widgets {
class DataSource;
class DBEdit;
class DBMemo;
} // namespace tav::widgets

namespace tav::cats::ui {

// The pictures page of the cat record window: the strip of thumbnails, the large picture with its
// texts, and which picture is printed for the cat (field Feld2 of the cat).
class CatRecordPicturePage : public QWidget
{
    Q_OBJECT
  public:
    // `katze` is the cat's data source, `bilder` its detail of BILDER.DB; `aktuelleKatze` gives the
    // stored cat shown (0 for none or a new one); `hilfe` goes to the page's corner.
    CatRecordPicturePage(tav::widgets::DataSource *katze, tav::widgets::DataSource *bilder,
                         std::function<int()> aktuelleKatze, QPushButton *hilfe, QWidget *parent = nullptr);

    // reads the pictures of the cat shown anew
    void laden();
    // selects picture n (1-based) in the strip and shows it large
    void waehlen(int n);
    // the page is shown: the selection is shown again
    void gezeigt();

    QString bildFuerDruck() const { return m_bildFuerDruck; }
    int anzahl() const { return m_anzahl; }
    int aktuelles() const { return m_aktuell; }

  Q_SIGNALS:
    // the picture that represents the cat changed (empty: none)
    void druckBildGeaendert(const QString &pfad);

  private:
    void hinzufuegen();
    void loeschen();
    void druckBildSetzen(int n);
    void druckBildFeldVerlassen();
    int feld2() const;

    tav::widgets::DataSource *m_katze;
    tav::widgets::DataSource *m_bilder;
    std::function<int()> m_aktuelleKatze;
    QScrollArea *m_streifenScroll = nullptr;
    QWidget *m_streifen = nullptr;
    QVector<QFrame *> m_rahmen;
    QVector<QFrame *> m_balken;
    QVector<QString> m_pfade;
    QFrame *m_grossPanel = nullptr;
    QLabel *m_grossBild = nullptr;
    QLabel *m_zaehler = nullptr;
    tav::widgets::DBEdit *m_druckVon = nullptr;
    tav::widgets::DBMemo *m_memo1 = nullptr, *m_memo2 = nullptr;
    QString m_bildFuerDruck;
    int m_anzahl = 0;
    int m_aktuell = 0;
};

} // namespace tav::cats::ui
