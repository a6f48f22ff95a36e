#pragma once

// Steps in the cat record window that the journeys share: finding a cat in the main window's list,
// turning to a page, adding a row and typing into a grid's cell; and reading the register.

#include "Desktop.h"
#include "shell/Main.h"
#include "store/Database.h"
#include "store/Query.h"
#include "widgets/DBGrid.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTabBar>
#include <QTabWidget>

namespace desktop {

inline QWidget *katzenFenster()
{
    return User::child(QStringLiteral("catstamm"));
}

template <class W> W *imFenster(const QString &name)
{
    QWidget *w = katzenFenster();
    return w ? w->findChild<W *>(name) : nullptr;
}

// The first value the SQL gives on the register's files, read as any program reads them.
inline QVariant wert(User &u, const QString &sql, const QVariantList &args = {})
{
    const QString daten = u.home() + QStringLiteral("/Daten");
    return u.look([&] {
        tav::store::Database db(daten);
        tav::store::Query q(&db, sql);
        for (const QVariant &a : args)
            q.addBindValue(a);
        q.open();
        return q.eof() ? QVariant() : q.value(0);
    });
}
inline int zahl(User &u, const QString &sql, const QVariantList &args = {})
{
    return wert(u, sql, args).toInt();
}

// The tab with that caption (without its "&") of the tab bar `bar` gives.
inline void reiter(User &u, const std::function<QTabBar *()> &bar, const QString &titel)
{
    QPoint at(-1, -1);
    u.require(
        [&] {
            QTabBar *b = bar();
            for (int i = 0; b && i < b->count(); ++i)
                if (b->isTabVisible(i) && QString(b->tabText(i)).remove(QLatin1Char('&')) == titel) {
                    at = b->tabRect(i).center();
                    return true;
                }
            return false;
        },
        QStringLiteral("the tab \"%1\"").arg(titel));
    u.click([&]() -> QWidget * { return bar(); }, QStringLiteral("tab ") + titel, at);
}

inline void seite(User &u, const QString &titel)
{
    reiter(
        u,
        [] {
            auto *n = imFenster<QTabWidget>(QStringLiteral("TabbedNotebook1"));
            return n ? n->tabBar() : nullptr;
        },
        titel);
}

// The cat shown in the record window: found in the main window's list by typing its name, then a
// double click on its row.
inline void katzeZeigen(User &u, const QString &name)
{
    using tav::widgets::DBGrid;
    const auto liste = [] { return User::mainWindow() ? User::mainWindow()->catList() : nullptr; };
    const auto aktuelleZeile = [liste] {
        DBGrid *l = liste();
        return l ? l->visualRect(l->currentIndex()).center() : QPoint();
    };
    u.click([liste]() -> QWidget * { return liste() ? liste()->viewport() : nullptr; },
            QStringLiteral("the cat list"), u.look(aktuelleZeile));
    u.key(QStringLiteral("Escape")); // a search typed before starts afresh
    u.type(name);
    u.require(
        [liste] {
            DBGrid *l = liste();
            return l && l->currentIndex().isValid();
        },
        QStringLiteral("the list finds ") + name);
    u.pause(200);
    u.click([liste]() -> QWidget * { return liste() ? liste()->viewport() : nullptr; },
            QStringLiteral("the cat ") + name, u.look(aktuelleZeile), 2);
}

inline void katzeIstGezeigt(User &u, const QString &name)
{
    u.require(
        [name] {
            QWidget *w = katzenFenster();
            auto *feld = w ? w->findChild<QWidget *>(QStringLiteral("DBName")) : nullptr;
            return feld && feld->property("text").toString() == name;
        },
        QStringLiteral("the record window shows ") + name);
}

inline void knopf(User &u, const QString &name)
{
    u.click([name]() -> QWidget * { return imFenster<QAbstractButton>(name); },
            QStringLiteral("button ") + name);
}

// A click on a cell of a grid of the record window (row -1: the current row).
inline void zelle(User &u, const QString &grid, int zeile, int spalte)
{
    using tav::widgets::DBGrid;
    const QPoint at = u.look([&] {
        DBGrid *g = imFenster<DBGrid>(grid);
        if (!g)
            return QPoint(-1, -1);
        const int r = zeile < 0 ? g->tableModel()->currentRow() : zeile;
        return g->visualRect(g->model()->index(r, spalte)).center();
    });
    u.click(
        [grid]() -> QWidget * {
            auto *g = imFenster<DBGrid>(grid);
            return g ? g->viewport() : nullptr;
        },
        QStringLiteral("a cell of ") + grid, at);
}

// The texts of a grid's rows, one line a row, the cells joined by "|" (on the GUI thread).
inline QStringList zeilenJetzt(const QString &grid)
{
    QStringList out;
    auto *g = imFenster<tav::widgets::DBGrid>(grid);
    for (int r = 0; g && r < g->model()->rowCount(); ++r) {
        QStringList zellen;
        for (int c = 0; c < g->model()->columnCount(); ++c)
            zellen << g->model()->index(r, c).data().toString();
        out << zellen.join(QLatin1Char('|'));
    }
    return out;
}
inline QStringList zeilen(User &u, const QString &grid)
{
    return u.look([&] { return zeilenJetzt(grid); });
}

} // namespace desktop
