#pragma once

// A shell without the main window: windows opened against it run on their own, and the test
// sees what they asked of the frame.

#include "shell/Shell.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStringList>

struct FakeShell : tav::shell::Shell {
    QMdiArea area;
    int listCat = 0;
    int tierVorNeu = 0;
    bool inzucht = false;
    QStringList commands;
    QList<int> positioned;

    FakeShell()
    {
        area.resize(1200, 800);
        setStandIn(this);
    }
    ~FakeShell() override { setStandIn(nullptr); }

    QWidget *frame() override { return &area; }
    void runCommand(const QString &itemName) override { commands << itemName; }
    QAction *action(const QString &) const override { return nullptr; }
    QMdiSubWindow *addChild(QWidget *content) override { return area.addSubWindow(content); }
    QMdiArea *mdiArea() const override { return const_cast<QMdiArea *>(&area); }
    QString oeffnenderEintrag() const override { return QString(); }
    void FensterAnpassen(const QString &) override {}
    int currentListCat() const override { return listCat; }
    void positionListOn(int cat) override { positioned << cat; }
    void refreshListColours() override {}
    void updateCatCount() override {}
    void reloadCatList(int cat) override { positioned << cat; }
    int TableTopKatzeLaden(int) override { return 0; }
    void KatzeSuchen() override { commands << QStringLiteral("KatzeSuchen"); }
    void katzeGezeigt(int, bool) override {}
    void addRecentCat(const QString &, int) override {}
    void removeRecentCat(int) override {}
    bool inzuchtBerechne() const override { return inzucht; }
    void setInzuchtBerechne(bool on) override { inzucht = on; }
    int druckentag() const override { return 0; }
    int tierVorNeuaufnahme() const override { return tierVorNeu; }
    void setTierVorNeuaufnahme(int cat) override { tierVorNeu = cat; }
    tav::shell::CatRecord *catRecord() override { return nullptr; }
};
