#include "Auswahlboxen.h"

#include "cats/RasseFarbe.h"
#include "store/EngineError.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

namespace tav::app::ui {

namespace {
class EntfFilter : public QObject
{
  public:
    EntfFilter(QComboBox *box, Entf art) : QObject(box), m_box(box), m_art(art) {}
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() != QEvent::KeyPress || static_cast<QKeyEvent *>(e)->key() != Qt::Key_Delete)
            return false;
        if (m_art == Entf::Leeren)
            m_box->clear();
        else
            m_box->setCurrentIndex(0);
        return true;
    }

  private:
    QComboBox *m_box;
    Entf m_art;
};
} // namespace

void rasseBoxFuellen(QComboBox *box, tav::store::Database &db, int rasse)
{
    box->clear();
    box->addItem(QString(), 0);
    try {
        for (const cats::RasseEintrag &r : cats::rassenNachName(db))
            box->addItem(r.name, r.code);
    } catch (const store::EngineError &) {
        // a breed table that cannot be read leaves the box empty; the setting stays as it is
    }
    box->setCurrentIndex(std::max(0, box->findData(rasse)));
}

void farbBoxFuellen(QComboBox *box, tav::store::Database &db, const QString &farbe)
{
    box->clear();
    box->setEditable(true);
    try {
        box->addItems(cats::farbEintraege(db));
    } catch (const store::EngineError &) {
        // as above: the typed text is all the box holds
    }
    box->setCurrentText(farbe);
}

void entfTaste(QComboBox *box, Entf art)
{
    auto *filter = new EntfFilter(box, art);
    box->installEventFilter(filter);
    // an editable box gets its keys through its line edit
    if (box->lineEdit())
        box->lineEdit()->installEventFilter(filter);
}

} // namespace tav::app::ui
