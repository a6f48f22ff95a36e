// HTMLStammbaumSeite: the HTML pedigree window's page: what it is written from, the writing, the
// browser, the settings saved on closing, and the window's registration.
#include "HTMLStammbaumFenster.h"

#include "app/Global.h"
#include "app/Sprache.h"
#include "app/Systemi.h"
#include "breeding/StorePedigree.h"
#include "shell/Shell.h"
#include "widgets/Dialogs.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QImageReader>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QSize>
#include <QSpinBox>
#include <QStringList>
#include <QUrl>

namespace tav::breeding::ui {

using widgets::MsgButtons;
using widgets::MsgIcon;

HTMLSeitenSprache TFormHTMLStammbaum::seitenSprache() const
{
    return htmlSeitenSprache(ComboBoxSprache->currentText(), app::sprache().languageNumber());
}

HTMLSeite TFormHTMLStammbaum::seite() const
{
    const auto zeilen = [](const QPlainTextEdit *m) {
        const QString t = m->toPlainText();
        return t.isEmpty() ? QStringList() : t.split(QLatin1Char('\n'));
    };
    HTMLSeite s;
    s.pfad = EditPfad->text();
    s.breite = EditBreite->text();
    s.autoHoehe = CheckBoxAuto->isChecked();
    s.hoehe = EditHoehe->text();
    s.position = Position->checkedId() == 1 ? 1 : 0;
    s.rahmenfarbe = ComboRahmen->currentText();
    s.hintergrundart = ComboHintergrundart->currentIndex();
    s.hintergrundfarbe = ComboHintergrund->currentText();
    s.hintergrundbild = EditHintergrundbild->text();
    s.stbArt = ComboStbArt->currentIndex();
    s.stbFarbe = ComboStb->currentText();
    s.stbBild = EditStammbaumbild->text();
    s.transparenz = EditTransparenz->text();
    s.generationen = SpinEdit1->value();
    s.schriftName = m_schrift[0];
    s.schriftKatze = m_schrift[1];
    s.schriftStb = m_schrift[2];
    s.nameZeile = MemoName->toPlainText();
    s.spalte1 = zeilen(MemoSpalte1);
    const bool seitlich = BildPos->checkedId() == 0 || BildPos->checkedId() == 2;
    s.spalte2 = seitlich ? QStringList() : zeilen(MemoSpalte2);
    s.titelKatze = TitelKatze;
    const app::tsysteminfo *einstellungen = app::tsysteminfo::instance();
    s.titelRot = einstellungen ? einstellungen->TitelRot : true;
    s.bildPos = BildPos->checkedId();
    s.bild = EditBild->text();
    s.bildWeite = EditBildWeite->text();
    s.bildHoehe = EditBildHoehe->text();
    s.bildGen = CheckBoxBildGen->isChecked();
    s.bildGenWeite = EditBildGenWeite->text().toInt();
    s.bildGenHoehe = EditBildGenHoehe->text().toInt();
    if (auto katze = StorePedigree(*m_db, StorePedigree::Laden::Einzeln).katze(m_katze)) {
        s.name = katze->name;
        s.vater = katze->vater;
        s.mutter = katze->mutter;
    }
    return s;
}

bool TFormHTMLStammbaum::schreiben()
{
    app::TDatenGlobal *global = app::TDatenGlobal::instance();
    if (!global)
        return false;
    const HTMLSeite s = seite();
    const HTMLSeitenSprache sprache = seitenSprache();
    StorePedigree stamm(*m_db, StorePedigree::Laden::Einzeln);
    HTMLQuellen q;
    q.stamm = &stamm;
    q.benutzerfarbe = htmlBenutzerfarbe(app::sprache());
    q.ahn = htmlAhnen(*global, s, q.benutzerfarbe, sprache.sprache, sprache.englischeNamen);
    q.bildGroesse = [](const QString &pfad) { return QImageReader(pfad).size(); };
    q.caption = htmlCaptions(app::sprache(), sprache.sprache);
    q.englisch = sprache.sprache == 1;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const HTMLErgebnis e = schreibeHTMLStammbaum(s, q);
    QApplication::restoreOverrideCursor();
    for (const int m : e.meldungen)
        widgets::showMessage(m, MsgIcon::Error, MsgButtons::Ok, QString(), e.zusatz(m));
    return e.ok;
}

bool TFormHTMLStammbaum::schreibenUndAnzeigen()
{
    if (!schreiben())
        return false;
    const QString pfad = EditPfad->text();
    if (!oeffner()(QUrl::fromLocalFile(pfad))) {
        widgets::showMessage(9552, MsgIcon::Error, MsgButtons::Ok, QString(), QLatin1Char(' ') + pfad);
        return false;
    }
    return true;
}

void TFormHTMLStammbaum::speichern()
{
    m_ini.Rahmenfarbe = ComboRahmen->currentText();
    m_ini.Hintergrundart = ComboHintergrundart->currentIndex();
    m_ini.Hintergrundfarbe = ComboHintergrund->currentText();
    m_ini.HintergrundBild = EditHintergrundbild->text();
    m_ini.StbArt = ComboStbArt->currentIndex();
    m_ini.StbFarbe = ComboStb->currentText();
    m_ini.StbBild = EditStammbaumbild->text();
    m_ini.StbTransparenz = EditTransparenz->text();
    m_ini.Seitenbreite = EditBreite->text().toInt();
    m_ini.autoHoehe = CheckBoxAuto->isChecked();
    if (!EditHoehe->text().isEmpty())
        m_ini.Seitenhoehe = EditHoehe->text().toInt();
    m_ini.Position = Position->checkedId() == 1 ? 1 : 0;
    m_ini.AnzGenerationen = SpinEdit1->value();
    m_ini.BildPos = BildPos->checkedId();
    m_ini.BildWeite = EditBildWeite->text().toInt();
    m_ini.BildHoehe = EditBildHoehe->text().toInt();
    m_ini.BildGen = CheckBoxBildGen->isChecked();
    m_ini.BildGenWeite = EditBildGenWeite->text().toInt();
    m_ini.BildGenHoehe = EditBildGenHoehe->text().toInt();
    m_ini.Sprache = ComboBoxSprache->currentText();
    const QString pfad = EditPfad->text();
    m_ini.HTMLPfad = pfad.left(pfad.lastIndexOf(QLatin1Char('/')) + 1);
    if (m_ini.HTMLPfad.isEmpty())
        m_ini.HTMLPfad = QStringLiteral("LEER");
    m_ini.SchriftName = m_schrift[0];
    m_ini.SchriftKatze = m_schrift[1];
    m_ini.SchriftStb = m_schrift[2];
    m_ini.spalte_pos = spalte_pos;
    if (!m_ini.schreiben(htmlIniPfad()))
        widgets::showMessage(8201, MsgIcon::Error, MsgButtons::Ok, QString(),
                             QLatin1Char(' ') + htmlIniPfad());
}

void TFormHTMLStammbaum::closeEvent(QCloseEvent *e)
{
    speichern();
    ChildWindow::closeEvent(e);
}

void registerHTMLStammbaum()
{
    shell::registerWindow(QStringLiteral("formhtmlstammbaum"), [](shell::Shell &mw) -> QWidget * {
        if (auto *w = TFormHTMLStammbaum::instance())
            return w;
        auto *w = new TFormHTMLStammbaum(store::defaultDatabase());
        if (QMdiSubWindow *sub = mw.addChild(w))
            sub->resize(QSize(1000, 700));
        return w;
    });
}

} // namespace tav::breeding::ui
