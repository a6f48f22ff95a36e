#pragma once

#include <QWidget>
#include <functional>

class QPushButton;

namespace tav::store {
class Database;
class Table;
} // namespace tav::store

namespace tav::widgets {
class DataSource;
class DBGrid;
} // namespace tav::widgets

namespace tav::cats::ui {

// The extra information page of the cat record window: the cat's traits, further registrations,
// death, purchase and sale, the remark and the breeder's own information.
class CatRecordExtraInfoPage : public QWidget
{
    Q_OBJECT
  public:
    struct Quellen {
        tav::store::Database *db = nullptr;
        tav::widgets::DataSource *katze = nullptr, *katzeMerkmal = nullptr, *verkauft = nullptr,
                                 *eigeneInfo = nullptr;
        tav::store::Table *merkmalListe = nullptr; // MERKMALE.DB, the traits to choose from
    };
    CatRecordExtraInfoPage(const Quellen &q, std::function<int()> aktuelleKatze, QPushButton *hilfe,
                           QWidget *parent = nullptr);

  Q_SIGNALS:
    // a trait of the cat was stored or removed
    void merkmaleGeaendert();

  private:
    std::function<int()> m_aktuelleKatze;
    tav::widgets::DBGrid *m_merkmalGrid = nullptr;
};

} // namespace tav::cats::ui
