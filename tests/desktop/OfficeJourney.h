#pragma once

// What the office journeys share: the register's tables read as the files hold them (outside the
// program, as a second reader), and the user's hands on tab bars and grid cells.

#include "Desktop.h"

#include "store/Database.h"
#include "store/Query.h"

#include <QAbstractItemView>
#include <QDir>
#include <QTabBar>
#include <QTabWidget>

namespace desktop {

class Register
{
  public:
    explicit Register(const QString &home) : m_db(QDir(home).filePath(QStringLiteral("Daten"))) {}
    // each row's columns joined by "|"; money columns as their 1/10000 units
    QStringList rows(const QString &sql, const QStringList &columns)
    {
        QStringList out;
        tav::store::Query q(&m_db, sql);
        q.open();
        for (; !q.eof(); q.next()) {
            QStringList cells;
            for (const QString &c : columns) {
                const auto units = c == QStringLiteral("Betrag") ? q.units(c) : std::nullopt;
                cells << (units ? QString::number(*units) : q.value(c).toString());
            }
            out << cells.join(QLatin1Char('|'));
        }
        return out;
    }
    // the column "v" of the first row
    QVariant value(const QString &sql)
    {
        tav::store::Query q(&m_db, sql);
        q.open();
        return q.eof() ? QVariant() : q.value(QStringLiteral("v"));
    }
    qint64 units(const QString &sql)
    {
        tav::store::Query q(&m_db, sql);
        q.open();
        return q.eof() ? -1 : q.units(QStringLiteral("v")).value_or(-1);
    }

  private:
    tav::store::Database m_db;
};

// clicks the tab with that caption (without its "&") of a tab widget
inline void clickTab(User &u, const std::function<QTabWidget *()> &tabs, const QString &caption)
{
    const int index = u.look([&] {
        QTabWidget *t = tabs();
        for (int i = 0; t && i < t->count(); ++i)
            if (t->tabText(i).remove(QLatin1Char('&')) == caption)
                return i;
        return -1;
    });
    if (index < 0)
        u.failed(QStringLiteral("no tab ") + caption);
    const QPoint at = u.look([&] { return tabs()->tabBar()->tabRect(index).center(); });
    u.click([&]() -> QWidget * { return tabs() ? tabs()->tabBar() : nullptr; },
            QStringLiteral("the tab ") + caption, at);
    u.require([&] { return tabs()->currentIndex() == index; },
              QStringLiteral("the tab ") + caption + QStringLiteral(" shows"));
}

// clicks (count times) the cell of a grid
inline void clickCell(User &u, const std::function<QAbstractItemView *()> &grid, int row, int column,
                      const QString &what, int count = 1)
{
    const QPoint at = u.look([&] {
        QAbstractItemView *g = grid();
        const QModelIndex i = g ? g->model()->index(row, column) : QModelIndex();
        if (i.isValid())
            g->scrollTo(i);
        return i.isValid() ? g->visualRect(i).center() : QPoint(-1, -1);
    });
    if (at.x() < 0)
        u.failed(QStringLiteral("no cell for ") + what);
    u.click([&]() -> QWidget * { return grid() ? grid()->viewport() : nullptr; }, what, at, count);
}

} // namespace desktop
