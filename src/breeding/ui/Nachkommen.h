// Nachkommen: the window of a cat's direct offspring as cards (TFormNachkommen), and the
// registration of both descendant windows.
#pragma once

#include "breeding/Nachkommen.h"
#include "widgets/ChildWindow.h"

#include <QVector>
#include <optional>

class QFrame;
class QLabel;
class QPushButton;
class QScrollArea;
class QVBoxLayout;

namespace tav::store {
class Database;
}

namespace tav::breeding::ui {

// A button of the descendant windows with its object name and caption tag.
QPushButton *fensterKnopf(const QString &name, const QString &text, int tag, QWidget *parent);
// The cat shown in the cat record window, else the one selected in the main window's list.
qint32 aktuelleKatzeDesProgramms();

class TFormNachkommen : public tav::widgets::ChildWindow
{
    Q_OBJECT
  public:
    static constexpr int HilfeKontext = 26;
    static constexpr int KartenHoehe = 60;

    explicit TFormNachkommen(tav::store::Database *db, QWidget *parent = nullptr);
    ~TFormNachkommen() override;
    static TFormNachkommen *instance();

    // the cat whose offspring are shown, and the offspring in card order
    const std::optional<Elterntier> &katze() const { return m_katze; }
    const QVector<Nachkomme> &nachkommen() const { return m_nachkommen; }
    QVector<QFrame *> karten() const { return m_karten; }

    // a double click on a card: the kitten goes to the cat record window and this window closes
    void karteOeffnen(qint32 nummer);
    void BitBtnDruckenClick();
    // the offspring of another cat
    void followCat(int cat) override { lesen(cat); }
    bool followsCat() const override { return true; }

    QScrollArea *ScrollBox = nullptr;
    QLabel *LabelKatze = nullptr;
    QPushButton *BitBtnDrucken = nullptr, *BitBtnHilfe = nullptr, *BitBtnZurueck = nullptr;

  protected:
    bool eventFilter(QObject *watched, QEvent *e) override;

  private:
    void lesen(qint32 nummer);
    QFrame *karte(const Nachkomme &n);
    void schliessen();

    tav::store::Database *m_db;
    std::optional<Elterntier> m_katze;
    QVector<Nachkomme> m_nachkommen;
    QVector<QFrame *> m_karten;
    QVBoxLayout *m_kartenLayout = nullptr;
};

// Registers "formnachkommen" and "formlistenachkommen" with the main window.
void registerNachkommen();

} // namespace tav::breeding::ui
