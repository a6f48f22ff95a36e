#define TAV_WITH_CATSTAMM
#include "../common/ProgramFixture.h"
#include "app/Sprache.h"
#include "app/Systemi.h"
#include "app/global.h"
#include "app/ui/DBGrid.h"
#include "app/ui/DataControls.h"
#include "app/ui/DataSource.h"
#include "app/ui/Dialogs.h"
#include "app/ui/Main.h"
#include "app/ui/Nav2.h"
#include "app/ui/Translator.h"
#include "breeding/InzuchtBerechnung.h"
#include "breeding/StorePedigree.h"
#include "cats/Titel.h"
#include "cats/ui/Pcatstam.h"
#include "cats/ui/Psuchdlg.h"
#include "store/Database.h"
#include "store/Query.h"
#include "store/Table.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

using namespace tav::app;
using namespace tav::app::ui;
using namespace tav::store;
using tav::cats::ui::TCatStamm;

namespace {

QStringList shownTexts()
{
    QStringList out;
    for (const auto &s : Scripted::shown())
        out << s.text;
    return out;
}

template <class W> W *byTag(QWidget *root, int tag)
{
    for (W *w : root->findChildren<W *>()) {
        if (w->property("tag").toInt() == tag)
            return w;
    }
    return nullptr;
}
} // namespace

class TstCatStamm : public QObject
{
    Q_OBJECT
    ProgramFixture f;

    TCatStamm *w() const { return TCatStamm::instance(); }
    int catCount() { return scalar(*f.db, "SELECT count(*) FROM catstamm").toInt(); }
    int catNamed(const QString &name)
    {
        return scalar(*f.db, "SELECT LaufendeNummer FROM catstamm WHERE Name = ?", {name}).toInt();
    }
    QString statusCount() { return f.main->findChild<QLabel *>("LabelAnzahlderDatensaetze")->text(); }
    DBEdit *nameEdit() { return w()->findChild<DBEdit *>("DBName"); }

    void leaveName()
    {
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(nameEdit(), &out);
    }
    void clickSex(int index)
    {
        auto *group = w()->findChild<DBRadioGroup *>("DBGeschlecht");
        QList<QRadioButton *> buttons = group->findChildren<QRadioButton *>();
        // on the indicator: the button is wider than its text
        QRadioButton *b = buttons.at(index);
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2));
    }
    static void tick(QCheckBox *b) { QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2)); }
    void newCat(const QString &name)
    {
        f.main->action("KatzeNeuItem")->trigger();
        QCOMPARE(w()->DBCatStamm()->state(), Table::State::Insert);
        QTest::keyClicks(nameEdit(), name);
        leaveName();
    }
    void save() { f.main->action("FileSaveAsItem")->trigger(); }

    struct Eintrag {
        int nr;
        QString name, geschlecht;
    };
    QVector<Eintrag> register_()
    {
        QVector<Eintrag> out;
        Query q(f.db.get(), "SELECT LaufendeNummer, Name, Geschlecht FROM catstamm");
        q.open();
        for (; !q.eof(); q.next())
            out.append({q.value(0).toInt(), q.value(1).toString(), q.value(2).toString()});
        return out;
    }
    static bool kater(const QString &g) { return g == "1" || g == "3"; }
    static bool kaetzin(const QString &g) { return g == "2" || g == "4"; }
    // a first letter of at least two cats of the wanted sex and of one of the other sex, so that
    // a search by it alone would offer both
    QString gemischterAnfang(bool vater)
    {
        QHash<QString, QPair<int, int>> zahl; // letter -> (toms, queens)
        for (const Eintrag &e : register_()) {
            const QString p = e.name.left(1).toUpper();
            if (kater(e.geschlecht))
                ++zahl[p].first;
            else if (kaetzin(e.geschlecht))
                ++zahl[p].second;
        }
        QStringList passend;
        for (auto it = zahl.cbegin(); it != zahl.cend(); ++it) {
            const int gewollt = vater ? it.value().first : it.value().second;
            const int andere = vater ? it.value().second : it.value().first;
            if (gewollt >= 2 && andere >= 1)
                passend << it.key();
        }
        passend.sort();
        return passend.value(0);
    }
    QSet<int> registerMit(const QString &prefix, bool vater)
    {
        QSet<int> out;
        for (const Eintrag &e : register_()) {
            if (e.name.startsWith(prefix, Qt::CaseInsensitive) &&
                (vater ? kater(e.geschlecht) : kaetzin(e.geschlecht)))
                out.insert(e.nr);
        }
        return out;
    }
    struct Elternsuche {
        QSet<int> angeboten;
        QStringList geschlechter;
        int formular = -1;
        int gewaehlt = 0;
        QString gewaehlterName;
    };
    // clicks the window's parent button and drives the real search dialog: types the prefix,
    // searches, takes the last hit from the result grid with Enter, OK
    Elternsuche elternWaehlen(const QString &knopf, const QString &prefix)
    {
        Elternsuche r;
        Scripted::dialog([&](QDialog &dlg) {
            auto *d = qobject_cast<tav::cats::ui::TSuchenDlg *>(&dlg);
            if (!d)
                return int(QDialog::Rejected);
            d->show();
            r.formular = int(d->aufrufer.formular);
            QTest::keyClicks(d->EName, prefix);
            QTest::mouseClick(d->BSuchen, Qt::LeftButton);
            for (const tav::cats::KatzeTreffer &t : d->treffer()) {
                r.angeboten.insert(t.LaufendeNummer);
                r.geschlechter << t.Geschlecht;
            }
            if (d->treffer().size() < 2 || !d->ergebnisSichtbar())
                return int(QDialog::Rejected);
            const int zeile = int(d->treffer().size()) - 1;
            r.gewaehlt = d->treffer()[zeile].LaufendeNummer;
            r.gewaehlterName = d->treffer()[zeile].Name;
            d->DBGrid1->setFocus();
            d->DBGrid1->setCurrentIndex(d->DBGrid1->model()->index(zeile, 0));
            QTest::keyClick(d->DBGrid1, Qt::Key_Return);
            QTest::mouseClick(d->BOK, Qt::LeftButton);
            return d->result();
        });
        QPushButton *b = nullptr;
        for (QPushButton *p : w()->findChildren<QPushButton *>())
            if (p->text() == knopf)
                b = p;
        if (b)
            QTest::mouseClick(b, Qt::LeftButton);
        return r;
    }
    void settle()
    {
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }

  private Q_SLOTS:
    void initTestCase()
    {
        QString failed = f.start(QSize(1280, 860), false);
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
        failed = f.openCatStamm();
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
        QVERIFY(f.main->action("KatzeNeuItem")->isEnabled());
        QVERIFY(w()->nichtGeoeffnet().isEmpty());
        // four entries of the window menu are gone: restore, size and the two after them
        auto *sub = qobject_cast<QMdiSubWindow *>(w()->parentWidget());
        QVERIFY(sub && sub->systemMenu());
        QMdiSubWindow plain;
        QCOMPARE(sub->systemMenu()->actions().size(), plain.systemMenu()->actions().size() - 4);
    }

    void cleanupTestCase() { f.stop(); }

    void init() { Scripted::reset(); }

    void cleanup()
    {
        Scripted::reset();
        if (w() && w()->DBCatStamm()->isEditing())
            w()->DataSourceCatStamm()->undo();
        settle();
    }

    // the nine pages of the edition, with the pages of later work present as tabs
    void pagesOfTheEdition()
    {
        QCOMPARE(w()->notebook()->count(), 9);
        QCOMPARE(w()->notebook()->tabText(0), QString("&Stammdaten"));
        QCOMPARE(w()->notebook()->tabText(8), QString("Dokumente"));
        QCOMPARE(w()->notebook()->indexOf(w()->page(TCatStamm::SeiteZuchtwert)), -1);
    }

    void newCatIsStoredAfterYes()
    {
        const int before = catCount();
        const int shownBefore = w()->aktuelleKatze();
        newCat("Amira  vom Lindenhof ");
        QCOMPARE(f.main->tmpTiervorNeuaufnahme, shownBefore);
        // the name is normalised and its cattery split off when the field is left
        QCOMPARE(w()->DBCatStamm()->text("Name"), QString("Amira vom Lindenhof"));
        QCOMPARE(w()->DBCatStamm()->text("Zwinger"), QString("Lindenhof"));
        QCOMPARE(w()->DBCatStamm()->intValue("Status"), 2);
        clickSex(1);
        QCOMPARE(w()->DBCatStamm()->text("Geschlecht"), QString("2"));
        Scripted::answer(QMessageBox::Yes);
        save();
        QVERIFY(shownTexts().contains(messageText(29)));
        QCOMPARE(w()->DBCatStamm()->state(), Table::State::Browse);

        const int nr = catNamed("Amira vom Lindenhof");
        QVERIFY(nr > 0);
        QCOMPARE(catCount(), before + 1);
        QCOMPARE(scalar(*f.db, "SELECT Zwinger FROM catstamm WHERE LaufendeNummer = ?", {nr}).toString(),
                 QString("Lindenhof"));
        QCOMPARE(scalar(*f.db, "SELECT Geschlecht FROM catstamm WHERE LaufendeNummer = ?", {nr}).toString(),
                 QString("2"));
        QCOMPARE(w()->aktuelleKatze(), nr);
        QVERIFY(w()->windowTitle().startsWith("Amira vom Lindenhof"));
        // main list, recent cats and status line follow
        QCOMPARE(f.main->currentListCat(), nr);
        QVERIFY(f.main->recentCats().entries().first().endsWith(QString("{%1}").arg(nr)));
        QCOMPARE(statusCount(), QString::number(before + 1));
    }

    // the typical event: a new cat from the menu, its parents chosen through the search dialog
    void newCatWithParentsChosenThroughTheSearch()
    {
        const int before = catCount();
        QCOMPARE(statusCount(), QString::number(before));
        const QString vaterAnfang = gemischterAnfang(true);
        const QString mutterAnfang = gemischterAnfang(false);
        QVERIFY(!vaterAnfang.isEmpty());
        QVERIFY(!mutterAnfang.isEmpty());

        f.main->runCommand("KatzeNeuItem");
        QCOMPARE(w()->DBCatStamm()->state(), Table::State::Insert);
        QTest::keyClicks(nameEdit(), "Nala vom Sonnenhang");
        leaveName();
        QCOMPARE(w()->DBCatStamm()->text("Zwinger"), QString("Sonnenhang"));
        clickSex(1);

        // the father: only toms are offered, though the prefix also starts queens' names
        const Elternsuche vater = elternWaehlen("Vater suchen", vaterAnfang);
        QCOMPARE(vater.formular, 3);
        QVERIFY(!vater.geschlechter.isEmpty());
        for (const QString &g : vater.geschlechter)
            QVERIFY2(kater(g), qPrintable("sex " + g + " offered as father"));
        QCOMPARE(vater.angeboten, registerMit(vaterAnfang, true));
        QVERIFY(vater.gewaehlt > 0);
        QCOMPARE(w()->DBCatStamm()->state(), Table::State::Insert);
        QCOMPARE(w()->DBCatStamm()->intValue("Vater"), vater.gewaehlt);
        QVERIFY(w()->findChild<QLineEdit *>("DBVater")->text().startsWith(vater.gewaehlterName));

        // the mother: only queens
        const Elternsuche mutter = elternWaehlen("Mutter suchen", mutterAnfang);
        QCOMPARE(mutter.formular, 3);
        QVERIFY(!mutter.geschlechter.isEmpty());
        for (const QString &g : mutter.geschlechter)
            QVERIFY2(kaetzin(g), qPrintable("sex " + g + " offered as mother"));
        QCOMPARE(mutter.angeboten, registerMit(mutterAnfang, false));
        QVERIFY(mutter.gewaehlt > 0);
        QCOMPARE(w()->DBCatStamm()->intValue("Mutter"), mutter.gewaehlt);
        QCOMPARE(w()->DBCatStamm()->intValue("Vater"), vater.gewaehlt);
        QVERIFY(w()->findChild<QLineEdit *>("DBMutter")->text().startsWith(mutter.gewaehlterName));
        // the dialogs only: no message on the way
        for (const auto &shown : Scripted::shown())
            QCOMPARE(shown.kind, QString("dialog"));

        // saving with the save question on
        QVERIFY(!tsysteminfo::instance()->speichern);
        Scripted::answer(QMessageBox::Yes);
        save();
        QVERIFY(shownTexts().contains(messageText(29)));
        QCOMPARE(w()->DBCatStamm()->state(), Table::State::Browse);
        const int nr = catNamed("Nala vom Sonnenhang");
        QVERIFY(nr > 0);
        QCOMPARE(catCount(), before + 1);
        QCOMPARE(scalar(*f.db, "SELECT Vater FROM catstamm WHERE LaufendeNummer = ?", {nr}).toInt(),
                 vater.gewaehlt);
        QCOMPARE(scalar(*f.db, "SELECT Mutter FROM catstamm WHERE LaufendeNummer = ?", {nr}).toInt(),
                 mutter.gewaehlt);
        QCOMPARE(scalar(*f.db, "SELECT Zwinger FROM catstamm WHERE LaufendeNummer = ?", {nr}).toString(),
                 QString("Sonnenhang"));
        QCOMPARE(scalar(*f.db, "SELECT Geschlecht FROM catstamm WHERE LaufendeNummer = ?", {nr}).toString(),
                 QString("2"));
        QCOMPARE(w()->aktuelleKatze(), nr);
        QCOMPARE(f.main->currentListCat(), nr);
        QVERIFY(f.main->recentCats().entries().first().endsWith(QString("{%1}").arg(nr)));
        QCOMPARE(statusCount(), QString::number(before + 1));
    }

    void cancelledParentSearchChangesNothing()
    {
        const int nr = catNamed("Nala vom Sonnenhang");
        QVERIFY(w()->zeigeKatze(nr));
        const int vaterVorher = w()->DBCatStamm()->intValue("Vater");
        Scripted::dialog([](QDialog &dlg) {
            auto &d = static_cast<tav::cats::ui::TSuchenDlg &>(dlg);
            d.show();
            QTest::mouseClick(d.BSuchen, Qt::LeftButton);
            QTest::mouseClick(d.BAbbruch, Qt::LeftButton);
            return d.result();
        });
        for (QPushButton *p : w()->findChildren<QPushButton *>())
            if (p->text() == "Vater suchen")
                QTest::mouseClick(p, Qt::LeftButton);
        QCOMPARE(Scripted::shown().size(), 1);
        QCOMPARE(w()->DBCatStamm()->state(), Table::State::Browse);
        QCOMPARE(w()->DBCatStamm()->intValue("Vater"), vaterVorher);
    }

    void noAtTheSaveQuestionStoresNothing()
    {
        const int before = catCount();
        const int shownBefore = w()->aktuelleKatze();
        newCat("Bella");
        clickSex(0);
        Scripted::answer(QMessageBox::No);
        save();
        QVERIFY(shownTexts().contains(messageText(29)));
        QCOMPARE(catCount(), before);
        QCOMPARE(catNamed("Bella"), 0);
        QTRY_COMPARE(w()->aktuelleKatze(), shownBefore);
        QCOMPARE(w()->DBCatStamm()->state(), Table::State::Browse);
    }

    void checksBeforeThePost()
    {
        const int before = catCount();
        // no sex: message 169, No keeps the input
        newCat("Cora");
        Scripted::answer(QMessageBox::No);
        save();
        QVERIFY(shownTexts().contains(messageText(169)));
        QVERIFY(!shownTexts().contains(messageText(29)));
        QCOMPARE(w()->DBCatStamm()->state(), Table::State::Insert);
        QCOMPARE(w()->DBCatStamm()->text("Name"), QString("Cora"));
        // Yes discards it
        Scripted::reset();
        Scripted::answer(QMessageBox::Yes);
        save();
        QCOMPARE(w()->DBCatStamm()->state(), Table::State::Browse);
        QCOMPARE(catCount(), before);

        // no name: message 148, No keeps the new record on page 0
        f.main->action("KatzeNeuItem")->trigger();
        clickSex(0);
        Scripted::reset();
        Scripted::answer(QMessageBox::No);
        save();
        QVERIFY(shownTexts().contains(messageText(148)));
        QCOMPARE(w()->DBCatStamm()->state(), Table::State::Insert);
        QCOMPARE(w()->notebook()->currentIndex(), 0);
        Scripted::reset();
        Scripted::answer(QMessageBox::Yes);
        save();
        QCOMPARE(w()->DBCatStamm()->state(), Table::State::Browse);
        QCOMPARE(catCount(), before);
    }

    void invalidDateIsRefusedAndInputStays()
    {
        const int before = catCount();
        newCat("Dora vom Bach");
        clickSex(0);
        auto *geb = w()->findChild<DBDateEdit *>("DBGebDatum");
        geb->clear();
        QTest::keyClicks(geb, "31.02.2020");
        Scripted::answer(QMessageBox::Yes);
        save();
        QCOMPARE(Scripted::shown().size(), 1);
        QVERIFY(Scripted::shown().first().text.contains("31.02.2020"));
        QCOMPARE(Scripted::shown().first().icon, MsgIcon::Warning);
        QCOMPARE(catCount(), before);
        QCOMPARE(w()->DBCatStamm()->state(), Table::State::Insert);
        QCOMPARE(nameEdit()->text(), QString("Dora vom Bach"));
        QCOMPARE(w()->DBCatStamm()->text("Zwinger"), QString("Bach"));
        // corrected, it is stored with the rest of the input
        geb->clear();
        QTest::keyClicks(geb, "01.02.2020");
        Scripted::reset();
        Scripted::answer(QMessageBox::Yes);
        save();
        const int nr = catNamed("Dora vom Bach");
        QVERIFY(nr > 0);
        QCOMPARE(scalar(*f.db, "SELECT GebDatum FROM catstamm WHERE LaufendeNummer = ?", {nr}).toDate(),
                 QDate(2020, 2, 1));
        QVERIFY(!w()->findChild<QLineEdit *>("DBAlterAkt")->text().isEmpty());
    }

    void undoOfANewCatReturnsToTheCatBefore()
    {
        const int shownBefore = w()->aktuelleKatze();
        newCat("Emma");
        QTest::mouseClick(w()->findChild<QPushButton *>("BitBtnRueckgaengig"), Qt::LeftButton);
        QTRY_COMPARE(w()->aktuelleKatze(), shownBefore);
        QCOMPARE(catNamed("Emma"), 0);
    }

    void navigatorBrowsesAndPostsEdits()
    {
        TDBNavigatorSpec *nav = w()->navigator();
        QTest::mouseClick(nav->button(TNavigateBtn::nbFirst), Qt::LeftButton);
        QCOMPARE(w()->DBCatStamm()->recNo(), 1);
        const int first = w()->aktuelleKatze();
        QTest::mouseClick(nav->button(TNavigateBtn::nbNext), Qt::LeftButton);
        QCOMPARE(w()->DBCatStamm()->recNo(), 2);
        const int second = w()->aktuelleKatze();
        QVERIFY(second != first);
        QCOMPARE(f.main->currentListCat(), second);
        QVERIFY(f.main->recentCats().entries().first().endsWith(QString("{%1}").arg(second)));
        QVERIFY(w()->windowTitle().startsWith(w()->DBCatStamm()->text("Name")));

        // an edit is posted (after the question) when the navigator moves on
        DBEdit *rufname = nullptr;
        for (DBEdit *e : w()->findChildren<DBEdit *>())
            if (e->field() == "Rufname")
                rufname = e;
        QVERIFY(rufname);
        rufname->clear();
        QTest::keyClicks(rufname, "Mietz");
        Scripted::answer(QMessageBox::Yes);
        QTest::mouseClick(nav->button(TNavigateBtn::nbPrior), Qt::LeftButton);
        QCOMPARE(w()->aktuelleKatze(), first);
        QCOMPARE(scalar(*f.db, "SELECT Rufname FROM catstamm WHERE LaufendeNummer = ?", {second}).toString(),
                 QString("Mietz"));

        // a new cat is not stored by moving away from it
        const int before = catCount();
        newCat("Fiona");
        clickSex(1);
        QTest::mouseClick(nav->button(TNavigateBtn::nbLast), Qt::LeftButton);
        QCOMPARE(w()->DBCatStamm()->state(), Table::State::Browse);
        QCOMPARE(catCount(), before);
        QCOMPARE(w()->DBCatStamm()->recNo(), w()->DBCatStamm()->recordCount());
    }

    void freeTitlesAreSavedAfterTheQuestion()
    {
        const int nr = catNamed("Amira vom Lindenhof");
        QVERIFY(w()->zeigeKatze(nr));
        const QList<QCheckBox *> boxes = w()->findChildren<QCheckBox *>(QRegularExpression("^Titel_\\d+$"));
        QVERIFY(boxes.size() >= 2);
        tick(boxes[0]);
        tick(boxes[1]);
        QVERIFY(w()->TitelEingabe);
        QVERIFY(w()->findChild<QPushButton *>("BitBtnSpeichern")->isEnabled());
        Scripted::answer(QMessageBox::No);
        w()->Speichern();
        QVERIFY(tav::cats::titelKuerzelDerKatze(*f.db, nr).isEmpty());

        tick(boxes[0]);
        tick(boxes[1]);
        Scripted::answer(QMessageBox::Yes);
        w()->Speichern();
        QCOMPARE(tav::cats::titelKuerzelDerKatze(*f.db, nr).size(), 2);
        QCOMPARE(f.global->GetTitel(nr), tav::cats::titelKuerzelDerKatze(*f.db, nr).join("/"));
        QVERIFY(!w()->TitelEingabe);
        // another cat and back: the ticks show the stored rows
        w()->zeigeKatze(catNamed("Dora vom Bach"));
        QVERIFY(w()->titelKuerzelAngehakt().isEmpty());
        w()->zeigeKatze(nr);
        QCOMPARE(w()->titelKuerzelAngehakt().size(), 2);
    }

    void picturesAndThePictureForPrint()
    {
        QTemporaryDir dir;
        QStringList paths;
        for (int i = 0; i < 3; ++i) {
            QImage img(40 + 20 * i, 30, QImage::Format_RGB32);
            img.fill(QColor::fromHsv(i * 90, 200, 200));
            paths << dir.filePath(QString("bild%1.jpg").arg(i + 1));
            QVERIFY(img.save(paths.last()));
        }
        const int nr = catNamed("Amira vom Lindenhof");
        QVERIFY(w()->zeigeKatze(nr));
        w()->showPage(TCatStamm::SeiteBild);
        QWidget *page = w()->page(TCatStamm::SeiteBild);
        QPushButton *load = nullptr;
        for (QPushButton *b : page->findChildren<QPushButton *>())
            if (b->text().contains("laden"))
                load = b;
        QVERIFY(load);
        for (const QString &p : paths) {
            Scripted::file(p);
            Scripted::answer(QMessageBox::Yes);
            QTest::mouseClick(load, Qt::LeftButton);
        }
        QCOMPARE(scalar(*f.db, "SELECT count(*) FROM bilder WHERE KatzeNr = ?", {nr}).toInt(), 3);
        QCOMPARE(w()->ZaehlerBilder, 3);
        QCOMPARE(w()->aktBild, 3);
        QCOMPARE(w()->BildFuerDruck, paths[0]);
        QCOMPARE(page->findChild<QLabel *>("LabelBildZaehler")->text(), QString("Bild 3 von 3"));

        // a missing file is reported with its name and not stored
        Scripted::reset();
        Scripted::file(dir.filePath("fehlt.jpg"));
        QTest::mouseClick(load, Qt::LeftButton);
        QCOMPARE(Scripted::shown().last().kind, QString("message"));
        QVERIFY(Scripted::shown().last().text.contains("fehlt.jpg"));
        QVERIFY(Scripted::shown().last().text.startsWith(messageText(24)));
        QCOMPARE(scalar(*f.db, "SELECT count(*) FROM bilder WHERE KatzeNr = ?", {nr}).toInt(), 3);

        // the picture for print: a number beyond the pictures is refused and stored as 0
        auto *feld2 = page->findChild<DBEdit *>("DBEditFeld2");
        feld2->clear();
        QTest::keyClicks(feld2, "3");
        Q_EMIT feld2->editingFinished();
        QCOMPARE(w()->BildFuerDruck, paths[2]);
        Scripted::reset();
        feld2->clear();
        QTest::keyClicks(feld2, "9");
        Q_EMIT feld2->editingFinished();
        QVERIFY(shownTexts().contains(messageText(227)));
        QCOMPARE(w()->DBCatStamm()->intValue("Feld2"), 0);
        feld2->clear();
        QTest::keyClicks(feld2, "3");
        Q_EMIT feld2->editingFinished();
        Scripted::answer(QMessageBox::Yes);
        w()->Speichern();
        QCOMPARE(scalar(*f.db, "SELECT Feld2 FROM catstamm WHERE LaufendeNummer = ?", {nr}).toInt(), 3);

        // deleting a picture in front of it keeps the choice on the same picture
        w()->findChild<QFrame *>("Rahmen1")->setFocus();
        QTest::mouseClick(w()->findChild<QFrame *>("Rahmen1"), Qt::LeftButton);
        QCOMPARE(w()->aktBild, 1);
        QPushButton *remove = nullptr;
        for (QPushButton *b : page->findChildren<QPushButton *>())
            if (b->text().contains("löschen"))
                remove = b;
        Scripted::answer(QMessageBox::Yes); // message 27
        Scripted::answer(QMessageBox::Yes); // message 29 for Feld2
        QTest::mouseClick(remove, Qt::LeftButton);
        w()->Speichern();
        QCOMPARE(w()->ZaehlerBilder, 2);
        QCOMPARE(scalar(*f.db, "SELECT Feld2 FROM catstamm WHERE LaufendeNummer = ?", {nr}).toInt(), 2);
        QCOMPARE(w()->BildFuerDruck, paths[2]);
        w()->showPage(TCatStamm::SeiteStammdaten);
    }

    void showResultsAndBreedingValueSums()
    {
        const int nr = catNamed("Dora vom Bach");
        QVERIFY(w()->zeigeKatze(nr));
        auto *grid = w()->findChild<DBGrid *>("DBGridTICA");
        QVERIFY(grid);
        DataSource *src = grid->tableModel()->dataSource();
        Scripted::answer(QMessageBox::Yes);
        QVERIFY(src->append());
        src->setFieldValue("BOC", 5);
        src->setFieldValue("BOD", 7);
        QVERIFY(src->save());
        QCOMPARE(src->table()->intValue("Summe"), 12);
        QCOMPARE(scalar(*f.db, "SELECT Katze FROM cfatica WHERE BOC = 5").toInt(), nr);
    }

    void deleteAsksAndKeepsTheDetailRows()
    {
        const int nr = catNamed("Amira vom Lindenhof");
        QVERIFY(w()->zeigeKatze(nr));
        QCOMPARE(f.main->currentListCat(), nr);
        const int before = catCount();
        Scripted::answer(QMessageBox::No);
        f.main->action("loeschen")->trigger();
        QCOMPARE(Scripted::shown().size(), 1);
        QVERIFY(Scripted::shown().first().text.startsWith("<<Amira vom Lindenhof>>"));
        QCOMPARE(catCount(), before);
        Scripted::reset();
        Scripted::answer(QMessageBox::Yes);
        f.main->action("loeschen")->trigger();
        QCOMPARE(catCount(), before - 1);
        QCOMPARE(catNamed("Amira vom Lindenhof"), 0);
        QCOMPARE(statusCount(), QString::number(before - 1));
        QVERIFY(w()->aktuelleKatze() != nr);
        QVERIFY(w()->aktuelleKatze() > 0);
        // pictures and titles stay where they are
        QCOMPARE(scalar(*f.db, "SELECT count(*) FROM bilder WHERE KatzeNr = ?", {nr}).toInt(), 2);
        QCOMPARE(scalar(*f.db, "SELECT count(*) FROM titelhund WHERE Hund = ?", {nr}).toInt(), 2);
    }

    void recentCatsEntryShowsTheCat()
    {
        const int nr = catNamed("Dora vom Bach");
        f.main->Load_LastCats(nr);
        QCOMPARE(w()->aktuelleKatze(), nr);
        QCOMPARE(f.main->currentListCat(), nr);
    }

    // the record shows the cat's inbreeding and ancestor loss as the calculation gives them
    void coefficientsOfTheCatShown()
    {
        const int nr = scalar(*f.db, "SELECT LaufendeNummer FROM catstamm WHERE Vater > 0 AND Mutter > 0 "
                                     "ORDER BY LaufendeNummer DESC LIMIT 1")
                           .toInt();
        f.main->Load_LastCats(nr);
        QCOMPARE(w()->aktuelleKatze(), nr);
        tav::breeding::StorePedigree quelle(*f.db);
        tav::breeding::InzuchtBerechnung engine(quelle);
        const int vater = scalar(*f.db, "SELECT Vater FROM catstamm WHERE LaufendeNummer = ?", {nr}).toInt();
        const int mutter =
            scalar(*f.db, "SELECT Mutter FROM catstamm WHERE LaufendeNummer = ?", {nr}).toInt();
        QVERIFY(engine.Berechne(nr, vater, mutter, tsysteminfo::instance()->InzuchtStdgenerationen, false));
        QVERIFY(engine.koeffizient > 0); // the demo's last generation is inbred
        QCOMPARE(w()->findChild<QLineEdit *>("DBInzuchtAnz")->text(), engine.Inzuchtkoeffizientkurz);
        QVERIFY(!w()->findChild<QLineEdit *>("DBInzuchtAnz")->text().isEmpty());
        // a cat without parents shows its breed alone
        const int founder =
            scalar(*f.db, "SELECT LaufendeNummer FROM catstamm WHERE Vater IS NULL OR Vater = 0 "
                          "ORDER BY LaufendeNummer LIMIT 1")
                .toInt();
        f.main->Load_LastCats(founder);
        QVERIFY(w()->findChild<QLineEdit *>("DBInzuchtAnz")->text().isEmpty());

        // a cat whose sire descends from it: the record says so and names the chain, once
        auto setzeVater = [&](int katze, const QVariant &v) {
            Query q(f.db.get(), "UPDATE catstamm SET Vater = ? WHERE LaufendeNummer = ?");
            q.addBindValue(v);
            q.addBindValue(katze);
            q.exec();
        };
        const QVariant vorher = scalar(*f.db, "SELECT Vater FROM catstamm WHERE LaufendeNummer = ?", {vater});
        setzeVater(vater, nr);
        Scripted::reset();
        f.main->Load_LastCats(founder);
        f.main->Load_LastCats(nr);
        f.main->Load_LastCats(founder);
        f.main->Load_LastCats(nr);
        QTRY_COMPARE(shownTexts().filter(messageText(9403)).size(), 1);
        QVERIFY(shownTexts().filter(messageText(9403)).first().contains(QString("(%1)").arg(nr)));
        QVERIFY(w()->findChild<QLineEdit *>("DBInzuchtAnz")->text().isEmpty());
        setzeVater(vater, vorher);
    }

    void screenshots()
    {
        const QString out = QStringLiteral(TAV_DATA_DIR "/../docs/screenshots");
        QDir().mkpath(out);
        // a demo cat with parents, breed and breeder
        const int nr = scalar(*f.db, "SELECT LaufendeNummer FROM catstamm WHERE Rasse > 0 AND Vater > 0 AND "
                                     "Mutter > 0 AND \"Züchter\" > 0 ORDER BY LaufendeNummer LIMIT 1")
                           .toInt();
        QVERIFY(w()->zeigeKatze(nr));
        QVERIFY(!w()->findChild<QComboBox *>("DBRasse")->currentText().isEmpty());
        QVERIFY(!w()->findChild<QLineEdit *>("DBVater")->text().isEmpty());
        QVERIFY(!w()->findChild<QPlainTextEdit *>("AdresseZuechter")->toPlainText().isEmpty());
        for (int language : {0, 1}) {
            sprache().setLanguageNumber(language);
            translateWindow(w(), language * 10000);
            w()->TitelKatzeNeu(TCatStamm::Anlass::Einstellungen);
            const QString suffix = language == 0 ? "de" : "en";
            for (int page : {0, 1}) {
                w()->showPage(TCatStamm::Seite(page));
                settle();
                QVERIFY(w()->grab().save(out + QString("/catstamm-page%1-%2.png").arg(page).arg(suffix)));
            }
        }
        QCOMPARE(w()->notebook()->tabText(0), QString("&Base data"));
        sprache().setLanguageNumber(0);
        translateWindow(w(), 0);
        w()->showPage(TCatStamm::SeiteStammdaten);
    }
};

QTEST_MAIN(TstCatStamm)
#include "tst_catstamm.moc"
