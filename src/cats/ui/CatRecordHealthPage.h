#pragma once

#include <QWidget>
#include <functional>

class QPushButton;
class QTabWidget;

namespace tav::widgets {
class DataSource;
} // namespace tav::widgets

namespace tav::cats::ui {

struct ZuchtQuellen;

// Caption tags of the medical page (captions.tsv).
enum GesundheitTag {
    TagMedRegister = 6500, // the four tabs follow: 6501..6504
    TagImpfungen = 6505,
    TagEntwurmung,
    TagImpfung,
    TagMedikament,
    TagNaechsteAm,
    TagArztbesuchAm,
    TagArzt,
    TagGrund,
    TagBefund,
    TagNeueSeite
};

// The cat record window's page "Med.Daten": vaccinations and dewormings with the date of the next
// treatment, vet visits, the sick sheets and, for a queen, the pregnancy log. Every log follows
// the cat shown and takes rows only for a stored cat.
class CatRecordHealthPage : public QWidget
{
    Q_OBJECT
  public:
    enum Register { RegisterImpfung, RegisterArztbesuch, RegisterKrankenblatt, RegisterSchwangerschaft };

    CatRecordHealthPage(const ZuchtQuellen &q, std::function<int()> aktuelleKatze,
                        const std::function<QPushButton *()> &hilfe, QWidget *parent = nullptr);

    // after a move to another cat: the pregnancy tab for a queen only, each log on its newest row
    void katzeGewechselt(bool kaetzin);
    QTabWidget *register_() const { return m_register; }

  private:
    QWidget *impfungWurmkurBauen(const ZuchtQuellen &q, const std::function<int()> &aktuelleKatze);
    QWidget *arztbesuchBauen(const ZuchtQuellen &q, const std::function<int()> &aktuelleKatze,
                             QPushButton *hilfe);
    QWidget *krankenblattBauen(const ZuchtQuellen &q, const std::function<int()> &aktuelleKatze,
                               QPushButton *hilfe);

    QTabWidget *m_register = nullptr;
    QList<tav::widgets::DataSource *> m_logs;
};

} // namespace tav::cats::ui
