// MainList: the main window's cat list and recent cats.
#include "Main.h"
#include "app/CatListColours.h"
#include "app/IniFile.h"
#include "app/Sprache.h"
#include "app/Systemi.h"
#include "store/EngineError.h"
#include "store/Table.h"
#include "widgets/DBGrid.h"
#include "widgets/DataSource.h"
#include "widgets/DbEngine.h"
#include "widgets/Dialogs.h"
#include "widgets/StoredColour.h"

#include <QAction>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QSplitter>
#include <QWheelEvent>

using namespace tav::store;

namespace tav::shell {

using namespace tav::app;
using namespace tav::widgets;

void TMirravel::buildCatList()
{
    m_list = std::make_unique<Table>(m_db, QStringLiteral("CATSTAMM.DB"));
    m_list->setObjectName(QStringLiteral("TableAnzeige"));
    m_list->setReadOnly(true);
    m_listSource = std::make_unique<DataSource>(m_list.get());
    m_grid = new DBGrid(m_panel);
    m_grid->setObjectName(QStringLiteral("DBGrid1"));
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->verticalHeader()->hide();
    m_grid->horizontalHeader()->setStretchLastSection(false);
    m_grid->installEventFilter(this);
    m_grid->viewport()->installEventFilter(this);
    m_panel->layout()->addWidget(m_grid);
    m_panel->setMinimumWidth(120);
    connect(m_grid, &QAbstractItemView::doubleClicked, this, [this] {
        if (blockedInPedigreeEntry())
            return;
        const int cat = currentListCat();
        const int vorher = m_gezeigteKatze;
        // the windows that follow the cat take it, also when it was shown already
        if (cat > 0 && catRecordHooks().zeigeKatze && catRecordHooks().zeigeKatze(cat))
            katzeGezeigt(cat, vorher == cat);
    });
}

void TMirravel::applyListSettings()
{
    const tsysteminfo *s = tsysteminfo::instance();
    const bool show = !s || s->Anzeigen;
    setListVisible(show && m_hideListCount == 0);
    if (!show)
        return;
    const int current = currentListCat();
    // the grid sees the list again only when it is open on the right cat: one reset, one count
    m_listSource->detach();
    m_list->close();
    const QString index = s ? s->index : QStringLiteral("Nameidx");
    const bool callNames = index.compare(QLatin1String("RufnaIdx"), Qt::CaseInsensitive) == 0;
    QVector<TableModel::Column> cols;
    TableModel::Column name;
    name.field = callNames ? QStringLiteral("Rufname") : QStringLiteral("Name");
    name.title = captionText(callNames ? 9108 : 9107);
    TableModel::Column status;
    status.field = QStringLiteral("Status");
    status.title = QStringLiteral("Status");
    cols << name << status;
    m_grid->setDataSource(m_listSource.get());
    m_grid->tableModel()->setColumns(cols);
    const bool traitFirst = !s || s->MerkmalvorTop;
    m_grid->tableModel()->setRowColour([this, traitFirst](Table &t) {
        return m_colours ? storedColour(m_colours->rowColour(
                               t.value(QStringLiteral("LaufendeNummer")).toInt(), traitFirst))
                         : QColor();
    });
    try {
        m_list->setIndexName(index);
        m_list->setFilter(statusFilter(s ? s->Status : QStringLiteral("alle")));
        m_list->setFiltered(true);
        m_list->open();
        if (current > 0)
            m_list->locate(QStringLiteral("LaufendeNummer"), current);
    } catch (const std::exception &e) {
        TDBError::HandleException(e, QStringLiteral("CATSTAMM.DB"));
        if (!m_list->isOpen())
            return;
    }
    m_listSource->setTable(m_list.get());
    m_grid->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    // sizing by contents would read a thousand rows; the status is one digit
    m_grid->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Fixed);
    m_grid->setColumnWidth(1, m_grid->fontMetrics().horizontalAdvance(QStringLiteral("Status")) + 16);
    m_grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    updateCatCount();
}

void TMirravel::refreshListColours()
{
    try {
        if (m_colours)
            m_colours->reload();
    } catch (const EngineError &e) {
        TDBError::HandleException(e, e.file());
    }
    if (m_grid && m_grid->tableModel())
        m_grid->tableModel()->reload();
}

void TMirravel::setListVisible(bool on)
{
    if (!m_panel || m_panel->isVisible() == on)
        return;
    m_panel->setVisible(on);
    if (on)
        m_splitter->setSizes({193, std::max(200, m_splitter->width() - 193)});
}

void TMirravel::positionListOn(int cat)
{
    if (!m_list->isOpen() || cat <= 0)
        return;
    try {
        if (m_list->locate(QStringLiteral("LaufendeNummer"), cat)) {
            const int row = m_list->recNo() - 1;
            m_grid->tableModel()->reload();
            m_grid->selectRow(row);
            m_grid->scrollTo(m_grid->model()->index(row, 0));
        }
    } catch (const EngineError &e) {
        TDBError::HandleException(e, QStringLiteral("CATSTAMM.DB"));
    }
}

void TMirravel::reloadCatList(int cat)
{
    if (!m_list || !m_list->isOpen())
        return;
    m_list->refresh();
    if (m_grid && m_grid->tableModel())
        m_grid->tableModel()->reload();
    positionListOn(cat);
}

int TMirravel::currentListCat() const
{
    if (!m_list || !m_list->isOpen() || !m_list->hasRecord())
        return 0;
    return m_list->value(QStringLiteral("LaufendeNummer")).toInt();
}

void TMirravel::updateCatCount()
{
    const tsysteminfo *s = tsysteminfo::instance();
    if (m_list->isOpen() && (!s || s->Status == QLatin1String("alle"))) {
        // the unfiltered list counts every cat already
        m_count->setText(QString::number(m_list->recordCount()));
        return;
    }
    try {
        Table all(m_db, QStringLiteral("CATSTAMM.DB"));
        all.setReadOnly(true);
        all.open();
        m_count->setText(QString::number(all.recordCount()));
    } catch (const EngineError &e) {
        m_count->clear();
        TDBError::HandleException(e, QStringLiteral("CATSTAMM.DB"));
    }
}

void TMirravel::incrementalSearch(const QString &typed)
{
    if (blockedInPedigreeEntry())
        return;
    suchName += typed;
    bool found = false;
    try {
        found = m_list->findNearest({suchName});
    } catch (const EngineError &e) {
        TDBError::HandleException(e, QStringLiteral("CATSTAMM.DB"));
        return;
    }
    if (!found) {
        QStringList lines;
        for (int n = 19; n <= 23; ++n)
            lines << messageText(n);
        showText(lines.join(QLatin1Char('\r')), MsgIcon::Information, MsgButtons::Ok);
        return;
    }
    const int row = m_list->recNo() - 1;
    m_grid->selectRow(row);
    m_grid->scrollTo(m_grid->model()->index(row, 0));
}

bool TMirravel::eventFilter(QObject *watched, QEvent *e)
{
    if (m_mdi && watched == m_mdi->viewport() && e->type() == QEvent::Resize)
        clientResized();
    // an exclusive window dragged or resized by its frame goes back where it belongs
    if ((e->type() == QEvent::Move || e->type() == QEvent::Resize) &&
        watched->property("exklusiv").toBool()) {
        auto *sub = qobject_cast<QMdiSubWindow *>(watched);
        if (sub && sub->geometry() != exclusiveGeometry())
            sub->setGeometry(exclusiveGeometry());
    }
    if (watched == m_grid && e->type() == QEvent::KeyPress) {
        auto *k = static_cast<QKeyEvent *>(e);
        if (k->key() == Qt::Key_Escape) {
            suchName.clear();
            return true;
        }
        const QString text = k->text();
        if (!text.isEmpty() && text.at(0).isPrint() &&
            !(k->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            incrementalSearch(text);
            return true;
        }
    }
    if (m_grid && watched == m_grid->viewport() && e->type() == QEvent::Wheel) {
        // the wheel moves the list one record at a time
        auto *w = static_cast<QWheelEvent *>(e);
        const int row = m_grid->currentIndex().row();
        const int next = w->angleDelta().y() <= 0 ? row + 1 : row - 1;
        if (next >= 0 && next < m_grid->model()->rowCount())
            m_grid->selectRow(next);
        return true;
    }
    return QMainWindow::eventFilter(watched, e);
}

void TMirravel::addRecentCat(const QString &name, int cat)
{
    if (!m_recent.add(name, cat))
        return;
    AktualisiereLastCatsMenues();
    saveRecentCats();
}

void TMirravel::saveRecentCats()
{
    if (!m_recent.save(settingsPath()))
        showMessage(9551, MsgIcon::Error, MsgButtons::Ok, QString(), QStringLiteral("\r") + settingsPath());
}

void TMirravel::removeRecentCat(int cat)
{
    if (!m_recent.remove(cat))
        return;
    AktualisiereLastCatsMenues();
    saveRecentCats();
}

void TMirravel::AktualisiereLastCatsMenues()
{
    // an entry may be rebuilt from its own action (a cat that is gone): deleted later
    for (QAction *a : std::as_const(m_recentActions)) {
        if (m_katzenMenu)
            m_katzenMenu->removeAction(a);
        a->deleteLater();
    }
    m_recentActions.clear();
    if (!m_katzenMenu || !m_recentAnchor)
        return;
    for (const QString &entry : m_recent.shown()) {
        auto *a = new QAction(entry, m_katzenMenu);
        const int cat = RecentCats::numberOf(entry);
        connect(a, &QAction::triggered, this, [this, cat] {
            if (!blockedInPedigreeEntry())
                Load_LastCats(cat);
        });
        m_katzenMenu->insertAction(m_recentAnchor, a);
        m_recentActions << a;
    }
}

void TMirravel::Load_LastCats(int cat)
{
    if (cat <= 0)
        return;
    bool exists = false;
    try {
        Table t(m_db, QStringLiteral("CATSTAMM.DB"));
        t.setReadOnly(true);
        t.open();
        exists = t.findKey({cat});
    } catch (const EngineError &e) {
        TDBError::HandleException(e, QStringLiteral("CATSTAMM.DB"));
        return;
    }
    if (!exists) {
        // deleted since it was shown (or by another program): the entry goes
        removeRecentCat(cat);
        showMessage(9151, MsgIcon::Information, MsgButtons::Ok);
        return;
    }
    const int vorher = m_gezeigteKatze;
    if (catRecordHooks().zeigeKatze && !catRecordHooks().zeigeKatze(cat))
        return;
    positionListOn(cat);
    katzeGezeigt(cat, vorher == cat);
}

void TMirravel::katzeGezeigt(int cat, bool erneut)
{
    if (cat <= 0 || (cat == m_gezeigteKatze && !erneut))
        return;
    m_gezeigteKatze = cat;
    Q_EMIT catShown(cat);
}

} // namespace tav::shell
