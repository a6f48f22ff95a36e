#include "UiFixture.h"
#include "app/Geld.h"
#include "widgets/DbEngine.h"
#include "widgets/GridDelegate.h"

#include <QImage>
#include <QLabel>
#include <QRadioButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QtTest>

using namespace fixture;

class TstBoundControls : public QObject
{
    Q_OBJECT

    std::unique_ptr<TempData> data;
    TestWindow *w = nullptr;

    void openWindow()
    {
        w = new TestWindow(data->db.get());
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
    }

  private Q_SLOTS:
    void initTestCase() { Scripted::enable(true); }

    void init()
    {
        data = std::make_unique<TempData>();
        data->addCats(3);
        Scripted::reset();
        DataSource::setDefaultSaveWithoutAsking(true);
        openWindow();
    }

    void cleanup()
    {
        delete w;
        w = nullptr;
        data.reset();
    }

    void typingEntersEditStateAndEnablesSaveAndUndo()
    {
        QVERIFY(!w->save->isEnabled());
        QVERIFY(!w->undo->isEnabled());
        QCOMPARE(w->name->text(), QString("Katze 0001"));
        w->name->setFocus();
        w->name->end(false);
        QTest::keyClicks(w->name, "x");
        QCOMPARE(w->table->state(), Table::State::Edit);
        QVERIFY(w->save->isEnabled());
        QVERIFY(w->undo->isEnabled());
        QTest::mouseClick(w->save, Qt::LeftButton);
        QCOMPARE(w->table->state(), Table::State::Browse);
        QVERIFY(!w->save->isEnabled());
        QCOMPARE(data->stored(1, "Name").toString(), QString("Katze 0001x"));
        QVERIFY(Scripted::shown().isEmpty()); // saving without asking
    }

    void saveRuleAsksMessage29WhenSpeichernIsOff_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("stored");
        QTest::newRow("No abandons the input") << int(QMessageBox::No) << "Katze 0001";
        QTest::newRow("Yes saves") << int(QMessageBox::Yes) << "Katze 0001 neu";
    }
    void saveRuleAsksMessage29WhenSpeichernIsOff()
    {
        QFETCH(int, answer);
        QFETCH(QString, stored);
        DataSource::setDefaultSaveWithoutAsking(false);
        w->name->end(false);
        QTest::keyClicks(w->name, " neu");
        Scripted::answer(QMessageBox::StandardButton(answer));
        QTest::mouseClick(w->save, Qt::LeftButton);
        QCOMPARE(Scripted::shown().size(), 1);
        const auto asked = Scripted::shown().first();
        QCOMPARE(asked.text, tav::app::messageText(29));
        QVERIFY(!asked.text.isEmpty());
        QCOMPARE(asked.icon, MsgIcon::Warning);
        QCOMPARE(asked.buttons, MsgButtons::YesNo);
        // either way the record leaves edit state quietly and the control shows what is stored
        QCOMPARE(w->table->state(), Table::State::Browse);
        QCOMPARE(data->stored(1, "Name").toString(), stored);
        QCOMPARE(w->name->text(), stored);
        QVERIFY(!w->save->isEnabled());
    }

    void movingAwayFromPendingInputAlsoFollowsTheSaveRule()
    {
        DataSource::setDefaultSaveWithoutAsking(false);
        w->name->end(false);
        QTest::keyClicks(w->name, "!");
        Scripted::answer(QMessageBox::No);
        QTest::mouseClick(w->nav->button(TNavigateBtn::nbNext), Qt::LeftButton);
        QCOMPARE(shownTexts(), QStringList{tav::app::messageText(29)});
        QCOMPARE(w->table->recNo(), 2);
        QCOMPARE(data->stored(1, "Name").toString(), QString("Katze 0001"));
    }

    void twoDataSourcesOverOneTableAskOnce()
    {
        DataSource second(w->table);
        DBEdit other(&second, "Name");
        QCOMPARE(other.text(), QString("Katze 0001"));
        DataSource::setDefaultSaveWithoutAsking(false);
        w->name->end(false);
        QTest::keyClicks(w->name, "+");
        QCOMPARE(other.text(), QString("Katze 0001+")); // every control of the field follows
        Scripted::answer(QMessageBox::Yes);
        QVERIFY(second.save());
        QCOMPARE(Scripted::shown().size(), 1);
        QCOMPARE(data->stored(1, "Name").toString(), QString("Katze 0001+"));
    }

    void undoRestoresTheField()
    {
        w->name->selectAll();
        QTest::keyClicks(w->name, "Anders");
        w->memo->setFocus();
        QTest::keyClicks(w->memo, "Notiz");
        QCOMPARE(w->table->value("Name").toString(), QString("Anders"));
        QTest::mouseClick(w->undo, Qt::LeftButton);
        QCOMPARE(w->table->state(), Table::State::Browse);
        QCOMPARE(w->name->text(), QString("Katze 0001"));
        QCOMPARE(w->memo->toPlainText(), QString());
        QVERIFY(!w->undo->isEnabled());
        QCOMPARE(data->stored(1, "Name").toString(), QString("Katze 0001"));
    }

    void requiredFieldLeftEmptyShowsErrorDialogAndKeepsTheInput()
    {
        QVERIFY(w->source->append());
        QCOMPARE(w->table->state(), Table::State::Insert);
        QVERIFY(w->save->isEnabled());
        w->memo->setFocus();
        QTest::keyClicks(w->memo, "ohne Namen");
        w->combo->setCurrentIndex(2);
        Q_EMIT w->combo->activated(2);
        QStringList lines;
        QString caption;
        Scripted::dialog([&](QDialog &d) {
            auto &e = static_cast<TDBError &>(d);
            caption = e.windowTitle();
            for (QLabel *l : e.Error)
                if (!l->isHidden())
                    lines << l->text();
            lines << e.LDateiname->text();
            return int(QDialog::Accepted);
        });
        QTest::mouseClick(w->save, Qt::LeftButton);
        QCOMPARE(caption, QString("EDBEngine-Fehler entdeckt"));
        QVERIFY(!lines.isEmpty());
        QVERIFY2(lines.first().startsWith("Eintrag: 0, Fehlernummer: 9732,  "), qPrintable(lines.first()));
        QCOMPARE(lines.last(), QString("Datei: testkatz"));
        // nothing was retried or lost: still a new record with the user's input
        QCOMPARE(w->table->state(), Table::State::Insert);
        QCOMPARE(w->memo->toPlainText(), QString("ohne Namen"));
        QCOMPARE(w->table->value("Farbe").toString(), QString("rot"));
        QCOMPARE(data->storedCount(), 3);
        // completing the input saves it
        w->name->setFocus();
        QTest::keyClicks(w->name, "Nachtrag");
        QTest::mouseClick(w->save, Qt::LeftButton);
        QCOMPARE(w->table->state(), Table::State::Browse);
        QCOMPARE(data->storedCount(), 4);
        QCOMPARE(w->table->value("Bemerkung").toString(), QString("ohne Namen"));
    }

    void deleteAsksMessage28()
    {
        Scripted::answer(QMessageBox::No);
        QVERIFY(!w->source->remove());
        QCOMPARE(data->storedCount(), 3);
        Scripted::answer(QMessageBox::Yes);
        QVERIFY(w->source->remove());
        QCOMPARE(data->storedCount(), 2);
        QCOMPARE(Scripted::shown().size(), 2);
        for (const auto &s : Scripted::shown()) {
            QCOMPARE(s.text, tav::app::messageText(28));
            QCOMPARE(s.icon, MsgIcon::Warning);
            QCOMPARE(s.buttons, MsgButtons::YesNo);
        }
        QVERIFY(!data->stored(1, "Name").isValid());
        QCOMPARE(w->name->text(), QString("Katze 0002"));
    }

    // a name holds as many emoji as letters; a control character in a one-line field or a memo
    // (where line breaks are fine) or a control of text direction anywhere keeps the record in edit
    // state with message 9452
    void storedTextIsText()
    {
        const QString cat = QString::fromUcs4(U"\U0001F431");
        w->name->selectAll();
        w->name->insert(cat.repeated(35)); // the field holds 30 characters
        QCOMPARE(w->name->text(), cat.repeated(30));
        QTest::mouseClick(w->save, Qt::LeftButton);
        QCOMPARE(data->stored(1, "Name").toString(), cat.repeated(30));
        QVERIFY(Scripted::shown().isEmpty());

        for (const auto &[field, text] : {std::pair{"Name", "Mi\tmi"},
                                          {"Name", "Mi\x1b[31m"},
                                          {"Name", "Katze \u202egnp.exe"},
                                          {"Bemerkung", "eine\x7fZeile"},
                                          {"Bemerkung", "\u2067links\u2069"}}) {
            Scripted::reset();
            QVERIFY(w->source->setFieldValue(field, QString::fromUtf8(text)));
            QVERIFY(!w->source->save());
            QCOMPARE(shownTexts(), QStringList{tav::app::messageText(9452) + " " + field});
            QCOMPARE(w->table->state(), Table::State::Edit);
            w->source->undo();
        }
        Scripted::reset();
        QVERIFY(w->source->setFieldValue("Bemerkung", "zwei\r\nZeilen\n"));
        QVERIFY(w->source->save());
        QCOMPARE(data->stored(1, "Bemerkung").toString(), QString("zwei\r\nZeilen\n"));
        QVERIFY(Scripted::shown().isEmpty());
    }

    void invalidDateIsRefusedAndTheRestStays()
    {
        w->name->selectAll();
        QTest::keyClicks(w->name, "Mimi");
        w->date->setFocus();
        QTest::keyClicks(w->date, "31.02.2020");
        QVERIFY(!w->date->hasValidDate());
        QTest::mouseClick(w->save, Qt::LeftButton);
        QCOMPARE(shownTexts().size(), 1);
        QCOMPARE(shownTexts().first(), QString("'31.02.2020': ") + tav::app::messageText(902));
        QCOMPARE(w->table->state(), Table::State::Edit);
        QCOMPARE(w->date->text(), QString("31.02.2020"));
        QCOMPARE(w->name->text(), QString("Mimi"));
        QCOMPARE(data->stored(1, "Name").toString(), QString("Katze 0001"));
        w->date->selectAll();
        QTest::keyClicks(w->date, "1.3.21");
        QTest::mouseClick(w->save, Qt::LeftButton);
        QCOMPARE(w->table->state(), Table::State::Browse);
        QCOMPARE(data->stored(1, "GebDatum").toDate(), QDate(2021, 3, 1));
        QCOMPARE(data->stored(1, "Name").toString(), QString("Mimi"));
        QCOMPARE(w->date->text(), QString("01.03.2021"));
    }

    // money in an edit and in a grid cell: read in the user's language, stored to the last unit
    // (beyond what a double holds), anything else refused with message 7000 and the text kept
    void moneyInTheUsersLanguage_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<qint64>("units"); // -1: refused
        QTest::newRow("de") << 0 << "1.234,5678" << 12345678LL;
        QTest::newRow("de beyond a double") << 0 << "123.456.789.012.345,6789" << 1234567890123456789LL;
        QTest::newRow("de english style") << 0 << "1,234.56" << -1LL;
        QTest::newRow("en") << 1 << "-1,234.5" << -12345000LL;
        QTest::newRow("en german style") << 1 << "12,50" << -1LL;
        QTest::newRow("nl") << 2 << "0,10" << 1000LL;
        QTest::newRow("letters") << 0 << "12 EUR" << -1LL;
    }
    void moneyInTheUsersLanguage()
    {
        QFETCH(int, language);
        QFETCH(QString, typed);
        QFETCH(qint64, units);
        tav::app::sprache().setLanguageNumber(language);
        const auto back = qScopeGuard([] { tav::app::sprache().setLanguageNumber(0); });
        auto stored = [&] {
            Table t(data->db.get(), QStringLiteral("TESTKATZ.DB"));
            t.open();
            t.findKey({1});
            return t.currencyUnits("Preis");
        };
        const QLocale locale = tav::app::geldLocale();
        auto *preis = new DBEdit(w->source, "Preis", w);
        QTest::keyClicks(preis, typed);
        QCOMPARE(w->source->save(), units != -1);
        if (units == -1) {
            QCOMPARE(shownTexts(), QStringList{tav::app::messageText(7000) + " " + typed});
            QCOMPARE(preis->text(), typed);
            QCOMPARE(w->table->state(), Table::State::Edit);
            w->source->undo();
            QVERIFY(!stored());
        } else {
            QCOMPARE(*stored(), units);
            QCOMPARE(preis->text(), tav::app::Geld::ausEinheiten(units).eingabeText(locale));
        }

        Scripted::reset();
        w->source->setFieldValue("Preis", QVariant::fromValue(tav::app::Geld::ausEinheiten(7)));
        QVERIFY(w->source->save());
        TableModel *m = w->grid->tableModel();
        m->addColumn("Preis", QStringLiteral("Preis"), true);
        const QModelIndex cell = m->index(0, m->columnCount() - 1);
        QCOMPARE(m->data(cell, Qt::EditRole).toString(), tav::app::Geld::ausEinheiten(7).eingabeText(locale));
        QCOMPARE(m->setData(cell, typed), units != -1);
        if (units != -1)
            QVERIFY(w->source->save());
        QCOMPARE(*stored(), units == -1 ? 7 : units);
        QCOMPARE(m->data(cell).toString(), tav::app::Geld::ausEinheiten(*stored()).text(locale));
        QCOMPARE(shownTexts().size(), units == -1 ? 1 : 0);
    }

    void germanDates_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QDate>("date");
        QTest::newRow("full") << "29.02.2024" << true << QDate(2024, 2, 29);
        QTest::newRow("short year 20xx") << "5.6.07" << true << QDate(2007, 6, 5);
        QTest::newRow("short year 19xx") << "05.06.87" << true << QDate(1987, 6, 5);
        QTest::newRow("empty") << "  " << true << QDate();
        QTest::newRow("no leap day") << "29.02.2023" << false << QDate();
        QTest::newRow("iso") << "2020-01-01" << false << QDate();
        QTest::newRow("month 13") << "01.13.2020" << false << QDate();
    }
    void germanDates()
    {
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(QDate, date);
        bool parsed = !ok;
        QCOMPARE(parseGermanDate(text, &parsed), date);
        QCOMPARE(parsed, ok);
    }

    void everyControlWritesItsField()
    {
        QTest::mouseClick(w->check, Qt::LeftButton, {}, QPoint(6, w->check->height() / 2));
        QCOMPARE(w->table->state(), Table::State::Edit);
        auto *queen = w->radio->findChildren<QRadioButton *>().at(1);
        QTest::mouseClick(queen, Qt::LeftButton, {}, QPoint(6, queen->height() / 2));
        w->combo->setCurrentIndex(1);
        Q_EMIT w->combo->activated(1);
        w->lookup->setCurrentIndex(1);
        Q_EMIT w->lookup->activated(1);
        QCOMPARE(w->lookup->currentText(), QString("Siam")); // in the list's index order
        QTemporaryDir pics;
        QImage img(20, 10, QImage::Format_RGB32);
        img.fill(Qt::red);
        const QString path = pics.path() + "/kater.png";
        QVERIFY(img.save(path));
        QVERIFY(!w->picture->hasPicture());
        w->source->setFieldValue("Bild", path);
        QVERIFY(w->picture->hasPicture());
        QTest::mouseClick(w->save, Qt::LeftButton);
        QCOMPARE(data->stored(1, "Kastriert").toBool(), true);
        QCOMPARE(data->stored(1, "Geschlecht").toString(), QString("2"));
        QCOMPARE(data->stored(1, "Farbe").toString(), QString("weiß"));
        QCOMPARE(data->stored(1, "Rasse").toInt(), 2);
        // moving shows the next record's values in every control
        QVERIFY(w->source->next());
        QVERIFY(!w->check->isChecked());
        QCOMPARE(w->radio->itemIndex(), 1); // Katze 0002 is a queen
        QCOMPARE(w->combo->currentIndex(), -1);
        QCOMPARE(w->lookup->currentIndex(), -1);
        QVERIFY(!w->picture->hasPicture());
        QVERIFY(w->source->prior());
        QVERIFY(w->check->isChecked());
        QCOMPARE(w->lookup->currentText(), QString("Siam"));
        QVERIFY(w->picture->hasPicture());
    }

    void firstKeystrokeInAnEmptyTableStartsANewRecord()
    {
        delete w;
        data = std::make_unique<TempData>();
        openWindow();
        QCOMPARE(w->table->state(), Table::State::Browse);
        w->name->setFocus();
        QTest::keyClicks(w->name, "Erste");
        QCOMPARE(w->table->state(), Table::State::Insert);
        QCOMPARE(w->name->text(), QString("Erste"));
        QTest::mouseClick(w->save, Qt::LeftButton);
        QCOMPARE(data->storedCount(), 1);
        QCOMPARE(data->stored(1, "Name").toString(), QString("Erste"));
    }

    void gridFollowsTheCursorAndReadsRowsOnDemand()
    {
        delete w;
        data = std::make_unique<TempData>();
        data->addCats(3000);
        openWindow();
        TableModel *m = w->grid->tableModel();
        QCOMPARE(m->rowCount(), 3000);
        QCoreApplication::processEvents();
        QVERIFY2(m->cachedRows() > 0 && m->cachedRows() <= 200, qPrintable(QString::number(m->cachedRows())));
        QCOMPARE(m->currentRow(), 0);
        QCOMPARE(m->data(m->index(1, 0)).toString(), QString("Katze 0002"));
        QCOMPARE(m->data(m->index(1, 2)).toString(), QString()); // no breed
        QCOMPARE(m->data(m->index(1, 3)).toInt(), 10);
        QCOMPARE(m->data(m->index(1, 0), Qt::BackgroundRole).value<QColor>(), QColor(255, 220, 220));
        QVERIFY(!m->data(m->index(0, 0), Qt::BackgroundRole).isValid());
        // reading far rows does not move the cursor
        QCOMPARE(m->data(m->index(2500, 0)).toString(), QString("Katze 2501"));
        QCOMPARE(w->table->recNo(), 1);
        QCOMPARE(w->name->text(), QString("Katze 0001"));
        // the cursor moves: the grid's current row follows
        QVERIFY(w->source->moveTo(42));
        QCOMPARE(w->grid->currentIndex().row(), 41);
        // a click on a row moves the cursor
        w->grid->scrollToTop();
        QCoreApplication::processEvents();
        const QRect cell = w->grid->visualRect(m->index(3, 0));
        QTest::mouseClick(w->grid->viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(w->table->recNo(), 4);
        QCOMPARE(w->name->text(), QString("Katze 0004"));
        // an editable column writes the field
        QVERIFY(m->setData(m->index(3, 0), QString("Geändert")));
        QCOMPARE(w->table->state(), Table::State::Edit);
        QCOMPARE(w->name->text(), QString("Geändert"));
        QVERIFY(!(m->flags(m->index(3, 1)) & Qt::ItemIsEditable));
    }

    // Paging reads the rows a page shows and no more; a change that keeps the number of rows
    // repaints them without making the view lay out every row again.
    void gridPagesReadWhatTheyShowAndReloadsWithoutReset()
    {
        delete w;
        data = std::make_unique<TempData>();
        data->addCats(3000);
        openWindow();
        TableModel *m = w->grid->tableModel();
        QWidget *view = w->grid->viewport();
        (void)view->grab();
        const int page = w->grid->rowAt(view->height() - 1) - w->grid->rowAt(0) + 1;
        QVERIFY(page > 3);
        const int first = m->cachedRows();
        QVERIFY2(first >= page && first <= page + 3, qPrintable(QString("%1 / %2").arg(first).arg(page)));
        w->grid->setFocus();
        for (int i = 0; i < 6; ++i) {
            QTest::keyClick(w->grid, Qt::Key_PageDown);
            (void)view->grab();
        }
        const int top = w->grid->rowAt(0);
        QVERIFY(top >= 4 * page);
        QVERIFY2(m->cachedRows() <= 8 * (page + 2), qPrintable(QString::number(m->cachedRows())));
        for (int r = top; r < top + page; ++r)
            QCOMPARE(m->data(m->index(r, 0)).toString(), QString("Katze %1").arg(r + 1, 4, 10, QChar('0')));
        QCOMPARE(w->table->recNo(), w->grid->currentIndex().row() + 1);
        QCOMPARE(w->name->text(), QString("Katze %1").arg(w->table->recNo(), 4, 10, QChar('0')));
        // and back up again, over rows read before and rows not read yet
        w->grid->scrollTo(m->index(1500, 0), QAbstractItemView::PositionAtTop);
        (void)view->grab();
        for (int i = 0; i < 4; ++i) {
            QTest::keyClick(w->grid, Qt::Key_PageUp);
            (void)view->grab();
        }
        for (int r = w->grid->rowAt(0); r < w->grid->rowAt(0) + page; ++r)
            QCOMPARE(m->data(m->index(r, 0)).toString(), QString("Katze %1").arg(r + 1, 4, 10, QChar('0')));

        QSignalSpy resets(m, &QAbstractItemModel::modelReset);
        QSignalSpy changed(m, &QAbstractItemModel::dataChanged);
        const int row = w->grid->currentIndex().row();
        w->source->setFieldValue("Name", QStringLiteral("Katze %1a").arg(row + 1, 4, 10, QChar('0')));
        QVERIFY(w->source->save());
        QCOMPARE(resets.count(), 0);
        QVERIFY(changed.count() > 0);
        QCOMPARE(m->data(m->index(row, 0)).toString(), QString("Katze %1a").arg(row + 1, 4, 10, QChar('0')));
        QVERIFY(w->source->append());
        w->source->setFieldValue("Name", QStringLiteral("Katze 9999"));
        QVERIFY(w->source->save());
        QCOMPARE(m->rowCount(), 3001);
        QVERIFY(resets.count() > 0);
        QCOMPARE(m->data(m->index(3000, 0)).toString(), QString("Katze 9999"));
    }

    // An engine error half-way through reading rows for the grid or the entries of a lookup
    // list: the cursor is back on its record, hooks and signals work again, the error was shown.
    void readErrorsPutTheCursorBackAndAreReported_data()
    {
        QTest::addColumn<bool>("grid");
        QTest::newRow("grid rows") << true;
        QTest::newRow("lookup list") << false;
    }

    void readErrorsPutTheCursorBackAndAreReported()
    {
        QFETCH(bool, grid);
        delete w;
        data = std::make_unique<TempData>();
        data->addCats(300);
        {
            Table breeds(data->db.get(), QStringLiteral("RASSELIST.DB"));
            breeds.open();
            Transaction txn(*data->db, QStringLiteral("RASSELIST.DB"));
            for (int i = 4; i < 150; ++i) {
                breeds.append();
                breeds.setValue("RCode", i);
                breeds.setValue("RName", QStringLiteral("Rasse %1").arg(i, 3, 10, QChar('0')));
                breeds.post();
            }
            txn.commit();
        }
        openWindow();
        Table *t = grid ? w->table : w->list;
        QVERIFY(t->moveTo(10));
        const qint64 before = t->recordNumber();
        int hooks = 0;
        t->beforeScroll = [&](Table &) { ++hooks; };
        QSignalSpy scrolls(t, &Table::afterScroll);
        bool thrown = false;
        // the first read after the cursor has left its record fails
        Table::setReadProbe([&](const Table &read) {
            if (&read == t && !thrown && read.recordNumber() != before) {
                thrown = true;
                throw EngineError(EngineError::Category::Io, code::Io, QStringLiteral("Lesefehler"));
            }
        });
        const auto noProbe = qScopeGuard([] { Table::setReadProbe(nullptr); });
        QStringList lines;
        Scripted::dialog([&](QDialog &d) {
            for (QLabel *l : static_cast<TDBError &>(d).Error)
                if (!l->isHidden())
                    lines << l->text();
            return int(QDialog::Accepted);
        });
        TableModel *m = w->grid->tableModel();
        if (grid)
            (void)m->data(m->index(60, 0));
        else
            w->lookup->reloadList();
        QVERIFY(thrown);
        QTRY_VERIFY(!lines.isEmpty());
        QVERIFY2(lines.first().contains("Fehlernummer: 8450"), qPrintable(lines.first()));
        QCOMPARE(t->recordNumber(), before);
        QCOMPARE(hooks, 0);
        QCOMPARE(scrolls.count(), 0);
        t->next();
        QCOMPARE(hooks, 1);
        QCOMPARE(scrolls.count(), 1);
        QCOMPARE(t->recNo(), 11);
        if (grid) {
            QCOMPARE(w->name->text(), QString("Katze 0011"));
            QCOMPARE(m->data(m->index(60, 0)).toString(), QString("Katze 0061"));
        } else {
            w->lookup->reloadList();
            QCOMPARE(w->lookup->count(), 149);
        }
        QCOMPARE(Scripted::shown().size(), 1);
    }

    void gridCellsCutTheirTextToTheWidth()
    {
        const QFont font = w->grid->font();
        const QFontMetricsF fm(font);
        const QString name = QStringLiteral("Quisoja vom Elbufer");
        QCOMPARE(GridDelegate::fitted(fm, name, fm.horizontalAdvance(name) + 1), name);
        QCOMPARE(GridDelegate::fitted(fm, QString(), 5), QString());
        const qreal narrow = fm.horizontalAdvance(name) / 2;
        const QString cut = GridDelegate::fitted(fm, name, narrow);
        QVERIFY(cut.endsWith(QChar(0x2026)));
        QVERIFY(name.startsWith(cut.chopped(1)));
        QVERIFY(fm.horizontalAdvance(cut) <= narrow);
        // letters that combine are measured as a whole, never by their parts
        const QString combined = QStringLiteral("Ame\u0301lie de la For\u0302t");
        const QString fitted = GridDelegate::fitted(fm, combined, fm.horizontalAdvance(combined) - 2);
        QVERIFY(fitted != combined);
        QVERIFY(fm.horizontalAdvance(fitted) <= fm.horizontalAdvance(combined) - 2);
    }

    void gridShowsLookupAndNewRecords()
    {
        w->source->setFieldValue("Rasse", 2);
        QVERIFY(w->source->save());
        TableModel *m = w->grid->tableModel();
        QCOMPARE(m->data(m->index(0, 2)).toString(), QString("Siam"));
        QVERIFY(w->source->append());
        QCOMPARE(m->rowCount(), 4);
        QCOMPARE(m->currentRow(), 3);
        QTest::keyClicks(w->name, "Neu");
        QCOMPARE(m->data(m->index(3, 0)).toString(), QString("Neu"));
        w->source->undo();
        QCOMPARE(m->rowCount(), 3);

        // a lookup that fails leaves its cells empty and is reported once, not with every paint
        m->addLookupColumn("Fehlt", "Rasse", "FEHLT.DB", "RCode", "RName");
        const int col = m->columnCount() - 1;
        QCOMPARE(m->data(m->index(0, col)).toString(), QString());
        QCOMPARE(m->data(m->index(1, col)).toString(), QString());
        QTRY_COMPARE(Scripted::shown().size(), 1);
        QCOMPARE(m->data(m->index(0, 0)).toString(), w->table->value("Name").toString());
    }

    // A date cell takes a date typed as the grid shows it; anything else is refused with the date
    // message, stays in the cell and is not written.
    void gridDateCells_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<bool>("refused");
        QTest::newRow("shown form") << "01.01.2026" << QDate(2026, 1, 1) << false;
        QTest::newRow("short form") << "5.6.07" << QDate(2007, 6, 5) << false;
        QTest::newRow("letters") << "abc" << QDate() << true;
        QTest::newRow("a letter in a date") << "01.01.20x6" << QDate() << true;
        QTest::newRow("no such day") << "31.04.2026" << QDate() << true;
    }
    void gridDateCells()
    {
        QFETCH(QString, text);
        QFETCH(QDate, date);
        QFETCH(bool, refused);
        TableModel *m = w->grid->tableModel();
        QVector<TableModel::Column> cols = m->columns();
        cols[1].editable = true;
        m->setColumns(cols);
        const QModelIndex cell = m->index(0, 1);
        const auto editor = [&]() -> QLineEdit * {
            for (QLineEdit *e : w->grid->viewport()->findChildren<QLineEdit *>())
                if (e->isVisible())
                    return e;
            return nullptr;
        };
        w->grid->setCurrentIndex(cell);
        w->grid->edit(cell);
        QLineEdit *e = editor();
        QVERIFY(e);
        QTest::keyClicks(e, text);
        QTest::keyClick(e, Qt::Key_Return);
        if (refused) {
            QCOMPARE(shownTexts(), QStringList{"'" + text + "': " + tav::app::messageText(902)});
            QCOMPARE(editor(), e);
            QCOMPARE(e->text(), text);
            QVERIFY(!w->table->isEditing());
            QVERIFY(data->stored(1, "GebDatum").isNull());
            return;
        }
        QTRY_VERIFY(!editor()); // the delegate commits on the next turn of the event loop
        QVERIFY(shownTexts().isEmpty());
        QVERIFY(w->source->save());
        QCOMPARE(data->stored(1, "GebDatum").toDate(), date);
        QCOMPARE(m->data(cell).toString(), germanDateText(date));
        // opened again it holds the date as shown; leaving it unchanged changes nothing
        w->grid->edit(cell);
        QTRY_VERIFY(editor());
        QCOMPARE(editor()->text(), germanDateText(date));
        QTest::keyClick(editor(), Qt::Key_Return);
        QTRY_VERIFY(!editor());
        QVERIFY(!w->table->isEditing());
    }

    void screenshot()
    {
        w->source->setFieldValue("Bemerkung", QString("Sieger 2023"));
        w->source->save();
        w->nav->setFocus();
        QCoreApplication::processEvents();
        QVERIFY(w->grab().save("/tmp/tav_testwindow.png"));
    }
};

QTEST_MAIN(TstBoundControls)
#include "tst_boundcontrols.moc"
