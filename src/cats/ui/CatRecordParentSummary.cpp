#include "CatRecordParentSummary.h"
#include "PcatstamIntern.h"

#include "app/Global.h"
#include "cats/Wurfdaten.h"
#include "store/Table.h"
#include "widgets/DataSource.h"

#include <QEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QVBoxLayout>

using namespace tav::app;
using namespace tav::widgets;

namespace tav::cats::ui {

CatRecordParentSummary::CatRecordParentSummary(QLineEdit *vater, QLineEdit *mutter, DataSource *katze,
                                               tav::store::Database *db, QWidget *window)
    : QFrame(window), m_vater(vater), m_mutter(mutter), m_katze(katze), m_db(db)
{
    setObjectName(QStringLiteral("PanelElternInfo"));
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    auto *l = new QVBoxLayout(this);
    l->setContentsMargins(2, 2, 2, 2);
    m_memo = new QPlainTextEdit(this);
    m_memo->setObjectName(QStringLiteral("MemoElternInfo"));
    m_memo->setReadOnly(true);
    m_memo->viewport()->installEventFilter(this);
    l->addWidget(m_memo);
    resize(340, 170);
    hide();
    for (QLineEdit *f : {vater, mutter}) {
        if (f)
            f->installEventFilter(this);
    }
    // it speaks of the parent of the cat shown
    connect(katze, &DataSource::recordChanged, this, &QWidget::hide);
}

QString CatRecordParentSummary::text() const
{
    return m_memo->toPlainText();
}

void CatRecordParentSummary::zeigen(bool vater)
{
    tav::store::Table *k = m_katze->table();
    const int nr = k && (k->hasRecord() || k->isEditing())
                       ? k->intValue(vater ? QStringLiteral("Vater") : QStringLiteral("Mutter"))
                       : 0;
    if (nr <= 0)
        return;
    QStringList zeilen;
    try {
        ElternDaten d = elternDatenLesen(*m_db, nr);
        if (TDatenGlobal *g = TDatenGlobal::instance())
            d.titel = g->GetTitel(nr);
        zeilen = elternZeilen(d, sprachNummer());
    } catch (const std::exception &e) {
        reportDatabaseError(e, QStringLiteral("CATSTAMM.DB"));
        return;
    }
    m_memo->setPlainText(zeilen.join(QLatin1Char('\n')));
    QLineEdit *feld = vater ? m_vater : m_mutter;
    QPoint p = feld->mapTo(parentWidget(), QPoint(0, feld->height()));
    p.setX(qMin(p.x(), qMax(0, parentWidget()->width() - width())));
    move(p);
    raise();
    show();
}

bool CatRecordParentSummary::eventFilter(QObject *watched, QEvent *e)
{
    // the parent fields go out of sight with their page: the summary goes with them
    if (e->type() == QEvent::Hide && (watched == m_vater || watched == m_mutter))
        hide();
    if (e->type() == QEvent::MouseButtonPress) {
        if (watched == m_vater || watched == m_mutter)
            zeigen(watched == m_vater);
        else if (watched == m_memo->viewport())
            hide();
    }
    return QFrame::eventFilter(watched, e);
}

void CatRecordParentSummary::enterEvent(QEnterEvent *e)
{
    QFrame::enterEvent(e);
    hide();
}

} // namespace tav::cats::ui
